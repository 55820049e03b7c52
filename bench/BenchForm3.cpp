// The properties dialog's list builds: a rebuild of both sample lists and a
// locale pick, with their two halves (rendering, filling the lists) as peers.
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TZoneCatalogSource.h"
#include "dialogs/Form3Lists.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm3ComboBox.h"
#include "platform/TFontChooser.h"
#include "platform/TWindowSystem.h"
#include "platform/locale/ILocaleDatabase.h"

#include <QApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <memory>

// The benchmarks reach the dialog's lists and controls as its tests do.
struct TForm3Bench {
    // The dialog on the system's services; nothing here opens the help.
    static TForm3Services Services()
    {
        static TSystemNow Now;
        static TFontChooser Fonts;
        static TWindowSystem Screen;
        return {
            .Now = &Now,
            .Conventions = [](LCID Locale) { return TFormatSettings::Create(Locale); },
            .FontChooser = &Fonts,
            .WindowSystem = &Screen,
            .OpenHelp = [](const QString&) {},
            .Zones = std::make_shared<TZoneCatalogSource>(
                [] { return ProcessLocale::Database().GetUserDefaultLocaleName(); }),
        };
    }

    static TForm3& Form()
    {
        static std::unique_ptr<TForm3> Instance = [] {
            auto Made = std::make_unique<TForm3>(Services());
            Made->SelectLocaleRow(1041);
            Made->ComboBoxLang3Click();
            return Made;
        }();
        return *Instance;
    }

    // Both lists: 68 + 26 renders and the two lists refilled.
    static void BM_RebuildBothLists(benchmark::State& State)
    {
        TForm3& F = Form();
        for (auto _ : State) {
            F.RebuildComboBoxDate3();
            F.RebuildComboBoxTime3();
        }
        benchmark::DoNotOptimize(F.ComboBoxDate3->count());
    }

    // The user picks another locale: new conventions, then both rebuilds.
    static void BM_LocaleChange(benchmark::State& State)
    {
        TForm3& F = Form();
        const int Rows[] = {F.SelectLocaleRow(1041), F.SelectLocaleRow(1033), F.SelectLocaleRow(1054),
                            F.SelectLocaleRow(1025)};
        std::size_t Next = 0;
        for (auto _ : State) {
            F.ComboBoxLang3->setCurrentIndex(Rows[Next++ % std::size(Rows)]);
            F.ComboBoxLang3Click();
        }
        benchmark::DoNotOptimize(F.MyLCID3);
    }

    // Peer: the 94 renders alone, with the separator replacement.
    static void BM_RenderSamplesOnly(benchmark::State& State)
    {
        TForm3& F = Form();
        const TFormatSettings Settings = TFormatSettings::Create(1041);
        QString Format;
        for (auto _ : State) {
            for (const QString& Line : F.MemoDate3) {
                Format = Line;
                Format.replace(u'/', Settings.DateSeparator);
                benchmark::DoNotOptimize(RenderDateTime(Format, F.ChildDateTime3, Settings));
            }
            for (const QString& Line : F.MemoTime3) {
                Format = Line;
                Format.replace(u':', Settings.TimeSeparator);
                benchmark::DoNotOptimize(RenderDateTime(Format, F.ChildDateTime3, Settings));
            }
        }
    }

    // Peer: emptying and refilling the two lists with ready texts.
    static void BM_FillListsOnly(benchmark::State& State)
    {
        TForm3& F = Form();
        QStringList Dates;
        QStringList Times;
        for (int i = 0; i < F.ComboBoxDate3->count(); ++i)
            Dates.append(F.ComboBoxDate3->itemText(i));
        for (int i = 0; i < F.ComboBoxTime3->count(); ++i)
            Times.append(F.ComboBoxTime3->itemText(i));
        for (auto _ : State) {
            F.ComboBoxDate3->clear();
            F.ComboBoxDate3->addItems(Dates);
            F.ComboBoxDate3->setCurrentIndex(0);
            F.ComboBoxTime3->clear();
            F.ComboBoxTime3->addItems(Times);
            F.ComboBoxTime3->setCurrentIndex(0);
        }
    }
};

namespace {

BENCHMARK(TForm3Bench::BM_RebuildBothLists)->Name("BM_RebuildBothLists")->Unit(benchmark::kMicrosecond);
BENCHMARK(TForm3Bench::BM_LocaleChange)->Name("BM_LocaleChange")->Unit(benchmark::kMicrosecond);
BENCHMARK(TForm3Bench::BM_RenderSamplesOnly)->Name("BM_RenderSamplesOnly")->Unit(benchmark::kMicrosecond);
BENCHMARK(TForm3Bench::BM_FillListsOnly)->Name("BM_FillListsOnly")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
