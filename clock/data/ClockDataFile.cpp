#include "clock/data/ClockDataFile.h"

#include "clock/data/ColorText.h"
#include "clock/data/OffsetText.h"
#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

void ReadClockDataFile(const QString& FileName, LCID DefaultLocaleID, TClockData& Data)
{
    const TIniFile Ini(FileName); // throws before Data is touched
    TClockData D = Data;

    D.Name = Ini.ReadString(u"NAME", u"Caption", ClockInitialCaption);
    ReadLineStyle(Ini, u"NAME", 26, LineAlignLeft, D.NameLine);
    D.OffsetTime = ParseOffsetText(Ini.ReadString(u"NAME", u"Offset", DefaultOffsetText));

    // The locale comes before the formats: their defaults are its own.
    D.LocaleID = static_cast<LCID>(Ini.ReadInteger(u"NAME", u"LocaleID", static_cast<int>(DefaultLocaleID)));
    const QString ShortDate = TFormatSettings::Create(D.LocaleID).ShortDateFormat;

    D.UseDateFormatList = Ini.ReadBool(u"DATE", u"UseFormatList", true);
    D.DateFormatList = Ini.ReadString(u"DATE", u"ListFormat", ShortDate);
    D.UseDateFormatEdit = Ini.ReadBool(u"DATE", u"UseFormatEdit", false);
    D.DateFormatEdit = Ini.ReadString(u"DATE", u"EditFormat", ShortDate);
    D.DateFormat = D.UseDateFormatList ? D.DateFormatList : D.DateFormatEdit;
    ReadLineStyle(Ini, u"DATE", 20, LineAlignCenter, D.DateLine);

    D.UseTimeFormatList = Ini.ReadBool(u"TIME", u"UseFormatList", true);
    D.TimeFormatList = Ini.ReadString(u"TIME", u"ListFormat", QString());
    D.UseTimeFormatEdit = Ini.ReadBool(u"TIME", u"UseFormatEdit", false);
    D.TimeFormatEdit = Ini.ReadString(u"TIME", u"EditFormat", QString());
    D.TimeFormat = D.UseTimeFormatList ? D.TimeFormatList : D.TimeFormatEdit;
    ReadLineStyle(Ini, u"TIME", 20, LineAlignCenter, D.TimeLine);

    Data = std::move(D);
}

void WriteClockDataFile(const QString& Path, const TClockData& Data, const QString& Caption,
                        TDateTime Moment)
{
    // Only the encoding of an existing file is kept; its content is replaced.
    TIniFile Ini = TIniFile::ForRewrite(Path);
    const QFileInfo Info(Path);

    Ini.WriteString(u"FILE", u"FileName", Info.fileName());
    Ini.WriteString(u"FILE", u"FilePath", QDir::toNativeSeparators(Info.absolutePath()));
    Ini.WriteString(u"FILE", u"LastClose", RenderDateTime(u"", Moment, ProcessLocale::SystemSettings()));
    Ini.WriteString(u"FILE", u"Caption", Caption);

    Ini.WriteString(u"NAME", u"Caption", Data.Name);
    WriteLineStyle(Ini, u"NAME", Data.NameLine);
    Ini.WriteInteger(u"NAME", u"LocaleID", static_cast<int>(Data.LocaleID));
    Ini.WriteString(u"NAME", u"Offset", OffsetText(Data.OffsetTime));

    WriteLineStyle(Ini, u"DATE", Data.DateLine);
    Ini.WriteBool(u"DATE", u"UseFormatList", Data.UseDateFormatList);
    Ini.WriteString(u"DATE", u"ListFormat", Data.DateFormat);
    Ini.WriteBool(u"DATE", u"UseFormatEdit", Data.UseDateFormatEdit);
    Ini.WriteString(u"DATE", u"EditFormat", Data.DateFormatEdit);

    WriteLineStyle(Ini, u"TIME", Data.TimeLine);
    Ini.WriteBool(u"TIME", u"UseFormatList", Data.UseTimeFormatList);
    Ini.WriteString(u"TIME", u"ListFormat", Data.TimeFormat);
    Ini.WriteBool(u"TIME", u"UseFormatEdit", Data.UseTimeFormatEdit);
    Ini.WriteString(u"TIME", u"EditFormat", Data.TimeFormatEdit);

    Ini.UpdateFile();
}
