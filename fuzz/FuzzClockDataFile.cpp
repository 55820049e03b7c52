// Loads arbitrary bytes as a clock data file, writes the clock back and
// loads it again: the second load must give the same clock.
#include "clock/data/ClockDataFile.h"
#include "clock/data/ColorText.h"
#include "common/EPendulorError.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString Folder()
{
    static const QString Path = [] {
        const QString P = QDir::tempPath() + QStringLiteral("/FuzzClockDataFile-%1").arg(::getpid());
        QDir().mkpath(P);
        return P;
    }();
    return Path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QString Input = Folder() + QStringLiteral("/input.dat");
    const QString Output = Folder() + QStringLiteral("/output.dat");
    {
        QFile F(Input);
        if (!F.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        F.write(reinterpret_cast<const char*>(Data), static_cast<qint64>(Size));
    }
    TClockData Clock;
    try {
        ReadClockDataFile(Input, 1033, Clock);
    } catch (const EPendulorError&) {
        return 0; // refused as unreadable
    }
    QFile::remove(Output);
    WriteClockDataFile(Output, Clock, QStringLiteral("+0000"), 45953.5);
    TClockData Back;
    ReadClockDataFile(Output, 1033, Back);
    // Values lose outer blanks and line breaks on writing; compare what survives.
    TClockData Expected = Clock;
    const auto Clean = [](QString& S) {
        S.replace(u'\r', u' ');
        S.replace(u'\n', u' ');
        qsizetype B = 0, E = S.size();
        while (B < E && S.at(B).unicode() <= 0x20) ++B;
        while (E > B && S.at(E - 1).unicode() <= 0x20) --E;
        S = S.mid(B, E - B);
    };
    for (QString* S : {&Expected.Name, &Expected.NameLine.FontName, &Expected.DateLine.FontName,
                       &Expected.TimeLine.FontName, &Expected.DateFormat.InEffect, &Expected.DateFormat.Edit,
                       &Expected.TimeFormat.InEffect, &Expected.TimeFormat.Edit, &Expected.TimeZone})
        Clean(*S);
    Expected.DateFormat.List = Expected.DateFormat.InEffect;
    Expected.TimeFormat.List = Expected.TimeFormat.InEffect;
    for (TLineStyle* L : {&Expected.NameLine, &Expected.DateLine, &Expected.TimeLine}) {
        if (L->FontName.isEmpty())
            L->FontName = TLineStyle().FontName;
        // A value found only at a later twin of a colour name reads back as the first twin.
        L->FontColor = TextToColor(ColorToText(L->FontColor)).value_or(0xDEADBEEF);
    }
    if (!(Back == Expected))
        std::abort();
    return 0;
}
