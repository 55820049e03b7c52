#pragma once

#include "datetime/INowSource.h"
#include "datetime/NextLineChange.h"
#include "datetime/TDateTime.h"
#include "datetime/TZoneOffset.h"

// What a clock shows at one instant.
struct TClockReading {
    TDateTime Local = 0;        // the clock's time
    qint64 UtcMs = 0;           // the same instant
    TOffsetPeriod Offset;       // the clock's time minus UTC, and until when
    qint64 PcOffsetUntilMs = 0; // this PC's next transition
};

// The clock's time at the instant of Pc (this PC's reading then): a known
// Zone gives UTC plus the zone's offset at that instant; otherwise the clock
// is this PC's local time then plus FixedOffset (days).
TClockReading ClockTimeAt(const TNowReading& Pc, TZoneOffset& Zone, TDateTime FixedOffset);
