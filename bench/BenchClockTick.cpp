// The clock window's tick against its peers in one run: the tick when the
// lines keep their text (the common case: three ticks of four per second), the
// tick when the time line changes, the bare rendering of both strings into
// reused buffers (the floor), and a naive tick that renders fresh strings and
// hands them to the labels every time.

#include "app/MainUnit.h"
#include "clock/TMDIChild.h"
#include "datetime/INowSource.h"
#include "datetime/RenderDateTime.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

class TSteppingNow final : public INowSource {
public:
    TDateTime Moment = 46027.5;
    TDateTime Now() const override { return Moment; }
};

int Argc = 1;
char Arg0[] = "BenchClockTick";
char* Argv[] = {Arg0, nullptr};

QApplication& App()
{
    static QApplication app(Argc, Argv);
    return app;
}

void BM_TickUnchanged(benchmark::State& State)
{
    App();
    TSteppingNow now;
    TMDIChild child(TClockServices{nullptr, &now, nullptr, nullptr});
    child.InitNewClock();
    child.TimeFormat2 = QStringLiteral("hh:nn:ss");
    for (auto _ : State)
        child.Timer1Timer();
}

void BM_TickChanged(benchmark::State& State)
{
    App();
    TSteppingNow now;
    TMDIChild child(TClockServices{nullptr, &now, nullptr, nullptr});
    child.InitNewClock();
    child.TimeFormat2 = QStringLiteral("hh:nn:ss");
    for (auto _ : State) {
        now.Moment += 1.0 / 86400; // the next second: the time line changes
        child.Timer1Timer();
    }
}

void BM_RenderOnly(benchmark::State& State)
{
    App();
    const TFormatSettings fs = TFormatSettings::Create(DefaultLocaleID);
    const QString dateFormat = fs.ShortDateFormat;
    const QString timeFormat = QStringLiteral("hh:nn:ss");
    QString date, time;
    for (auto _ : State) {
        RenderDateTime(date, dateFormat, 46027.5, fs);
        RenderDateTime(time, timeFormat, 46027.5, fs);
        benchmark::DoNotOptimize(date.constData());
        benchmark::DoNotOptimize(time.constData());
    }
}

void BM_NaiveTick(benchmark::State& State)
{
    App();
    const TFormatSettings fs = TFormatSettings::Create(DefaultLocaleID);
    const QString dateFormat = fs.ShortDateFormat;
    const QString timeFormat = QStringLiteral("hh:nn:ss");
    QLabel date, time;
    for (auto _ : State) {
        date.setText(RenderDateTime(dateFormat, 46027.5, fs));
        time.setText(RenderDateTime(timeFormat, 46027.5, fs));
    }
}

} // namespace

BENCHMARK(BM_TickUnchanged);
BENCHMARK(BM_TickChanged);
BENCHMARK(BM_RenderOnly);
BENCHMARK(BM_NaiveTick);
BENCHMARK_MAIN();
