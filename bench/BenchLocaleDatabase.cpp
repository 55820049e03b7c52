#include "datetime/TFormatSettings.h"
#include "platform/locale/AltCalendarDate.h"
#include "platform/locale/ILocaleDatabase.h"
#include "platform/locale/TIcuLocaleDatabase.h"

#include <benchmark/benchmark.h>

#include <unicode/datefmt.h>
#include <unicode/smpdtfmt.h>

#include <memory>

// One item of a locale already asked for: what every later caller pays.
static void BM_LocaleInfoCached(benchmark::State& State)
{
    const TIcuLocaleDatabase Db(1033);
    benchmark::DoNotOptimize(Db.GetLocaleInfo(1041, LocaleItem::SSHORTDATE));
    for (auto _ : State)
        benchmark::DoNotOptimize(Db.GetLocaleInfo(1041, LocaleItem::SSHORTDATE));
}
BENCHMARK(BM_LocaleInfoCached);

// The first question about a locale builds all its items from ICU.
static void BM_LocaleInfoFirstLookup(benchmark::State& State)
{
    for (auto _ : State) {
        const TIcuLocaleDatabase Db(1033);
        benchmark::DoNotOptimize(Db.GetLocaleInfo(1041, LocaleItem::SSHORTDATE));
    }
}
BENCHMARK(BM_LocaleInfoFirstLookup);

// Peer: asking ICU directly for the one pattern, without a cache.
static void BM_IcuShortDatePatternDirect(benchmark::State& State)
{
    const icu::Locale Japanese("ja_JP@calendar=gregorian;numbers=latn");
    for (auto _ : State) {
        std::unique_ptr<icu::DateFormat> Format(icu::DateFormat::createDateInstance(icu::DateFormat::kShort, Japanese));
        icu::UnicodeString Pattern;
        static_cast<icu::SimpleDateFormat*>(Format.get())->toPattern(Pattern);
        benchmark::DoNotOptimize(Pattern.length());
    }
}
BENCHMARK(BM_IcuShortDatePatternDirect);

// A whole settings record from a warm database (the properties dialog's cost
// per locale pick).
static void BM_FormatSettingsFromWarmDatabase(benchmark::State& State)
{
    const TIcuLocaleDatabase Db(1033);
    benchmark::DoNotOptimize(TFormatSettings::Create(1041, Db));
    for (auto _ : State)
        benchmark::DoNotOptimize(TFormatSettings::Create(1041, Db));
}
BENCHMARK(BM_FormatSettingsFromWarmDatabase);

// An era name as a clock tick asks for it, answered from the database.
static void BM_EraNameThroughDatabase(benchmark::State& State)
{
    const TIcuLocaleDatabase Db(1041);
    for (auto _ : State)
        benchmark::DoNotOptimize(Db.GetDateFormatAltCalendar(1041, 2026, 1, 5, u"gg"));
}
BENCHMARK(BM_EraNameThroughDatabase);

// Peer: the same era name computed by ICU on every call.
static void BM_EraNameComputedEachTime(benchmark::State& State)
{
    for (auto _ : State)
        benchmark::DoNotOptimize(AltCalendarDate(1041, "ja_JP", 2026, 1, 5, u"gg"));
}
BENCHMARK(BM_EraNameComputedEachTime);

BENCHMARK_MAIN();
