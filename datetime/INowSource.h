#pragma once

#include "datetime/TDateTime.h"

#include <QtGlobal>

#include <limits>

// One reading of the clock: the moment and this PC's offset from UTC then.
struct TNowReading {
    qint64 UtcMs = 0;           // milliseconds since 1970-01-01 00:00 UTC
    int LocalOffsetSeconds = 0; // this PC's local time minus UTC
    // The next transition of this PC's zone: the offset holds until then.
    qint64 LocalOffsetUntilMs = std::numeric_limits<qint64>::max();
};

// "Now" is injected so that tests never wait on the wall clock.
class INowSource {
public:
    virtual ~INowSource() = default;
    virtual TDateTime Now() const = 0; // local time, millisecond resolution
    // The same moment in UTC. A source that knows only local time reads as a
    // PC whose local time is UTC.
    virtual TNowReading Read() const;
    // This PC's reading at another instant: its offset from UTC then. A
    // source that knows no zone rules keeps the offset of now.
    virtual TNowReading ReadAt(qint64 UtcMs) const;
};

// The PC's local time.
class TSystemNow final : public INowSource {
public:
    TDateTime Now() const override;
    TNowReading Read() const override;
    TNowReading ReadAt(qint64 UtcMs) const override;

private:
    mutable long long LastZoneCheck_ = 0; // seconds since 1970 of the last zone refresh
    // This PC's offset and the instants it holds between, looked up again
    // outside them and at every zone refresh.
    mutable qint64 ZoneFromMs_ = 0;
    mutable qint64 ZoneUntilMs_ = 0;
    mutable int ZoneSeconds_ = 0;
};
