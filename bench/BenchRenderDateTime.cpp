// The formatter against its peers on the same strings, in one run: ICU
// SimpleDateFormat, Qt QLocale::toString and strftime from a prepared struct
// tm (which decodes nothing, where RenderDateTime decodes the moment on every
// call). Every heap allocation of the process is counted (malloc and friends
// are interposed), so allocs/op shows what a call costs beyond time. After
// the runs a table gives ns per string and each peer's time as a multiple of
// ours.

#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"
#include "platform/locale/ILocaleDatabase.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <benchmark/benchmark.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <atomic>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

// ---- allocation counting -------------------------------------------------

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {
std::atomic<long long> Allocations{0};
}

extern "C" {
void* malloc(size_t Size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(Size);
}
void* calloc(size_t Count, size_t Size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(Count, Size);
}
void* realloc(void* Pointer, size_t Size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(Pointer, Size);
}
void* memalign(size_t Alignment, size_t Size)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(Alignment, Size);
}
void* aligned_alloc(size_t Alignment, size_t Size) { return memalign(Alignment, Size); }
int posix_memalign(void** Out, size_t Alignment, size_t Size)
{
    void* p = memalign(Alignment, Size);
    if (!p)
        return 12; // ENOMEM
    *Out = p;
    return 0;
}
void free(void* Pointer) { __libc_free(Pointer); }
}

