#include "datetime/ClockTime.h"

#include "datetime/UnixTime.h"

#include <cmath>

TClockReading ClockTimeAt(const TNowReading& Pc, TZoneOffset& Zone, TDateTime FixedOffset)
{
    TClockReading r;
    r.UtcMs = Pc.UtcMs;
    r.PcOffsetUntilMs = Pc.LocalOffsetUntilMs;
    if (!Zone.IsKnown()) {
        const qint64 offsetMs = Pc.LocalOffsetSeconds * 1000LL + std::llround(FixedOffset * UnixTime::MsPerDay);
        r.Local = UnixTime::ToDateTime(Pc.UtcMs + Pc.LocalOffsetSeconds * 1000LL) + FixedOffset;
        r.Offset = {offsetMs, Pc.LocalOffsetUntilMs};
        return r;
    }
    const int zone = Zone.SecondsAt(Pc.UtcMs);
    r.Local = UnixTime::ToDateTime(Pc.UtcMs + zone * 1000LL);
    r.Offset = {zone * 1000LL, Zone.HoldsUntil()};
    return r;
}
