// The formatter against its peers on the same strings, in one run: ICU
// SimpleDateFormat, Qt QLocale::toString and strftime from a prepared struct
// tm (which decodes nothing, where RenderDateTime decodes the moment on every
// call). Every heap allocation of the process is counted (malloc and friends
// are interposed), so allocs/op shows what a call costs beyond time. After
// the runs a table gives ns per string and each peer's time as a multiple of
// ours.

#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TCompiledFormat.h"
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
#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

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

void BM_CompiledFormat(benchmark::State& State)
{
    const TCase& c = Cases[State.range(0)];
    const TDateTime moment = Moment();
    TCompiledFormat compiled(c.Ours, Settings());
    QString buffer;
    compiled.Render(buffer, moment); // grow the buffer once
    // The moment moves on by a clock's tick (251 ms), so that the compiled
    // format decodes a new time of day every call, as it does in a clock.
    constexpr double Tick = 251.0 / 86'400'000.0;
    TDateTime now = moment;
    const long long before = Allocations.load();
    for (auto _ : State) {
        compiled.Render(buffer, now);
        benchmark::DoNotOptimize(buffer.constData());
        now += Tick;
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
BENCHMARK(BM_CompiledFormat)->DenseRange(0, CaseCount - 1);
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
            {"TCompiledFormat", TCompiledFormat(c.Ours, Settings()).Render(Moment())},
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
    explicit TRatioReporter(OutputOptions Options) : ConsoleReporter(Options) {}

    void ReportRuns(const std::vector<Run>& Runs) override
    {
        for (const Run& r : Runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                Ns[r.run_name.function_name][r.run_name.args] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(Runs);
    }

    // A benchmark left out by --benchmark_filter shows as "-", not as 0.
    void PrintRatios() const
    {
        const auto find = [this](const std::string& Function, int Case) -> std::optional<double> {
            const auto f = Ns.find(Function);
            if (f == Ns.end())
                return std::nullopt;
            const auto a = f->second.find(std::to_string(Case));
            if (a == f->second.end())
                return std::nullopt;
            return a->second;
        };
        const auto cell = [](std::optional<double> Value, int Width, int Decimals) {
            if (Value)
                std::printf(" %*.*f", Width, Decimals, *Value);
            else
                std::printf(" %*s", Width, "-");
        };
        const auto ratio = [](std::optional<double> Peer, std::optional<double> Ours) -> std::optional<double> {
            if (!Peer || !Ours || *Ours <= 0)
                return std::nullopt;
            return *Peer / *Ours;
        };
        std::printf("\n%-14s %10s %10s %10s %10s %10s %10s | %8s %8s %8s %9s\n", "string", "ours ns", "ours-ret",
                    "compiled", "ICU ns", "Qt ns", "strftime", "ICU/ours", "Qt/ours", "strf/ours", "strf/comp");
        for (int i = 0; i < CaseCount; ++i) {
            const std::optional<double> ours = find("BM_RenderDateTime", i);
            const std::optional<double> icu = find("BM_IcuSimpleDateFormat", i);
            const std::optional<double> qt = find("BM_QtLocaleToString", i);
            const std::optional<double> strf = find("BM_StrftimePreparedTm", i);
            const std::optional<double> compiled = find("BM_CompiledFormat", i);
            std::printf("%-14s", Cases[i].Name);
            cell(ours, 10, 1);
            cell(find("BM_RenderDateTimeReturning", i), 10, 1);
            cell(compiled, 10, 1);
            cell(icu, 10, 1);
            cell(qt, 10, 1);
            cell(strf, 10, 1);
            std::printf(" |");
            cell(ratio(icu, ours), 8, 1);
            cell(ratio(qt, ours), 8, 1);
            cell(ratio(strf, ours), 8, 2);
            cell(ratio(strf, compiled), 9, 2);
            std::printf("\n");
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> Ns;
};

// The library applies --benchmark_color only to the reporter it makes
// itself; a reporter handed in is asked the same way here: "auto" (the
// default) means colour on a terminal, otherwise the value's truth as the
// library reads it.
bool WantsColor(int Argc, char** Argv)
{
    constexpr std::string_view Flag = "--benchmark_color=";
    std::string value = "auto";
    for (int i = 1; i < Argc; ++i) {
        const std::string_view arg(Argv[i]);
        if (arg.substr(0, Flag.size()) == Flag)
            value = std::string(arg.substr(Flag.size()));
    }
    for (char& c : value)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (value == "auto")
        return isatty(fileno(stdout)) != 0;
    if (value.size() == 1)
        return std::isalnum(static_cast<unsigned char>(value[0])) && value != "0" && value != "f" && value != "n";
    return value != "false" && value != "no" && value != "off";
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C"); // strftime's English names
    const bool color = WantsColor(argc, argv); // before Initialize takes the flags out
    benchmark::Initialize(&argc, argv);
    if (!SameTextEverywhere())
        return 1;
    TRatioReporter reporter(color ? benchmark::ConsoleReporter::OO_ColorTabular
                                  : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
