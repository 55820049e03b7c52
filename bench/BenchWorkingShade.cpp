// The shading of a time slider's track: 385 quarter hours (the slider's
// ±48 hours) for 50 clocks on zones round the world, against the same loop
// with clocks of a constant offset (no zone rules asked). The span starts
// 2027-03-26 00:00 UTC, so the European and several other clocks cross a
// clock change inside it. Arg 0: each clock with its region's default hours
// (a step is decided as soon as one clock sleeps); arg 1: every clock at work
// round the clock, so every clock is asked at every step.

#include "datetime/TZoneOffset.h"
#include "datetime/WorkingShade.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Steps = 385;

const char* const Zones[] = {
    "Asia/Tokyo",          "Asia/Riyadh",         "Europe/Berlin",       "America/New_York",
    "America/Los_Angeles", "Europe/London",       "Asia/Kolkata",        "Asia/Tehran",
    "Asia/Jerusalem",      "Australia/Sydney",    "Australia/Lord_Howe", "Asia/Kathmandu",
    "Pacific/Auckland",    "America/Sao_Paulo",   "Africa/Cairo",        "Africa/Lagos",
    "Europe/Moscow",       "Asia/Shanghai",       "Asia/Singapore",      "Asia/Dubai",
    "America/Chicago",     "America/Denver",      "America/Mexico_City", "America/Toronto",
    "Europe/Paris",        "Europe/Madrid",       "Europe/Rome",         "Europe/Helsinki",
    "Europe/Istanbul",     "Asia/Karachi",        "Asia/Dhaka",          "Asia/Bangkok",
    "Asia/Jakarta",        "Asia/Manila",         "Asia/Seoul",          "Asia/Hong_Kong",
    "Australia/Adelaide",  "Australia/Perth",     "Pacific/Honolulu",    "America/Anchorage",
    "America/Santiago",    "America/Bogota",      "America/Lima",        "Atlantic/Reykjavik",
    "Africa/Johannesburg", "Africa/Nairobi",      "Asia/Yangon",         "America/St_Johns",
    "Pacific/Chatham",     "Asia/Kabul",
};
static_assert(std::size(Zones) == 50);

qint64 First()
{
    return QDateTime::fromString(QStringLiteral("2027-03-26T00:00:00Z"), Qt::ISODate).toMSecsSinceEpoch();
}

// Each clock with its offset from the zone's rules.
std::vector<TShadeClock> ZoneClocks(bool RoundTheClock)
{
    std::vector<TShadeClock> Clocks;
    for (const char* Zone : Zones) {
        const QString Id = QString::fromLatin1(Zone);
        auto Offset = std::make_shared<TZoneOffset>(Id);
        const TWorkingHours Hours = RoundTheClock ? TWorkingHours{0, 0, AllWeekDays} : DefaultWorkingHours(Id, 1033);
        Clocks.push_back({[Offset](qint64 UtcMs) { return Offset->SecondsAt(UtcMs); }, Hours});
    }
    return Clocks;
}

// The same clocks, each at its zone's offset at the span's start, held.
std::vector<TShadeClock> ConstantClocks(bool RoundTheClock)
{
    std::vector<TShadeClock> Clocks;
    for (const TShadeClock& Clock : ZoneClocks(RoundTheClock)) {
        const int Seconds = Clock.OffsetSecondsAt(First());
        Clocks.push_back({[Seconds](qint64) { return Seconds; }, Clock.Hours});
    }
    return Clocks;
}

void Shade(benchmark::State& State, const std::vector<TShadeClock>& Clocks)
{
    const qint64 From = First();
    for (auto _ : State) {
        const std::vector<TShade> Shades = WorkingShade(Clocks, From, Steps);
        benchmark::DoNotOptimize(Shades.data());
    }
    State.SetItemsProcessed(State.iterations() * Steps * qint64(Clocks.size())); // clock-steps
}

void BM_ShadeZoneClocks(benchmark::State& State) { Shade(State, ZoneClocks(State.range(0) != 0)); }
void BM_ShadeConstantOffsetClocks(benchmark::State& State) { Shade(State, ConstantClocks(State.range(0) != 0)); }

} // namespace

BENCHMARK(BM_ShadeZoneClocks)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShadeConstantOffsetClocks)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
