#pragma once

#include "datetime/INowSource.h"
#include "datetime/UnixTime.h"

// A "now" that stands still until the test moves it. Unless told otherwise
// this PC's local time is UTC.
class TSettableNow final : public INowSource {
public:
    explicit TSettableNow(TDateTime Start = 0) : Now_(Start) {}
    TDateTime Now() const override { return Now_; }
    TNowReading Read() const override
    {
        return {UnixTime::FromDateTime(Now_) - LocalOffset_ * 1000LL, LocalOffset_};
    }
    void Set(TDateTime Moment) { Now_ = Moment; }
    // The moment UtcMs on a PC whose local time is LocalOffsetSeconds ahead of UTC.
    void SetUtc(qint64 UtcMs, int LocalOffsetSeconds)
    {
        LocalOffset_ = LocalOffsetSeconds;
        Now_ = UnixTime::ToDateTime(UtcMs + LocalOffsetSeconds * 1000LL);
    }

private:
    TDateTime Now_;
    int LocalOffset_ = 0;
};
