#pragma once

#include <QtGlobal>

#include <cstdint>
#include <limits>

// When a clock's lines can next change, worked out from values alone, so
// that the ticker sleeps until then instead of polling.

// The finest unit a line shows. Everything coarser than a second (minutes,
// hours, AM/PM, days, eras) changes on a minute boundary of the clock's time.
enum class TChangeUnit : std::uint8_t { Minute, Second, Millisecond };

// What a compiled format tells about when its text changes.
struct TLineChanges {
    TChangeUnit Finest = TChangeUnit::Minute;
    // The format leaves its time out at exactly midnight ("c"): the text
    // changes again one millisecond later.
    bool SkipsAtMidnight = false;
};

// An offset from UTC with the period it holds for: the clock's time is
// UTC + OffsetMs until UntilUtcMs (its zone's next transition, or this
// PC's for a clock that follows this PC's time).
struct TOffsetPeriod {
    qint64 OffsetMs = 0;
    qint64 UntilUtcMs = std::numeric_limits<qint64>::max();
};

// The instant (ms since 1970, UTC) after UtcMs at which a line showing
// Date or Time can change: the next boundary of the finest unit in the
// clock's own time, or the end of its offset's period, or the next
// transition of this PC's zone (PcUntilUtcMs), whichever comes first.
// A line showing milliseconds is polled every MillisecondPoll ms.
constexpr qint64 MillisecondPoll = 251;
qint64 NextLineChange(qint64 UtcMs, const TOffsetPeriod& Offset, qint64 PcUntilUtcMs, TLineChanges Date,
                      TLineChanges Time);
