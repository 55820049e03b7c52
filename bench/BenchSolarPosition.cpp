// Day and night for the clocks: whether the sun is up at 50 clocks' places
// against one zone offset look-up per clock (what a clock already pays each
// minute), the next change and a day's sunrise and sunset; then the clock
// place table: building it, its memory, and a look-up.
#include "datetime/GeonamesCities.h"
#include "datetime/SolarPosition.h"
#include "datetime/TZoneOffset.h"
#include "datetime/TzLinks.h"
#include "datetime/ZonePlace.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <vector>

namespace {

constexpr int Clocks = 50;
constexpr qint64 MinuteMs = 60000;

const qint64 Start = QDateTime::fromString(QStringLiteral("2026-12-10T03:00:00Z"), Qt::ISODate).toMSecsSinceEpoch();

const QString Zones[] = {
    QStringLiteral("Asia/Tokyo"),       QStringLiteral("America/New_York"), QStringLiteral("Europe/Berlin"),
    QStringLiteral("Asia/Kolkata"),     QStringLiteral("Australia/Sydney"), QStringLiteral("America/Sao_Paulo"),
    QStringLiteral("Atlantic/Reykjavik"), QStringLiteral("Europe/Oslo"),    QStringLiteral("Africa/Nairobi"),
    QStringLiteral("Pacific/Auckland")};

std::vector<TGeoPlace> Places()
{
    std::vector<TGeoPlace> P;
    for (int i = 0; i < Clocks; ++i)
        P.push_back(ZonePrincipalPlace(Zones[i % std::size(Zones)]).value_or(TGeoPlace{}));
    return P;
}

// One minute of 50 clocks: each asks whether the sun is up.
void BM_IsSunUp50(benchmark::State& State)
{
    const std::vector<TGeoPlace> P = Places();
    qint64 Now = Start;
    for (auto _ : State) {
        for (const TGeoPlace& Place : P)
            benchmark::DoNotOptimize(IsSunUp(Place, Now));
        Now += MinuteMs;
    }
    State.SetItemsProcessed(State.iterations() * Clocks);
}

// The peer: one minute of 50 clocks each asking its zone's offset.
void BM_ZoneOffset50(benchmark::State& State)
{
    std::vector<TZoneOffset> Offsets;
    for (int i = 0; i < Clocks; ++i)
        Offsets.emplace_back(Zones[i % std::size(Zones)]);
    qint64 Now = Start;
    for (auto _ : State) {
        for (TZoneOffset& Offset : Offsets)
            benchmark::DoNotOptimize(Offset.SecondsAt(Now));
        Now += MinuteMs;
    }
    State.SetItemsProcessed(State.iterations() * Clocks);
}

// A clock arming its wake-up for the next change of its mark.
void BM_NextSunChange(benchmark::State& State)
{
    const std::vector<TGeoPlace> P = Places();
    qint64 Now = Start;
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(NextSunChange(P[i++ % P.size()], Now));
        Now += 17 * MinuteMs;
    }
}

void BM_SunDay(benchmark::State& State)
{
    const std::vector<TGeoPlace> P = Places();
    QDate Day(2026, 1, 1);
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(SunDay(P[i++ % P.size()], Day, 3600));
        Day = Day.addDays(1);
    }
}

QString Language(int Arg)
{
    return Arg ? QStringLiteral("ja-JP") : QStringLiteral("en-US");
}

// Reading libgeonames and building the table from it, as ClockPlace's first
// call does.
void BM_PlaceTableBuild(benchmark::State& State)
{
    const QHash<QString, QString> Links = SystemTzLinks();
    for (auto _ : State) {
        const TCityPlaces Table(ReadGeonamesCities(Language(int(State.range(0)))), Links);
        benchmark::DoNotOptimize(Table.Names());
    }
    State.SetLabel(Language(int(State.range(0))).toStdString());
}

// Heap in use, with the blocks malloc maps on their own (large arrays).
std::size_t HeapInUse()
{
    const struct mallinfo2 Info = mallinfo2();
    return Info.uordblks + Info.hblkhd;
}

// The heap the table keeps once the cities it was built from are gone.
void BM_PlaceTableMemory(benchmark::State& State)
{
    const QHash<QString, QString> Links = SystemTzLinks();
    double Heap = 0;
    double Names = 0;
    // libgeonames and GLib keep what their first use sets up.
    benchmark::DoNotOptimize(ReadGeonamesCities(Language(int(State.range(0)))).size());
    for (auto _ : State) {
        malloc_trim(0);
        const std::size_t Before = HeapInUse();
        auto Table = std::make_unique<TCityPlaces>(ReadGeonamesCities(Language(int(State.range(0)))), Links);
        Heap = double(HeapInUse() - Before) / (1024 * 1024);
        Names = double(Table->Names());
        benchmark::DoNotOptimize(Table.get());
    }
    State.counters["heap_MiB"] = Heap;
    State.counters["names"] = Names;
    State.SetLabel(Language(int(State.range(0))).toStdString());
}

void BM_ClockPlace(benchmark::State& State)
{
    benchmark::DoNotOptimize(ClockPlace(QStringLiteral("Delhi"), QStringLiteral("Asia/Kolkata"))); // the table, once
    const QString Names[] = {QStringLiteral("Delhi"), QStringLiteral("Office"), QStringLiteral("springfield")};
    const QString ZonesOf[] = {QStringLiteral("Asia/Kolkata"), QStringLiteral("Asia/Tokyo"),
                               QStringLiteral("America/Chicago")};
    std::size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(ClockPlace(Names[i % 3], ZonesOf[i % 3]));
        ++i;
    }
}

} // namespace

BENCHMARK(BM_PlaceTableMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsSunUp50)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ZoneOffset50)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_NextSunChange)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SunDay)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlaceTableBuild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ClockPlace)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
