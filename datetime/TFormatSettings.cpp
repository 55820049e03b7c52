#include "datetime/TFormatSettings.h"

#include "datetime/ProcessLocale.h"
#include "platform/locale/ILocaleDatabase.h"

#include <optional>

namespace {

// Buffer sizes of the platform reads, terminating NUL included.
constexpr qsizetype StringBufferSize = 256;
constexpr qsizetype CharacterBufferSize = 3;

constexpr int LangChinese = 0x04;
constexpr int LangJapanese = 0x11;
constexpr int LangKorean = 0x12;

const std::array<QString, 12>& EnglishShortMonths()
{
    static const std::array<QString, 12> names{
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    return names;
}

const std::array<QString, 12>& EnglishLongMonths()
{
    static const std::array<QString, 12> names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

const std::array<QString, 7>& EnglishShortDays()
{
    static const std::array<QString, 7> names{QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"),
                                              QStringLiteral("Wed"), QStringLiteral("Thu"), QStringLiteral("Fri"),
                                              QStringLiteral("Sat")};
    return names;
}

const std::array<QString, 7>& EnglishLongDays()
{
    static const std::array<QString, 7> names{
        QStringLiteral("Sunday"),   QStringLiteral("Monday"), QStringLiteral("Tuesday"),
        QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
        QStringLiteral("Saturday")};
    return names;
}

// Reads the locale items with the platform's fixed buffer sizes: an item that
// does not fit counts as a failed read.
class TItemReader {
public:
    TItemReader(const ILocaleDatabase& Db, LCID Locale) : Db_(Db), Locale_(Locale) {}

    QString String(std::uint32_t Item, const QString& Default) const
    {
        std::optional<QString> text = Read(Item, StringBufferSize);
        return text ? *text : Default;
    }

    // Empty for whatever reason: the English name.
    QString Name(std::uint32_t Item, const QString& English) const
    {
        QString text = String(Item, QString());
        return text.isEmpty() ? English : text;
    }

    // The first character; an available but empty item gives NUL. A first
    // character that is half of a surrogate pair is no character of its own.
    QChar Character(std::uint32_t Item, QChar Default) const
    {
        std::optional<QString> text = Read(Item, CharacterBufferSize);
        if (!text)
            return Default;
        if (text->isEmpty())
            return QChar(0);
        const QChar first = text->at(0);
        return first.isSurrogate() ? Default : first;
    }

    int Number(std::uint32_t Item, int Default, int NotANumber) const
    {
        std::optional<QString> text = Read(Item, StringBufferSize);
        if (!text)
            return Default;
        bool ok = false;
        const int value = text->toInt(&ok, 10);
        return ok ? value : NotANumber;
    }

private:
    std::optional<QString> Read(std::uint32_t Item, qsizetype BufferSize) const
    {
        std::optional<QString> text = Db_.GetLocaleInfo(Locale_, Item);
        if (text && text->size() + 1 > BufferSize)
            return std::nullopt;
        return text;
    }

    const ILocaleDatabase& Db_;
    LCID Locale_;
};

bool StartsWithNoCase(QStringView Text, qsizetype Pos, QLatin1StringView Pattern)
{
    return Text.sliced(Pos).startsWith(Pattern, Qt::CaseInsensitive);
}

// Era calendars: gg → ggg, yyyy → eeee, yy → ee, y → e.
QString RewriteForEraCalendar(QStringView Picture)
{
    QString out;
    out.reserve(Picture.size() + 4);
    qsizetype i = 0;
    while (i < Picture.size()) {
        if (StartsWithNoCase(Picture, i, QLatin1StringView("gg"))) {
            out += u"ggg";
            i += 2;
        } else if (StartsWithNoCase(Picture, i, QLatin1StringView("yyyy"))) {
            out += u"eeee";
            i += 4;
        } else if (StartsWithNoCase(Picture, i, QLatin1StringView("yy"))) {
            out += u"ee";
            i += 2;
        } else if (Picture[i] == u'y' || Picture[i] == u'Y') {
            out += u'e';
            ++i;
        } else {
            const bool pair = Picture[i].isHighSurrogate() && i + 1 < Picture.size() && Picture[i + 1].isLowSurrogate();
            out += Picture.sliced(i, pair ? 2 : 1);
            i += pair ? 2 : 1;
        }
    }
    return out;
}

QString TimeFallback(const TItemReader& Items, bool WithSeconds)
{
    const bool leadingZero = Items.Number(LocaleItem::ITLZERO, 0, 0) != 0;
    const bool twelveHour = Items.Number(LocaleItem::ITIME, 0, 0) == 0;
    const bool markerFirst = Items.Number(LocaleItem::ITIMEMARKPOSN, 0, 0) != 0;
    QString out;
    if (twelveHour && markerFirst)
        out += u"AMPM ";
    out += leadingZero ? u"hh" : u"h";
    out += WithSeconds ? u":mm:ss" : u":mm";
    if (twelveHour && !markerFirst)
        out += u" AMPM";
    return out;
}

} // namespace

TFormatSettings::TFormatSettings()
    : ShortMonthNames(EnglishShortMonths()), LongMonthNames(EnglishLongMonths()),
      ShortDayNames(EnglishShortDays()), LongDayNames(EnglishLongDays())
{
}

TFormatSettings TFormatSettings::Create(LCID Locale, const ILocaleDatabase& Db)
{
    const LCID locale = Db.IsValidLocale(Locale) ? Locale : Db.GetThreadLocale();
    const TItemReader items(Db, locale);
    TFormatSettings fs;

    for (int i = 0; i < 7; ++i) {
        // Our index 0 is Sunday; the platform counts Monday as 1 and Sunday as 7.
        const int platformDay = (i + 6) % 7 + 1;
        fs.ShortDayNames[size_t(i)] =
            items.Name(LocaleItem::SABBREVDAYNAME1 + platformDay - 1, EnglishShortDays()[size_t(i)]);
        fs.LongDayNames[size_t(i)] = items.Name(LocaleItem::SDAYNAME1 + platformDay - 1, EnglishLongDays()[size_t(i)]);
    }
    for (int i = 0; i < 12; ++i) {
        fs.ShortMonthNames[size_t(i)] =
            items.Name(LocaleItem::SABBREVMONTHNAME1 + i, EnglishShortMonths()[size_t(i)]);
        fs.LongMonthNames[size_t(i)] = items.Name(LocaleItem::SMONTHNAME1 + i, EnglishLongMonths()[size_t(i)]);
    }

    // The separators come first: the pictures are translated with them.
    fs.DateSeparator = items.Character(LocaleItem::SDATE, u'/');
    const int calendarType = items.Number(LocaleItem::ICALENDARTYPE, 1, 1);
    const auto datePicture = [&](std::uint32_t Item, const QString& Default) {
        const QString translated = ConvertDatePicture(items.String(Item, Default), fs.DateSeparator, calendarType);
        return translated.isEmpty() ? Default : Db.LowerCase(ProcessLocale::Identifier(), translated);
    };
    fs.ShortDateFormat = datePicture(LocaleItem::SSHORTDATE, QStringLiteral("m/d/yy"));
    fs.LongDateFormat = datePicture(LocaleItem::SLONGDATE, QStringLiteral("mmmm d, yyyy"));

    fs.TimeSeparator = items.Character(LocaleItem::STIME, u':');
    fs.TimeAMString = items.String(LocaleItem::S1159, QStringLiteral("am"));
    fs.TimePMString = items.String(LocaleItem::S2359, QStringLiteral("pm"));
    fs.LongTimeFormat = ConvertTimePicture(items.String(LocaleItem::STIMEFORMAT, QString()), fs.TimeSeparator);
    fs.ShortTimeFormat = ConvertTimePicture(items.String(LocaleItem::SSHORTTIME, QString()), fs.TimeSeparator);
    if (fs.LongTimeFormat.isEmpty())
        fs.LongTimeFormat = TimeFallback(items, true);
    if (fs.ShortTimeFormat.isEmpty())
        fs.ShortTimeFormat = TimeFallback(items, false);
    return fs;
}

TFormatSettings TFormatSettings::Create(LCID Locale)
{
    return ProcessLocale::CachedFormatSettings(Locale);
}

QString ConvertDatePicture(QStringView Picture, QChar DateSeparator, int CalendarType)
{
    return ConvertDatePicture(Picture, DateSeparator, CalendarType, ProcessLocale::PrimaryLanguage());
}

QString ConvertDatePicture(QStringView Picture, QChar DateSeparator, int CalendarType, int ProcessPrimaryLanguage)
{
    QString out;
    if (CalendarType == 3 || CalendarType == 4 || CalendarType == 5) {
        out = RewriteForEraCalendar(Picture);
    } else {
        out = Picture.toString();
        if (ProcessPrimaryLanguage == LangChinese || ProcessPrimaryLanguage == LangJapanese
            || ProcessPrimaryLanguage == LangKorean)
            out.remove(QChar(u'g'), Qt::CaseInsensitive);
    }
    bool quoted = false;
    for (QChar& c : out) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == DateSeparator)
            c = u'/';
    }
    return out;
}

QString ConvertTimePicture(QStringView Picture, QChar TimeSeparator)
{
    QString out;
    out.reserve(Picture.size() + 4);
    const qsizetype n = Picture.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (Picture[i] == u'H' || Picture[i] == u'h' || Picture[i] == u's'))
            out += Picture[i++].toLower();
        while (i < n && Picture[i] == u'm') {
            out += u'n';
            ++i;
        }
        const qsizetype markerFrom = i;
        while (i < n && Picture[i] == u't')
            ++i;
        if (i - markerFrom == 1)
            out += u"a/p";
        else if (i - markerFrom > 1)
            out += u"AMPM";
        if (i >= n)
            break;
        const QChar c = Picture[i];
        if (c == u'\'') {
            // Quoted text keeps its apostrophes; a doubled one inside stays doubled.
            out += c;
            ++i;
            while (i < n) {
                if (Picture[i] == u'\'') {
                    if (i + 1 < n && Picture[i + 1] == u'\'') {
                        out += u"''";
                        i += 2;
                        continue;
                    }
                    out += u'\'';
                    ++i;
                    break;
                }
                out += Picture[i++];
            }
        } else if (c == TimeSeparator) {
            out += u':';
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
