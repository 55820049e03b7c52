// Switching the style from the style dialog with 50 clocks open: from the
// pick in the list to every window repainted. Peer in the same run: Qt's own
// application palette change over the same windows (what any palette-based
// theme switch costs at least). Run with QT_QPA_PLATFORM=offscreen or on a
// real display.
#include "ShownFrame.h"
#include "clock/TMDIChild.h"
#include "dialogs/TForm4.h"
#include "platform/StyleTable.h"
#include "platform/TStyleService.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Clocks = 50;

// Counts the paints of the clock windows (caption and frame), to show every window redrew.
class TPaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

struct TScene : TShownFrame {
    TForm4* Dialog = nullptr; // the frame's
    TPaintCounter Counter;

    TScene()
    {
        for (int i = 0; i < Clocks; ++i)
            Frame->OpenClockFile(QString());
        Frame->findChild<QAction*>(QStringLiteral("Cascade1"))->trigger(); // Window > Cascade
        for (TMDIChild* clock : Frame->ClockWindows())
            clock->installEventFilter(&Counter);
        Dialog = Form4;
        QStringList names = Desktop->Styles().StyleNames();
        Dialog->FillStyleList(names);
        Dialog->SelectStyle(Desktop->Styles().ActiveStyleName());
        Dialog->show();
        QCoreApplication::processEvents();
    }
};

TScene& Scene()
{
    static TScene Instance;
    return Instance;
}

void ReportPaints(benchmark::State& State, int Before)
{
    State.counters["paints/switch"] =
        benchmark::Counter(double(Scene().Counter.Paints - Before) / double(State.iterations()));
}

// Down the list one row per pick, as the arrow keys go.
void BM_PickNextStyle(benchmark::State& State)
{
    TScene& S = Scene();
    QListWidget* list = S.Dialog->ListBox4;
    int row = list->currentRow();
    const int before = S.Counter.Paints;
    for (auto _ : State) {
        row = (row + 1) % list->count();
        list->setCurrentRow(row); // runs ListBox4Click: activate, then process the repaints
    }
    ReportPaints(State, before);
}
BENCHMARK(BM_PickNextStyle)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worst step: in and out of the roomier family, every widget measured anew.
void BM_PickRoomierAndBack(benchmark::State& State)
{
    TScene& S = Scene();
    QListWidget* list = S.Dialog->ListBox4;
    const int rows[] = {list->row(list->findItems(QStringLiteral("Tablet Light"), Qt::MatchExactly).first()),
                        list->row(list->findItems(QStringLiteral("Windows10"), Qt::MatchExactly).first())};
    std::size_t next = 0;
    const int before = S.Counter.Paints;
    for (auto _ : State)
        list->setCurrentRow(rows[next++ % 2]);
    ReportPaints(State, before);
}
BENCHMARK(BM_PickRoomierAndBack)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peer: the same walk as bare application palettes, repaints processed.
void BM_QtPaletteChange(benchmark::State& State)
{
    TScene& S = Scene();
    std::vector<QPalette> palettes;
    for (const TStyleDefinition& style : StyleDefinitions())
        palettes.push_back(StylePalette(style));
    std::size_t next = 0;
    const int before = S.Counter.Paints;
    for (auto _ : State) {
        QApplication::setPalette(palettes[next++ % palettes.size()]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
        QCoreApplication::processEvents();
    }
    ReportPaints(State, before);
}
BENCHMARK(BM_QtPaletteChange)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Scene();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
