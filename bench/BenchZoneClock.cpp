// A tick of a clock that follows a time zone against a tick of a
// fixed-offset clock, both reading the system clock, and both again with a
// "now" that stands still (which leaves only the clocks' own work). Each
// reports its heap allocations per tick (counted at malloc). Then the zone
// search over every zone for three-letter prefixes, and building the
// search's catalog once.

#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "datetime/INowSource.h"
#include "datetime/TZoneCatalog.h"
#include "datetime/UnixTime.h"
#include "widgets/doubles/TClockDoubles.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
}

namespace {

bool Counting = false;
long Allocations = 0;

} // namespace

// Every allocation of the process passes here; only those inside a measured
// loop are counted.
extern "C" void* malloc(std::size_t Size)
{
    if (Counting)
        ++Allocations;
    return __libc_malloc(Size);
}

extern "C" void* calloc(std::size_t Count, std::size_t Size)
{
    if (Counting)
        ++Allocations;
    return __libc_calloc(Count, Size);
}

extern "C" void* realloc(void* Block, std::size_t Size)
{
    if (Counting)
        ++Allocations;
    return __libc_realloc(Block, Size);
}

namespace {

// A still "now": 2026-12-10 03:00:00 UTC on a PC in Tokyo.
class TStillNow final : public INowSource {
public:
    TNowReading Reading{QDateTime::fromString(QStringLiteral("2026-12-10T03:00:00Z"), Qt::ISODate)
                            .toMSecsSinceEpoch(),
                        9 * 3600};
    TDateTime Now() const override
    {
        return UnixTime::ToDateTime(Reading.UtcMs + Reading.LocalOffsetSeconds * 1000LL);
    }
    TNowReading Read() const override { return Reading; }
};

int Argc = 1;
char Arg0[] = "BenchZoneClock";
char* Argv[] = {Arg0, nullptr};

QApplication& App()
{
    static QApplication app(Argc, Argv);
    return app;
}

void Tick(benchmark::State& State, const QString& Zone, const INowSource* Now)
{
    App();
    // Null: the PC's clock.
    const auto doubles = Now ? std::make_unique<TClockDoubles>(*Now) : std::make_unique<TClockDoubles>();
    TMDIChild child(doubles->Services());
    child.InitNewClock();
    TClockData data = child.ClockData();
    data.TimeZone = Zone;
    data.OffsetTime = Zone.isEmpty() ? -14 / 24.0 : 0;
    data.TimeFormat.InEffect = QStringLiteral("hh:nn:ss");
    child.SetClockData(data);
    child.Timer1->Stop();
    child.Timer1Timer();
    Allocations = 0;
    Counting = true;
    for (auto _ : State)
        child.Timer1Timer();
    Counting = false;
    State.counters["allocs_per_tick"] =
        benchmark::Counter(double(Allocations), benchmark::Counter::kAvgIterations);
}

void BM_TickFixedOffset(benchmark::State& State) { Tick(State, QString(), nullptr); }
void BM_TickZone(benchmark::State& State) { Tick(State, QStringLiteral("America/New_York"), nullptr); }

void BM_TickFixedOffsetStill(benchmark::State& State)
{
    static const TStillNow Now;
    Tick(State, QString(), &Now);
}

void BM_TickZoneStill(benchmark::State& State)
{
    static const TStillNow Now;
    Tick(State, QStringLiteral("America/New_York"), &Now);
}

TZoneCatalog& Catalog()
{
    static TZoneCatalog catalog(QStringLiteral("ja-JP"));
    return catalog;
}

void BM_ZoneSearchThreeLetters(benchmark::State& State)
{
    TZoneCatalog& catalog = Catalog();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const QString prefixes[] = {QStringLiteral("tok"), QStringLiteral("ber"), QStringLiteral("new"),
                                QStringLiteral("ame"), QStringLiteral("cet"), QStringLiteral("東京")};
    std::size_t i = 0;
    for (auto _ : State) {
        const QList<int> found = catalog.Search(prefixes[i++ % std::size(prefixes)], now);
        benchmark::DoNotOptimize(found.constData());
    }
}

// The search as the dialog runs it on a key press: the matches and the text
// of every row offered.
void BM_ZoneSearchWithRowTexts(benchmark::State& State)
{
    TZoneCatalog& catalog = Catalog();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (auto _ : State) {
        for (const int index : catalog.Search(QStringLiteral("ame"), now))
            benchmark::DoNotOptimize(catalog.RowText(index, now).constData());
    }
}

void BM_ZoneCatalogBuild(benchmark::State& State)
{
    for (auto _ : State) {
        TZoneCatalog catalog(QStringLiteral("ja-JP"));
        benchmark::DoNotOptimize(catalog.Size());
    }
}

} // namespace

BENCHMARK(BM_TickFixedOffset);
BENCHMARK(BM_TickZone);
BENCHMARK(BM_TickFixedOffsetStill);
BENCHMARK(BM_TickZoneStill);
BENCHMARK(BM_ZoneSearchThreeLetters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoneSearchWithRowTexts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoneCatalogBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
