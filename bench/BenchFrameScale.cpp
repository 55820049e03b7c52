// What the frame does with many clocks, with 50 and with 500 of them: each
// figure is reported per clock (per_clock), so a linear operation shows the
// same per-clock figure at both counts and a quadratic one a tenfold one.
// Reopening a saved set of clocks at the frame's first showing, one
// tick of all of them with the repaint it causes, activating the back-most
// clock, switching the visual style, and closing every clock (processor time). Offscreen
// platform, so painting is measured without an X server.

#include "app/MainUnit.h"
#include "app/TDesktopServices.h"
#include "app/TMainForm.h"
#include "widgets/doubles/TMainFormTestAccess.h"
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "platform/TIconCachingStyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

int Argc = 3;
char Arg0[] = "BenchFrameScale";
char Arg1[] = "-platform";
char Arg2[] = "offscreen";
char* Argv[] = {Arg0, Arg1, Arg2, nullptr};

struct TApp {
    QApplication App{Argc, Argv};
    QTemporaryDir Home;
    std::unique_ptr<TDesktopServices> Desktop;
    TApp()
    {
        qputenv("XDG_DATA_HOME", Home.path().toUtf8());
        Desktop = std::make_unique<TDesktopServices>();
        QApplication::setStyle(new TIconCachingStyle(QApplication::style()));
    }
};

TApp& App()
{
    static TApp app;
    return app;
}

// A shown frame, tiled in columns, with Count clocks showing seconds.
std::unique_ptr<TMainForm> Frame(int Count)
{
    auto frame = std::make_unique<TMainForm>(App().Desktop->Frame());
    App().Desktop->MakeDialogs(*frame);
    TMainFormTestAccess::SetSaveDataFiles(*frame, false); // closing writes nothing
    frame->SetCommandLine({});
    frame->setGeometry(0, 0, 1500, 950);
    frame->show();
    QCoreApplication::processEvents();
    QAction& fileNew = FrameAction(*frame, "FileNew1");
    for (int i = 0; i < Count; ++i)
        fileNew.trigger();
    FrameAction(*frame, "VerticalSpread1").trigger();
    const TLineFormat seconds{true, QStringLiteral("hh:nn:ss"), false, {}, QStringLiteral("hh:nn:ss")};
    for (TMDIChild* clock : frame->ClockWindows())
        clock->SetLineFormat(TMDIChild::LineTime, seconds);
    QCoreApplication::processEvents();
    return frame;
}

void PerClock(benchmark::State& State)
{
    State.counters["per_clock"] =
        benchmark::Counter(double(State.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// The saved set of Count clocks (offsets +0000 to +0900, seconds shown),
// reopened at the frame's next showing.
void SaveClockSet(int Count)
{
    const QString folder = GetDataFolder(QStringLiteral("Quorvane"));
    QDir().mkpath(folder);
    QFile ini(GetIniFileName(QStringLiteral("Quorvane")));
    if (!ini.open(QIODevice::WriteOnly))
        return;
    ini.write("[OPTION]\r\nLastTileMode=1\r\n[DATAFILE]\r\n");
    for (int i = 0; i < Count; ++i) {
        const QString path = folder + QStringLiteral("/Clock%1.dat").arg(i);
        QFile dat(path);
        if (dat.open(QIODevice::WriteOnly))
            dat.write(QStringLiteral("[NAME]\r\nCaption=Clock%1\r\nOffset=+0%200\r\n[TIME]\r\n"
                                     "UseFormatList=1\r\nListFormat=hh:nn:ss\r\n")
                          .arg(i)
                          .arg(i % 10)
                          .toUtf8());
        ini.write(QStringLiteral("FileName%1=%2\r\n").arg(i).arg(path).toUtf8());
    }
}

void BM_Reopen(benchmark::State& State)
{
    App();
    SaveClockSet(int(State.range(0)));
    for (auto _ : State) {
        auto frame = std::make_unique<TMainForm>(App().Desktop->Frame());
        State.PauseTiming(); // the dialogs are made once per run, not per clock
        App().Desktop->MakeDialogs(*frame);
        State.ResumeTiming();
        frame->SetCommandLine({});
        frame->setGeometry(0, 0, 1500, 950);
        frame->show();
        QCoreApplication::processEvents(); // the first showing reopens the set
        if (TMainFormTestAccess::MDIChildCount(*frame) != State.range(0))
            State.SkipWithError("the saved set was not reopened");
        State.PauseTiming();
        frame.reset();
        State.ResumeTiming();
    }
    SaveClockSet(0);
    PerClock(State);
}

void BM_Tick(benchmark::State& State)
{
    App();
    auto frame = Frame(int(State.range(0)));
    const QList<TMDIChild*> clocks = frame->ClockWindows();
    for (TMDIChild* clock : clocks)
        clock->Timer1->Stop();
    const TLineFormat forward{true, QStringLiteral("hh:nn:ss"), false, {}, QStringLiteral("hh:nn:ss")};
    const TLineFormat backward{true, QStringLiteral("ss:nn:hh"), false, {}, QStringLiteral("ss:nn:hh")};
    bool even = false;
    for (auto _ : State) {
        // Every tick changes every clock's time line.
        even = !even;
        for (TMDIChild* clock : clocks) {
            clock->SetLineFormat(TMDIChild::LineTime, even ? forward : backward);
            clock->Timer1Timer();
        }
        QCoreApplication::processEvents();
    }
    PerClock(State);
}

void BM_Activate(benchmark::State& State)
{
    App();
    auto frame = Frame(int(State.range(0)));
    for (auto _ : State) {
        TMainFormTestAccess::Area(*frame).setActiveSubWindow(TMainFormTestAccess::SubWindows(*frame).last());
        QCoreApplication::processEvents();
    }
    PerClock(State);
}

void BM_StyleChange(benchmark::State& State)
{
    App();
    auto frame = Frame(int(State.range(0)));
    const QStringList names = App().Desktop->Styles().StyleNames();
    int next = 1;
    for (auto _ : State) {
        App().Desktop->Styles().ActivateStyle(names[next]);
        QCoreApplication::processEvents();
        next = next == 1 ? 2 : 1;
    }
    App().Desktop->Styles().ActivateStyle(names[0]);
    PerClock(State);
}

void BM_Close(benchmark::State& State)
{
    App();
    for (auto _ : State) {
        State.PauseTiming();
        auto frame = Frame(int(State.range(0)));
        State.ResumeTiming();
        for (TMDIChild* clock : frame->ClockWindows())
            clock->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        State.PauseTiming();
        frame.reset();
        State.ResumeTiming();
    }
    PerClock(State);
}

} // namespace

BENCHMARK(BM_Reopen)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_Tick)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Activate)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_StyleChange)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Close)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK_MAIN();
