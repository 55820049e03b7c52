#pragma once

#include "datetime/WorkingDays.h"

#include <QtGlobal>

#include <functional>
#include <vector>

// The shade of one quarter hour of a time slider's track.
enum class TShade : quint8 {
    AllWorking, // every clock inside its working hours
    AllAwake,   // every clock between 07:00 and 22:00 local
    Other,
};

// A clock as the shading sees it.
struct TShadeClock {
    // The clock's local time minus UTC, in seconds, at an instant (ms since 1970).
    std::function<int(qint64 UtcMs)> OffsetSecondsAt;
    TWorkingHours Hours;
};

constexpr qint64 ShadeStepMs = 15 * 60 * 1000;

// The shade of each of Steps quarter hours, the first starting at FirstUtcMs;
// the instant a step starts decides its shade. Without clocks every step is
// Other.
std::vector<TShade> WorkingShade(const std::vector<TShadeClock>& Clocks, qint64 FirstUtcMs, int Steps);
