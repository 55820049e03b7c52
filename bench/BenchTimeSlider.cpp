// One step of the time slider with 50 zone clocks open: the key on the
// slider, every clock's lines rendered at the new instant, and the whole
// frame painted. Peer in the same run: the same paint without a step. Run
// with QT_QPA_PLATFORM=offscreen or on a real display.
#include "ShownFrame.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPixmap>
#include <QSlider>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Clocks = 50;

const char* const Zones[] = {"Asia/Tokyo", "America/New_York", "Europe/Berlin", "Australia/Lord_Howe",
                             "Asia/Kathmandu", "America/Sao_Paulo", "Africa/Cairo", "Pacific/Auckland",
                             "Asia/Kolkata", "America/Los_Angeles"};

struct TScene : TShownFrame {
    QSlider* Slider = nullptr;

    TScene() : TShownFrame("TimeSlider=1\r\n")
    {
        for (int i = 0; i < Clocks; ++i) {
            const QString path = Home.filePath(QStringLiteral("clock%1.dat").arg(i));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(QStringLiteral("[NAME]\r\nCaption=Clock %1\r\nTimeZone=%2\r\n\r\n[TIME]\r\nUseFormatList=1\r\n"
                                          "ListFormat=hh:nn\r\n")
                               .arg(i)
                               .arg(QLatin1String(Zones[i % std::size(Zones)]))
                               .toUtf8());
            file.close();
            Frame->OpenClockFile(path);
        }
        Slider = Frame->findChild<QSlider*>(QStringLiteral("TimeSlider"));
        QCoreApplication::processEvents();
    }
};

TScene& Scene()
{
    static TScene Instance;
    return Instance;
}

void Key(QWidget* Target, int Key)
{
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier);
    QCoreApplication::sendEvent(Target, &press);
}

// A quarter hour on and back again, each step rendered and painted.
void BM_SliderStep(benchmark::State& State)
{
    TScene& S = Scene();
    if (!S.Slider) {
        State.SkipWithError("no time slider");
        return;
    }
    int step = 0;
    for (auto _ : State) {
        Key(S.Slider, step++ % 2 ? Qt::Key_Left : Qt::Key_Right);
        benchmark::DoNotOptimize(S.Frame->grab());
    }
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peer: the same paint of the same clocks, without a step.
void BM_PlainPaint(benchmark::State& State)
{
    TScene& S = Scene();
    for (auto _ : State)
        benchmark::DoNotOptimize(S.Frame->grab());
}
BENCHMARK(BM_PlainPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
