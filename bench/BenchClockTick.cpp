// The clock window's tick against its peers in one run: the tick when the
// lines keep their text (a clock ticked along with others), the
// tick when the time line changes, the bare rendering of both strings into
// reused buffers (the floor), and a naive tick that renders fresh strings and
// hands them to the labels every time.
// Making a clock window against a bare sub-window of the same size with a
// plain widget inside: both are added to a shown MDI area, shown, laid out and
// destroyed again. The changed tick is also measured with the events it causes
// (layout requests, repaint) processed, on a shown window.

#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "widgets/doubles/TClockDoubles.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class TSteppingNow final : public INowSource {
public:
    TDateTime Moment = 46027.5;
    TDateTime Now() const override { return Moment; }
};

void UseSeconds(TMDIChild& Child)
{
    TClockData data = Child.ClockData();
    data.TimeFormat.InEffect = QStringLiteral("hh:nn:ss");
    Child.SetClockData(data);
}

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
    TClockDoubles doubles(now);
    TMDIChild child(doubles.Services());
    child.InitNewClock();
    UseSeconds(child);
    for (auto _ : State)
        child.Timer1Timer();
}

void BM_TickChanged(benchmark::State& State)
{
    App();
    TSteppingNow now;
    TClockDoubles doubles(now);
    TMDIChild child(doubles.Services());
    child.InitNewClock();
    UseSeconds(child);
    for (auto _ : State) {
        now.Moment += 1.0 / 86400; // the next second: the time line changes
        child.Timer1Timer();
    }
}

void BM_RenderOnly(benchmark::State& State)
{
    App();
    // The conventions the clocks above render in: those of a clock on its own.
    const TFormatSettings fs = TFormatSettings::Create(ProcessLocale::Identifier());
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
    const TFormatSettings fs = TFormatSettings::Create(ProcessLocale::Identifier());
    const QString dateFormat = fs.ShortDateFormat;
    const QString timeFormat = QStringLiteral("hh:nn:ss");
    QLabel date, time;
    for (auto _ : State) {
        date.setText(RenderDateTime(dateFormat, 46027.5, fs));
        time.setText(RenderDateTime(timeFormat, 46027.5, fs));
    }
}

QMdiArea& Area()
{
    App();
    static QMdiArea area;
    if (!area.isVisible()) {
        area.resize(1200, 900);
        area.show();
        QCoreApplication::processEvents();
    }
    return area;
}

void BM_MakeClock(benchmark::State& State)
{
    QMdiArea& area = Area();
    TSteppingNow now;
    TClockDoubles doubles(now);
    for (auto _ : State) {
        TClockTicker ticker(&now); // made and gone with the clock, as its own would be
        auto* child = new TMDIChild(doubles.Services(ticker));
        area.addSubWindow(child);
        child->show();
        child->InitNewClock();
        child->Timer1Timer();
        QCoreApplication::processEvents();
        delete child;
    }
}

void BM_MakeBareSubWindow(benchmark::State& State)
{
    QMdiArea& area = Area();
    for (auto _ : State) {
        auto* child = new QMdiSubWindow;
        child->setWidget(new QWidget);
        child->resize(TMDIChild::InitialClientSize + QSize(4, 18));
        area.addSubWindow(child);
        child->show();
        QCoreApplication::processEvents();
        delete child;
    }
}

void BM_TickChangedShown(benchmark::State& State)
{
    QMdiArea& area = Area();
    TSteppingNow now;
    TClockDoubles doubles(now);
    auto* child = new TMDIChild(doubles.Services());
    area.addSubWindow(child);
    child->show();
    child->InitNewClock();
    UseSeconds(*child);
    QCoreApplication::processEvents();
    for (auto _ : State) {
        now.Moment += 1.0 / 86400;
        child->Timer1Timer();
        QCoreApplication::processEvents();
    }
    delete child;
}

// One wake-up of a ticker with 50 clocks, 5 of them showing seconds and 45
// minutes only, a second apart: ticking every clock at each wake-up against
// ticking only the clocks whose change has come.
class TManualWake final : public IWakeTimer {
public:
    void ArmAt(qint64 DeadlineUtcMs, qint64) override { Deadline = DeadlineUtcMs; }
    void Disarm() override {}
    bool IsArmed() const override { return true; }
    void Fire() { Wake(TWakeReason::Deadline); }
    qint64 Deadline = 0;
};

void WakeFifty(benchmark::State& State, bool Every)
{
    App();
    TSteppingNow now;
    auto owned = std::make_unique<TManualWake>();
    TManualWake& wake = *owned;
    TClockTicker ticker(&now, std::move(owned));
    TClockDoubles doubles(now);
    std::vector<std::unique_ptr<TMDIChild>> clocks;
    for (int i = 0; i < 50; ++i) {
        clocks.push_back(std::make_unique<TMDIChild>(doubles.Services(ticker)));
        clocks.back()->InitNewClock();
        if (i % 10 == 0)
            UseSeconds(*clocks.back());
    }
    ticker.Tick();
    for (auto _ : State) {
        now.Moment += 1.0 / 86400;
        if (Every)
            ticker.Tick();
        else
            wake.Fire();
    }
}

void BM_WakeTickEveryClock(benchmark::State& State) { WakeFifty(State, true); }
void BM_WakeTickDueClocks(benchmark::State& State) { WakeFifty(State, false); }

} // namespace

BENCHMARK(BM_WakeTickEveryClock);
BENCHMARK(BM_WakeTickDueClocks);
BENCHMARK(BM_MakeClock);
BENCHMARK(BM_MakeBareSubWindow);
BENCHMARK(BM_TickChangedShown);
BENCHMARK(BM_TickUnchanged);
BENCHMARK(BM_TickChanged);
BENCHMARK(BM_RenderOnly);
BENCHMARK(BM_NaiveTick);
BENCHMARK_MAIN();
