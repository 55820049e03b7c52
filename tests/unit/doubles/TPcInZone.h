#pragma once

#include "datetime/INowSource.h"
#include "datetime/TZoneOffset.h"
#include "datetime/UnixTime.h"

// A PC whose clock follows a tz zone (say Europe/Berlin, whatever zone the
// test machine is in), standing at one instant until the test moves it.
class TPcInZone final : public INowSource {
public:
    TPcInZone(const QString& Zone, qint64 UtcMs) : Zone_(Zone), UtcMs_(UtcMs) {}
    TDateTime Now() const override { return UnixTime::ToDateTime(UtcMs_ + Read().LocalOffsetSeconds * 1000LL); }
    TNowReading Read() const override { return ReadAt(UtcMs_); }
    TNowReading ReadAt(qint64 UtcMs) const override
    {
        const int seconds = Zone_.SecondsAt(UtcMs);
        return {UtcMs, seconds, Zone_.HoldsUntil()};
    }
    void Set(qint64 UtcMs) { UtcMs_ = UtcMs; }

private:
    mutable TZoneOffset Zone_; // keeps its last period: asking again costs nothing
    qint64 UtcMs_;
};