namespace {

// ---- the strings ---------------------------------------------------------

struct TCase {
    const char* Name;
    const char16_t* Ours;
    const char* Icu;
    const char* Qt;
    const char* Strftime;
    bool Milliseconds; // strftime has none: three digits are appended by hand
    const char* Expected;
};

const TCase Cases[] = {
    {"numeric", u"yyyy/mm/dd hh:nn:ss", "yyyy/MM/dd HH:mm:ss", "yyyy/MM/dd HH:mm:ss", "%Y/%m/%d %H:%M:%S", false,
     "2026/01/05 13:07:09"},
    {"long date", u"dddd, mmmm d, yyyy", "EEEE, MMMM d, y", "dddd, MMMM d, yyyy", "%A, %B %-d, %Y", false,
     "Monday, January 5, 2026"},
    {"12-hour", u"h:nn:ss AMPM", "h:mm:ss a", "h:mm:ss AP", "%-I:%M:%S %p", false, "1:07:09 PM"},
    {"names and ms", u"ddd, mmm d yyyy hh:nn:ss.zzz", "EEE, MMM d y HH:mm:ss.SSS", "ddd, MMM d yyyy HH:mm:ss.zzz",
     "%a, %b %-d %Y %H:%M:%S", true, "Mon, Jan 5 2026 13:07:09.045"},
};
constexpr int CaseCount = int(sizeof Cases / sizeof Cases[0]);

const QDate Day(2026, 1, 5);
const QTime TimeOfDay(13, 7, 9, 45);

TDateTime Moment()
{
    return double(QDate(1899, 12, 30).daysTo(Day)) + double(TimeOfDay.msecsSinceStartOfDay()) / 86400000.0;
}

const TFormatSettings& Settings()
{
    static const TFormatSettings fs = [] {
        TFormatSettings s;
        s.TimeAMString = QStringLiteral("AM");
        s.TimePMString = QStringLiteral("PM");
        return s;
    }();
    return fs;
}

std::tm PreparedTm()
{
    std::tm tm{};
    tm.tm_year = Day.year() - 1900;
    tm.tm_mon = Day.month() - 1;
    tm.tm_mday = Day.day();
    tm.tm_wday = Day.dayOfWeek() % 7;
    tm.tm_yday = Day.dayOfYear() - 1;
    tm.tm_hour = TimeOfDay.hour();
    tm.tm_min = TimeOfDay.minute();
    tm.tm_sec = TimeOfDay.second();
    return tm;
}

size_t Strftime(char* Out, size_t Size, const TCase& C, const std::tm& Tm, int Ms)
{
    size_t n = std::strftime(Out, Size, C.Strftime, &Tm);
    if (C.Milliseconds && n + 5 <= Size) {
        Out[n++] = '.';
        Out[n++] = char('0' + Ms / 100);
        Out[n++] = char('0' + Ms / 10 % 10);
        Out[n++] = char('0' + Ms % 10);
        Out[n] = 0;
    }
    return n;
}

icu::SimpleDateFormat* IcuFormatter(const TCase& C)
{
    UErrorCode status = U_ZERO_ERROR;
    auto* f = new icu::SimpleDateFormat(icu::UnicodeString::fromUTF8(C.Icu), icu::Locale("en_US"), status);
    f->setTimeZone(*icu::TimeZone::getGMT());
    return U_SUCCESS(status) ? f : nullptr;
}

UDate IcuMoment() { return double(QDateTime(Day, TimeOfDay, QTimeZone::utc()).toMSecsSinceEpoch()); }

QString FromIcu(const icu::UnicodeString& U)
{
    return QString(reinterpret_cast<const QChar*>(U.getBuffer()), U.length());
}

const QLocale& EnglishUs()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

void ReportAllocations(benchmark::State& State, long long Before)
{
    State.counters["allocs/op"] = benchmark::Counter(double(Allocations.load() - Before) / double(State.iterations()));
}

// ---- benchmarks ----------------------------------------------------------

void BM_RenderDateTime(benchmark::State& State)
{
    const TCase& c = Cases[State.range(0)];
    const TDateTime moment = Moment();
    const QStringView format(c.Ours);
    const TFormatSettings& settings = Settings();
    QString buffer;
    RenderDateTime(buffer, format, moment, settings); // grow the buffer once
    const long long before = Allocations.load();
    for (auto _ : State) {
        RenderDateTime(buffer, format, moment, settings);
        benchmark::DoNotOptimize(buffer.constData());
    }
    ReportAllocations(State, before);
    State.SetLabel(c.Name);
}

void BM_RenderDateTimeReturning(benchmark::State& State)
{
    const TCase& c = Cases[State.range(0)];
    const TDateTime moment = Moment();
    const QStringView format(c.Ours);
    const TFormatSettings& settings = Settings();
    const long long before = Allocations.load();
    for (auto _ : State) {
        QString out = RenderDateTime(format, moment, settings);
        benchmark::DoNotOptimize(out.constData());
    }
    ReportAllocations(State, before);
    State.SetLabel(c.Name);
}

void BM_IcuSimpleDateFormat(benchmark::State& State)
{
    const TCase& c = Cases[State.range(0)];
    std::unique_ptr<icu::SimpleDateFormat> f(IcuFormatter(c));
    const UDate moment = IcuMoment();
    icu::UnicodeString out;
    f->format(moment, out);
    const long long before = Allocations.load();
    for (auto _ : State) {
        out.remove();
        f->format(moment, out);
        benchmark::DoNotOptimize(out.getBuffer());
    }
    ReportAllocations(State, before);
    State.SetLabel(c.Name);
}

void BM_QtLocaleToString(benchmark::State& State)
{
    const TCase& c = Cases[State.range(0)];
    const QDateTime moment(Day, TimeOfDay, QTimeZone::utc());
    const QString format = QString::fromLatin1(c.Qt);
    const long long before = Allocations.load();
    for (auto _ : State) {
        QString out = EnglishUs().toString(moment, format);
        benchmark::DoNotOptimize(out.constData());
    }
    ReportAllocations(State, before);
    State.SetLabel(c.Name);
}

void BM_StrftimePreparedTm(benchmark::State& State)
{
    const TCase& c = Cases[State.range(0)];
    const std::tm tm = PreparedTm();
    char out[128];
    const long long before = Allocations.load();
    for (auto _ : State) {
        benchmark::DoNotOptimize(Strftime(out, sizeof out, c, tm, TimeOfDay.msec()));
        benchmark::ClobberMemory();
    }
    ReportAllocations(State, before);
    State.SetLabel(c.Name);
}

void BM_FormatSettingsCreateCached(benchmark::State& State)
{
    TFormatSettings::Create(1041); // fills the cache
    const long long before = Allocations.load();
    for (auto _ : State) {
        TFormatSettings fs = TFormatSettings::Create(1041);
        benchmark::DoNotOptimize(fs.ShortDateFormat.constData());
    }
    ReportAllocations(State, before);
}

void BM_FormatSettingsCreateUncached(benchmark::State& State)
{
    const ILocaleDatabase& db = ProcessLocale::Database();
    TFormatSettings::Create(1041, db); // the database's own per-identifier cache
    const long long before = Allocations.load();
    for (auto _ : State) {
        TFormatSettings fs = TFormatSettings::Create(1041, db);
        benchmark::DoNotOptimize(fs.ShortDateFormat.constData());
    }
    ReportAllocations(State, before);
}

BENCHMARK(BM_RenderDateTime)->DenseRange(0, CaseCount - 1);
BENCHMARK(BM_RenderDateTimeReturning)->DenseRange(0, CaseCount - 1);
BENCHMARK(BM_IcuSimpleDateFormat)->DenseRange(0, CaseCount - 1);
BENCHMARK(BM_QtLocaleToString)->DenseRange(0, CaseCount - 1);
BENCHMARK(BM_StrftimePreparedTm)->DenseRange(0, CaseCount - 1);
BENCHMARK(BM_FormatSettingsCreateCached);
BENCHMARK(BM_FormatSettingsCreateUncached);

// Every formatter must produce the same text, or the timings compare nothing.
bool SameTextEverywhere()
{
    bool ok = true;
    const std::tm tm = PreparedTm();
    const QDateTime qtMoment(Day, TimeOfDay, QTimeZone::utc());
    for (const TCase& c : Cases) {
        const QString expected = QString::fromUtf8(c.Expected);
        char buffer[128];
        Strftime(buffer, sizeof buffer, c, tm, TimeOfDay.msec());
        std::unique_ptr<icu::SimpleDateFormat> f(IcuFormatter(c));
        icu::UnicodeString icuOut;
        if (f)
            f->format(IcuMoment(), icuOut);
        const std::pair<const char*, QString> outputs[] = {
            {"RenderDateTime", RenderDateTime(c.Ours, Moment(), Settings())},
            {"ICU", FromIcu(icuOut)},
            {"Qt", EnglishUs().toString(qtMoment, QString::fromLatin1(c.Qt))},
            {"strftime", QString::fromUtf8(buffer)},
        };
        for (const auto& [who, text] : outputs) {
            if (text != expected) {
                std::fprintf(stderr, "%s renders \"%s\" as \"%s\", expected \"%s\"\n", who, c.Name,
                             text.toUtf8().constData(), c.Expected);
                ok = false;
            }
        }
    }
    return ok;
}

// Collects the timings so that the ratios can be printed after the runs. CPU
// time: the build machines are shared, and wall time counts the neighbours.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override
    {
        for (const Run& r : Runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                Ns[r.run_name.function_name][r.run_name.args] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(Runs);
    }

    void PrintRatios() const
    {
        const auto find = [this](const std::string& Function, int Case) {
            const auto f = Ns.find(Function);
            if (f == Ns.end())
                return 0.0;
            const auto a = f->second.find(std::to_string(Case));
            return a == f->second.end() ? 0.0 : a->second;
        };
        std::printf("\n%-14s %10s %10s %10s %10s %10s | %8s %8s %8s\n", "string", "ours ns", "ours-ret",
                    "ICU ns", "Qt ns", "strftime", "ICU/ours", "Qt/ours", "strf/ours");
        for (int i = 0; i < CaseCount; ++i) {
            const double ours = find("BM_RenderDateTime", i);
            const double icu = find("BM_IcuSimpleDateFormat", i);
            const double qt = find("BM_QtLocaleToString", i);
            const double strf = find("BM_StrftimePreparedTm", i);
            std::printf("%-14s %10.1f %10.1f %10.1f %10.1f %10.1f | %8.1f %8.1f %8.2f\n", Cases[i].Name, ours,
                        find("BM_RenderDateTimeReturning", i), icu, qt, strf, ours > 0 ? icu / ours : 0,
                        ours > 0 ? qt / ours : 0, ours > 0 ? strf / ours : 0);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> Ns;
};

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C"); // strftime's English names
    benchmark::Initialize(&argc, argv);
    if (!SameTextEverywhere())
        return 1;
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
