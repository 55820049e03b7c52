// The city catalog against the zones-only catalog (the zone search before
// cities), in one run: building it, one keystroke's search, the rows a
// keystroke shows, and the memory the cities add.
#include "datetime/GeonamesCities.h"
#include "datetime/TZoneCatalog.h"

#include <QDateTime>
#include <QFile>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <vector>

namespace {

const QString Language = QStringLiteral("ja-JP");
const std::vector<TGeonamesCity> NoCities;

// What a user types, one key after another.
const QString Keystrokes[] = {
    QStringLiteral("d"), QStringLiteral("de"), QStringLiteral("del"), QStringLiteral("delh"), QStringLiteral("delhi"),
    QStringLiteral("s"), QStringLiteral("sa"), QStringLiteral("san"), QStringLiteral("san f"), QStringLiteral("ch"),
    QStringLiteral("chin"), QStringLiteral("china"), QStringLiteral("e"), QStringLiteral("es"), QStringLiteral("est"),
    QStringLiteral("東"), QStringLiteral("東京"), QStringLiteral("kiev"), QStringLiteral("são p"), QStringLiteral("x")};

std::unique_ptr<TZoneCatalog> Make(bool Cities)
{
    return Cities ? std::make_unique<TZoneCatalog>(Language) : std::make_unique<TZoneCatalog>(Language, NoCities);
}

TZoneCatalog& Shared(bool Cities)
{
    static std::unique_ptr<TZoneCatalog> Catalogs[2];
    if (!Catalogs[Cities])
        Catalogs[Cities] = Make(Cities);
    return *Catalogs[Cities];
}

void BM_Build(benchmark::State& State)
{
    const bool Cities = State.range(0) != 0;
    for (auto _ : State) {
        const auto Catalog = Make(Cities);
        benchmark::DoNotOptimize(Catalog->Entries());
    }
    State.SetLabel(Cities ? "zones and cities" : "zones only");
}

// The part of a build that reads libgeonames and its translations.
void BM_ReadCities(benchmark::State& State)
{
    for (auto _ : State) {
        const std::vector<TGeonamesCity> Cities = ReadGeonamesCities(Language);
        benchmark::DoNotOptimize(Cities.data());
    }
}

void BM_Keystroke(benchmark::State& State)
{
    TZoneCatalog& Catalog = Shared(State.range(0) != 0);
    const qint64 Now = QDateTime::currentMSecsSinceEpoch();
    std::size_t i = 0;
    for (auto _ : State) {
        const QList<int> Found = Catalog.Search(Keystrokes[i++ % std::size(Keystrokes)], Now);
        benchmark::DoNotOptimize(Found.constData());
    }
    State.SetLabel(State.range(0) ? "zones and cities" : "zones only");
}

// The search as the field runs it: the matches and the text of the rows it
// lists (at most 300).
void BM_KeystrokeWithRows(benchmark::State& State)
{
    TZoneCatalog& Catalog = Shared(State.range(0) != 0);
    const qint64 Now = QDateTime::currentMSecsSinceEpoch();
    std::size_t i = 0;
    for (auto _ : State) {
        for (const int Index : Catalog.Search(Keystrokes[i++ % std::size(Keystrokes)], Now).mid(0, 300))
            benchmark::DoNotOptimize(Catalog.RowText(Index, Now).constData());
    }
    State.SetLabel(State.range(0) ? "zones and cities" : "zones only");
}

long ResidentKiB()
{
    QFile Status(QStringLiteral("/proc/self/statm"));
    if (!Status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> Fields = Status.readAll().split(' ');
    return Fields.size() > 1 ? Fields[1].toLong() * 4 : 0; // pages of 4 KiB
}

// Resident memory and heap in use after building a catalog, less before;
// the catalog stays alive while measured.
void BM_MemoryAdded(benchmark::State& State)
{
    const bool Cities = State.range(0) != 0;
    double Resident = 0;
    double Heap = 0;
    for (auto _ : State) {
        malloc_trim(0);
        const long ResidentBefore = ResidentKiB();
        const std::size_t HeapBefore = mallinfo2().uordblks;
        const auto Catalog = Make(Cities);
        Resident = double(ResidentKiB() - ResidentBefore) / 1024;
        Heap = double(mallinfo2().uordblks - HeapBefore) / (1024 * 1024);
        benchmark::DoNotOptimize(Catalog->Entries());
    }
    State.counters["resident_MiB"] = Resident;
    State.counters["heap_MiB"] = Heap;
    State.SetLabel(Cities ? "zones and cities" : "zones only");
}

} // namespace

// Memory first, before the shared catalogs of the searches exist.
BENCHMARK(BM_MemoryAdded)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Build)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadCities)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_Keystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeWithRows)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
