#include "unit/doubles/TFakeLocaleDatabase.h"

void TFakeLocaleDatabase::InstallEnglish(LCID Locale)
{
    Install(Locale);
    // The platform counts Monday as day 1.
    static const char* const longDays[7] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                            "Friday", "Saturday", "Sunday"};
    static const char* const longMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                               "July",    "August",   "September", "October", "November", "December"};
    for (std::uint32_t i = 0; i < 7; ++i) {
        const QString name = QString::fromLatin1(longDays[i]);
        SetItem(Locale, LocaleItem::SDAYNAME1 + i, name);
        SetItem(Locale, LocaleItem::SABBREVDAYNAME1 + i, name.left(3));
    }
    for (std::uint32_t i = 0; i < 12; ++i) {
        const QString name = QString::fromLatin1(longMonths[i]);
        SetItem(Locale, LocaleItem::SMONTHNAME1 + i, name);
        SetItem(Locale, LocaleItem::SABBREVMONTHNAME1 + i, name.left(3));
    }
    SetItem(Locale, LocaleItem::SDATE, QStringLiteral("/"));
    SetItem(Locale, LocaleItem::STIME, QStringLiteral(":"));
    SetItem(Locale, LocaleItem::SSHORTDATE, QStringLiteral("M/d/yyyy"));
    SetItem(Locale, LocaleItem::SLONGDATE, QStringLiteral("dddd, MMMM d, yyyy"));
    SetItem(Locale, LocaleItem::STIMEFORMAT, QStringLiteral("h:mm:ss tt"));
    SetItem(Locale, LocaleItem::SSHORTTIME, QStringLiteral("h:mm tt"));
    SetItem(Locale, LocaleItem::S1159, QStringLiteral("AM"));
    SetItem(Locale, LocaleItem::S2359, QStringLiteral("PM"));
    SetItem(Locale, LocaleItem::ITIME, QStringLiteral("0"));
    SetItem(Locale, LocaleItem::ITLZERO, QStringLiteral("0"));
    SetItem(Locale, LocaleItem::ITIMEMARKPOSN, QStringLiteral("0"));
    SetItem(Locale, LocaleItem::ICALENDARTYPE, QStringLiteral("1"));
}

void TFakeLocaleDatabase::SetEra(LCID Locale, int Year, int Month, int Day, const QString& Picture,
                                 std::optional<QString> Text)
{
    Eras_[{Locale, Year, Month, Day, Picture}] = std::move(Text);
}

std::optional<QString> TFakeLocaleDatabase::GetLocaleInfo(LCID Locale, std::uint32_t Item) const
{
    if (!IsValidLocale(Locale))
        return std::nullopt;
    const auto it = Items_.find({Locale, Item});
    return it == Items_.end() ? std::nullopt : it->second;
}

std::optional<QString> TFakeLocaleDatabase::GetDateFormatAltCalendar(LCID Locale, int Year, int Month, int Day,
                                                                     QStringView Picture) const
{
    ++EraCalls_;
    const auto it = Eras_.find({Locale, Year, Month, Day, Picture.toString()});
    return it == Eras_.end() ? std::nullopt : it->second;
}

QString TFakeLocaleDatabase::LowerCase(LCID Locale, QStringView Text) const
{
    LastLowerCaseLocale_ = Locale;
    return Text.toString().toLower();
}
