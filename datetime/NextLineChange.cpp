#include "datetime/NextLineChange.h"

#include <algorithm>

namespace {

constexpr qint64 MsPerMinute = 60000;
constexpr qint64 MsPerDay = 86400000;

// The first multiple of Unit after Value, on the floor side for negatives too.
qint64 NextMultiple(qint64 Value, qint64 Unit)
{
    qint64 rest = Value % Unit;
    if (rest < 0)
        rest += Unit;
    return Value - rest + Unit;
}

qint64 NextOfLine(qint64 UtcMs, qint64 LocalMs, TLineChanges Line)
{
    if (Line.Finest == TChangeUnit::Millisecond)
        return UtcMs + MillisecondPoll;
    if (Line.SkipsAtMidnight && LocalMs % MsPerDay == 0)
        return UtcMs + 1;
    const qint64 unit = Line.Finest == TChangeUnit::Second ? 1000 : MsPerMinute;
    return NextMultiple(LocalMs, unit) - (LocalMs - UtcMs);
}

} // namespace

qint64 NextLineChange(qint64 UtcMs, const TOffsetPeriod& Offset, qint64 PcUntilUtcMs, TLineChanges Date,
                      TLineChanges Time)
{
    const qint64 local = UtcMs + Offset.OffsetMs;
    qint64 next = std::min(NextOfLine(UtcMs, local, Date), NextOfLine(UtcMs, local, Time));
    // A transition is a change only while it is ahead; one already passed
    // (a stale period) must not wake the clock in a loop.
    if (Offset.UntilUtcMs > UtcMs)
        next = std::min(next, Offset.UntilUtcMs);
    if (PcUntilUtcMs > UtcMs)
        next = std::min(next, PcUntilUtcMs);
    return next;
}
