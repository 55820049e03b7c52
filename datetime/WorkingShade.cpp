#include "datetime/WorkingShade.h"

namespace {

constexpr qint64 MsPerMinute = 60 * 1000;
constexpr qint64 MinutesPerDay = 24 * 60;
constexpr int AwakeFrom = 7 * 60;
constexpr int AwakeUntil = 22 * 60;

qint64 FloorDiv(qint64 Value, qint64 Divisor)
{
    const qint64 Quotient = Value / Divisor;
    return Quotient * Divisor > Value ? Quotient - 1 : Quotient;
}

// Where one clock stands at an instant. A night shift can be worked outside
// the waking hours, so the two are asked separately.
struct TClockState {
    bool Working = false;
    bool Awake = false;
};

TClockState StateAt(const TShadeClock& Clock, qint64 UtcMs)
{
    const qint64 LocalMinutes = FloorDiv(UtcMs + Clock.OffsetSecondsAt(UtcMs) * qint64(1000), MsPerMinute);
    const qint64 Days = FloorDiv(LocalMinutes, MinutesPerDay);
    const int MinuteOfDay = int(LocalMinutes - Days * MinutesPerDay);
    // 1970-01-01 was a Thursday (4).
    const int DayOfWeek = int(((Days + 3) % 7 + 7) % 7) + 1;
    return {IsWorking(Clock.Hours, DayOfWeek, MinuteOfDay), MinuteOfDay >= AwakeFrom && MinuteOfDay < AwakeUntil};
}

TShade ShadeAt(const std::vector<TShadeClock>& Clocks, qint64 UtcMs)
{
    bool AllWorking = true;
    bool AllAwake = true;
    for (const TShadeClock& Clock : Clocks) {
        const TClockState State = StateAt(Clock, UtcMs);
        AllWorking = AllWorking && State.Working;
        AllAwake = AllAwake && State.Awake;
        if (!AllWorking && !AllAwake)
            return TShade::Other; // no later clock can change it
    }
    return AllWorking ? TShade::AllWorking : AllAwake ? TShade::AllAwake : TShade::Other;
}

} // namespace

std::vector<TShade> WorkingShade(const std::vector<TShadeClock>& Clocks, qint64 FirstUtcMs, int Steps)
{
    std::vector<TShade> Shades(std::size_t(qMax(Steps, 0)), TShade::Other);
    if (Clocks.empty())
        return Shades;
    for (std::size_t Step = 0; Step < Shades.size(); ++Step)
        Shades[Step] = ShadeAt(Clocks, FirstUtcMs + qint64(Step) * ShadeStepMs);
    return Shades;
}
