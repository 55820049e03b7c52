// Reads arbitrary bytes as a clock data file, in memory: the bytes are
// decoded as the file reader does, the clock is written back, encoded, read
// again, and the second read must give the same clock.
#include "clock/data/ClockDataFile.h"
#include "clock/data/ColorText.h"
#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "common/Trimmed.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Path = QStringLiteral("/fuzz/clock.dat");
constexpr LCID CodePageLocale = 1041; // double-byte: more to get wrong than 1252

// The file's bytes as the file reader parses them.
TIniFile Parse(const QByteArray& Bytes)
{
    const TTextEncoding Encoding = TTextEncoding::Detect(Bytes, CodePageLocale);
    return TIniFile::FromText(Path, Encoding.Decode(Bytes), Encoding);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray Bytes(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
    TClockData Clock;
    try {
        ReadClockData(Parse(Bytes), 1033, Clock);
    } catch (const EPendulorError&) {
        return 0; // refused as undecodable
    }
    // Written as WriteClockDataFile does: the encoding of the file read kept.
    TIniFile Written = TIniFile::FromText(Path, QStringView(), TTextEncoding::Detect(Bytes, CodePageLocale));
    WriteClockData(Written, Clock, QStringLiteral("+0000"), 45953.5);
    TClockData Back;
    ReadClockData(Parse(Written.Encoding().Encode(Written.Text())), 1033, Back);

    // Values lose outer blanks and line breaks on writing; compare what survives.
    TClockData Expected = Clock;
    const auto Clean = [](QString& S) {
        S.replace(u'\r', u' ');
        S.replace(u'\n', u' ');
        S = Trimmed(S).toString();
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
    if (!(Back == Expected)) {
        if (std::getenv("FUZZ_EXPLAIN")) // what differs, for a person reading a crash
            std::fprintf(stderr, "written:\n%s\nname %s | %s\nlocale %u | %u\ndate %s | %s\ntime %s | %s\n",
                         qPrintable(Written.Text()), qPrintable(Back.Name), qPrintable(Expected.Name),
                         Back.LocaleID, Expected.LocaleID, qPrintable(Back.DateFormat.InEffect),
                         qPrintable(Expected.DateFormat.InEffect), qPrintable(Back.TimeFormat.InEffect),
                         qPrintable(Expected.TimeFormat.InEffect));
        std::abort();
    }
    return 0;
}
