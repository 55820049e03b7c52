#pragma once

#include "datetime/TDateTime.h"

#include <QtGlobal>

// Milliseconds since 1970-01-01 00:00 and the date-time value of the same
// wall-clock reading (days since 1899-12-30).
namespace UnixTime {

constexpr qint64 MsPerDay = 86400000;
constexpr qint64 EpochDays = 25569; // 1899-12-30 to 1970-01-01

// The day and the time of day are split exactly before the division, so the
// value matches one built from a calendar date and a time of day.
constexpr TDateTime ToDateTime(qint64 Ms)
{
    qint64 Days = Ms / MsPerDay;
    qint64 Rest = Ms % MsPerDay;
    if (Rest < 0) {
        Rest += MsPerDay;
        --Days;
    }
    return double(Days + EpochDays) + double(Rest) / double(MsPerDay);
}

// To the nearest millisecond.
qint64 FromDateTime(TDateTime Moment);

} // namespace UnixTime
