#include "clock/data/ClockDataFile.h"

#include "clock/data/ColorText.h"
#include "datetime/OffsetText.h"
#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

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

QString MinuteText(int Minute)
{
    return QStringLiteral("%1:%2").arg(Minute / 60, 2, 10, QLatin1Char('0')).arg(Minute % 60, 2, 10, QLatin1Char('0'));
}

// "09:30-18:00" as start and end minutes; nullopt for anything else.
std::optional<std::pair<int, int>> ParseWorkHours(const QString& Text)
{
    static const QRegularExpression Span(QStringLiteral("^([0-9]{1,2}):([0-9]{2}) *- *([0-9]{1,2}):([0-9]{2})$"));
    const QRegularExpressionMatch Match = Span.match(Text);
    if (!Match.hasMatch())
        return std::nullopt;
    const auto Minute = [&Match](int HourGroup, int MinuteGroup) -> std::optional<int> {
        const int H = Match.captured(HourGroup).toInt(), M = Match.captured(MinuteGroup).toInt();
        return H < 24 && M < 60 ? std::optional<int>(H * 60 + M) : std::nullopt;
    };
    const std::optional<int> Start = Minute(1, 2), End = Minute(3, 4);
    if (!Start || !End)
        return std::nullopt;
    return std::pair(*Start, *End);
}

// "Mon,Tue,Wed" as day bits; nullopt for an empty list or an unknown name.
std::optional<quint8> ParseWorkDays(const QString& Text)
{
    quint8 Days = 0;
    for (QStringView Name : QStringView(Text).split(u',')) {
        const std::optional<int> Day = DayOfEnglishName(Name.trimmed());
        if (!Day)
            return std::nullopt;
        Days |= DayBit(*Day);
    }
    return Days;
}

// A clock's own hours need both keys intact; anything less is the default.
std::optional<TWorkingHours> ReadWorkingHours(const TIniFile& Ini)
{
    const std::optional<std::pair<int, int>> Span = ParseWorkHours(Ini.ReadString(u"NAME", u"WorkHours", QString()));
    const std::optional<quint8> Days = ParseWorkDays(Ini.ReadString(u"NAME", u"WorkDays", QString()));
    if (!Span || !Days)
        return std::nullopt;
    return TWorkingHours{Span->first, Span->second, *Days};
}

void WriteWorkingHours(TIniFile& Ini, const std::optional<TWorkingHours>& Hours)
{
    // Hours that could not be read back (no day at all) stay unwritten: the
    // clock then has its region's default, as when they were never set.
    if (!Hours || !IsValidWorkingHours(*Hours))
        return;
    Ini.WriteString(u"NAME", u"WorkHours", MinuteText(Hours->StartMinute) + u'-' + MinuteText(Hours->EndMinute));
    QStringList Names;
    for (int Day = 1; Day <= 7; ++Day)
        if (Hours->Days & DayBit(Day))
            Names.append(EnglishDayName(Day));
    Ini.WriteString(u"NAME", u"WorkDays", Names.join(u','));
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
    D.WorkingHours = ReadWorkingHours(Ini);

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
    WriteWorkingHours(Ini, Data.WorkingHours);

    WriteLineStyle(Ini, u"DATE", Data.DateLine);
    WriteLineFormat(Ini, u"DATE", Data.DateFormat);

    WriteLineStyle(Ini, u"TIME", Data.TimeLine);
    WriteLineFormat(Ini, u"TIME", Data.TimeFormat);
}
