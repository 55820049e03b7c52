#include "clock/data/ClockDataFile.h"

#include "clock/data/ColorText.h"
#include "datetime/OffsetText.h"
#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>

namespace {

const QString DefaultColorText = QStringLiteral("clBlack");
const QString DefaultOffsetText = QStringLiteral(" 0000");

void ReadLineStyle(const TIniFile& Ini, QStringView Section, int DefaultSize, int DefaultAlignment,
                   TLineStyle& Line)
{
    const QString Face = Ini.ReadString(Section, u"FontName", QString());
    if (!Face.isEmpty())
        Line.FontName = Face;
    Line.FontSize = Ini.ReadInteger(Section, u"FontSize", DefaultSize);
    Line.Bold = Ini.ReadBool(Section, u"FontStyleBold", false);
    Line.Italic = Ini.ReadBool(Section, u"FontStyleItalic", false);
    Line.Underline = Ini.ReadBool(Section, u"FontStyleUnderLine", false);
    Line.StrikeOut = Ini.ReadBool(Section, u"FontStyleStrikeOut", false);
    // A value that is no colour or no alignment takes the key's default, so a
    // damaged file still loads whole.
    Line.FontColor = TextToColor(Ini.ReadString(Section, u"FontColor", DefaultColorText)).value_or(clBlack);
    const int Alignment = Ini.ReadInteger(Section, u"Alignment", DefaultAlignment);
    Line.Alignment = Alignment >= LineAlignLeft && Alignment <= LineAlignCenter ? Alignment : DefaultAlignment;
    Line.seFont = Ini.ReadBool(Section, u"seFont", true);
}

void WriteLineStyle(TIniFile& Ini, QStringView Section, const TLineStyle& Line)
{
    Ini.WriteString(Section, u"FontName", Line.FontName);
    Ini.WriteInteger(Section, u"FontSize", Line.FontSize);
    if (Line.Bold)
        Ini.WriteBool(Section, u"FontStyleBold", true);
    if (Line.Italic)
        Ini.WriteBool(Section, u"FontStyleItalic", true);
    if (Line.Underline)
        Ini.WriteBool(Section, u"FontStyleUnderLine", true);
    if (Line.StrikeOut)
        Ini.WriteBool(Section, u"FontStyleStrikeOut", true);
    Ini.WriteString(Section, u"FontColor", ColorToText(Line.FontColor));
    Ini.WriteInteger(Section, u"Alignment", Line.Alignment);
    Ini.WriteBool(Section, u"seFont", Line.seFont);
}

// The list-or-custom pair of a line; both formats default to Default. An
// empty custom format in effect becomes Fallback, as the edit that emptied it
// showed; otherwise the clock would show another format after a restart.
TLineFormat ReadLineFormat(const TIniFile& Ini, QStringView Section, const QString& Default,
                           const QString& Fallback)
{
    TLineFormat F;
    F.UseList = Ini.ReadBool(Section, u"UseFormatList", true);
    F.List = Ini.ReadString(Section, u"ListFormat", Default);
    F.UseEdit = Ini.ReadBool(Section, u"UseFormatEdit", false);
    F.Edit = Ini.ReadString(Section, u"EditFormat", Default);
    F.InEffect = F.UseList ? F.List : F.Edit;
    if (!F.UseList && F.InEffect.isEmpty())
        F.InEffect = Fallback;
    return F;
}

void WriteLineFormat(TIniFile& Ini, QStringView Section, const TLineFormat& F)
{
    Ini.WriteBool(Section, u"UseFormatList", F.UseList);
    Ini.WriteString(Section, u"ListFormat", F.InEffect);
    Ini.WriteBool(Section, u"UseFormatEdit", F.UseEdit);
    Ini.WriteString(Section, u"EditFormat", F.Edit);
}

// Offset holds at most 23:59 each way; a zone clock may be further from this
// PC than that, and then stores the key's default.
QString StoredOffsetText(TDateTime Offset)
{
    return std::abs(OffsetTag(Offset)) > 2359 ? QStringLiteral("+0000") : OffsetText(Offset);
}

} // namespace

void ReadClockDataFile(const QString& FileName, LCID DefaultLocaleID, TClockData& Data)
{
    const TIniFile Ini(FileName, ProcessLocale::Identifier()); // throws before Data is touched
    ReadClockData(Ini, DefaultLocaleID, Data);
}

void ReadClockData(const TIniFile& Ini, LCID DefaultLocaleID, TClockData& Data)
{
    TClockData D = Data;

    D.Name = Ini.ReadString(u"NAME", u"Caption", ClockInitialCaption);
    ReadLineStyle(Ini, u"NAME", 26, LineAlignLeft, D.NameLine);
    D.OffsetTime = ParseOffsetText(Ini.ReadString(u"NAME", u"Offset", DefaultOffsetText));
    D.TimeZone = Ini.ReadString(u"NAME", u"TimeZone", QString());

    // The locale comes before the formats: their defaults are its own.
    D.LocaleID = static_cast<LCID>(Ini.ReadInteger(u"NAME", u"LocaleID", static_cast<int>(DefaultLocaleID)));
    const TFormatSettings Settings = TFormatSettings::Create(D.LocaleID);

    D.DateFormat = ReadLineFormat(Ini, u"DATE", Settings.ShortDateFormat, Settings.ShortDateFormat);
    ReadLineStyle(Ini, u"DATE", 20, LineAlignCenter, D.DateLine);

    D.TimeFormat = ReadLineFormat(Ini, u"TIME", QString(), Settings.ShortTimeFormat);
    ReadLineStyle(Ini, u"TIME", 20, LineAlignCenter, D.TimeLine);

    Data = std::move(D);
}

void WriteClockDataFile(const QString& Path, const TClockData& Data, const QString& Caption,
                        TDateTime Moment)
{
    // Only the encoding of an existing file is kept; its content is replaced.
    TIniFile Ini = TIniFile::ForRewrite(Path, ProcessLocale::Identifier());
    WriteClockData(Ini, Data, Caption, Moment);
    Ini.UpdateFile();
}

void WriteClockData(TIniFile& Ini, const TClockData& Data, const QString& Caption, TDateTime Moment)
{
    const QFileInfo Info(Ini.FileName());

    Ini.WriteString(u"FILE", u"FileName", Info.fileName());
    Ini.WriteString(u"FILE", u"FilePath", QDir::toNativeSeparators(Info.absolutePath()));
    Ini.WriteString(u"FILE", u"LastClose", RenderDateTime(u"", Moment, ProcessLocale::SystemSettings()));
    Ini.WriteString(u"FILE", u"Caption", Caption);

    Ini.WriteString(u"NAME", u"Caption", Data.Name);
    WriteLineStyle(Ini, u"NAME", Data.NameLine);
    Ini.WriteInteger(u"NAME", u"LocaleID", static_cast<int>(Data.LocaleID));
    Ini.WriteString(u"NAME", u"Offset", StoredOffsetText(Data.OffsetTime));
    if (!Data.TimeZone.isEmpty())
        Ini.WriteString(u"NAME", u"TimeZone", Data.TimeZone);

    WriteLineStyle(Ini, u"DATE", Data.DateLine);
    WriteLineFormat(Ini, u"DATE", Data.DateFormat);

    WriteLineStyle(Ini, u"TIME", Data.TimeLine);
    WriteLineFormat(Ini, u"TIME", Data.TimeFormat);
}
