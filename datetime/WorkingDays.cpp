#include "datetime/WorkingDays.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/uloc.h>

#include <array>
#include <memory>
#include <string>

namespace {

constexpr int MinutesPerDay = 24 * 60;
constexpr std::array<const char16_t*, 7> DayNames = {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
constexpr quint8 MondayToFriday = 0x1F;

bool IsCountryCode(QStringView Code)
{
    return Code.size() == 2 && Code[0] >= u'A' && Code[0] <= u'Z' && Code[1] >= u'A' && Code[1] <= u'Z';
}

// The zone's country; empty for an unknown zone and for the zones of no
// country, which ICU gives the world's code "001".
QString ZoneCountry(const QString& ZoneId)
{
    if (ZoneId.isEmpty())
        return {};
    const icu::UnicodeString Id(reinterpret_cast<const UChar*>(ZoneId.utf16()), int32_t(ZoneId.size()));
    std::array<char, 8> Region{};
    UErrorCode Status = U_ZERO_ERROR;
    const int32_t Length = icu::TimeZone::getRegion(Id, Region.data(), int32_t(Region.size()), Status);
    if (U_FAILURE(Status) || Length <= 0 || Length >= int32_t(Region.size()))
        return {};
    const QString Country = QString::fromLatin1(Region.data(), Length);
    return IsCountryCode(Country) ? Country : QString();
}

// The locale's country, or its likely one when the locale names none.
QString LocaleCountry(LCID Locale)
{
    const std::optional<std::string> Name = LcidMapping::IcuLocaleOf(Locale);
    if (!Name)
        return {};
    icu::Locale Full(Name->c_str());
    if (*Full.getCountry() == '\0') {
        UErrorCode Status = U_ZERO_ERROR;
        Full.addLikelySubtags(Status);
        if (U_FAILURE(Status))
            return {};
    }
    const QString Country = QString::fromLatin1(Full.getCountry());
    return IsCountryCode(Country) ? Country : QString();
}

// A Gregorian calendar with the week data of Locale; null when ICU has none.
std::unique_ptr<icu::Calendar> WeekCalendar(const icu::Locale& Locale)
{
    UErrorCode Status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> Calendar(icu::Calendar::createInstance(Locale, Status));
    return U_SUCCESS(Status) ? std::move(Calendar) : nullptr;
}

// ICU counts the week from Sunday = 1.
UCalendarDaysOfWeek IcuDay(int DayOfWeek)
{
    return UCalendarDaysOfWeek(DayOfWeek % 7 + 1);
}

} // namespace

bool IsValidWorkingHours(const TWorkingHours& Hours)
{
    const auto InDay = [](int Minute) { return Minute >= 0 && Minute < MinutesPerDay; };
    return InDay(Hours.StartMinute) && InDay(Hours.EndMinute) && (Hours.Days & AllWeekDays) != 0
           && (Hours.Days & ~AllWeekDays) == 0;
}

QString WorkingRegion(const QString& ZoneId, LCID Locale)
{
    const QString Country = ZoneCountry(ZoneId);
    return Country.isEmpty() ? LocaleCountry(Locale) : Country;
}

quint8 RegionWorkingDays(const QString& Region)
{
    if (!IsCountryCode(Region))
        return MondayToFriday;
    // The calendar type does not matter; the Gregorian one is the cheapest.
    const std::unique_ptr<icu::Calendar> Calendar =
        WeekCalendar(icu::Locale("und", Region.toLatin1().constData(), nullptr, "calendar=gregorian"));
    if (!Calendar)
        return MondayToFriday;
    quint8 Days = 0;
    for (int Day = 1; Day <= 7; ++Day) {
        UErrorCode Status = U_ZERO_ERROR;
        // A day on which the weekend starts or ends later is still worked.
        if (Calendar->getDayOfWeekType(IcuDay(Day), Status) != UCAL_WEEKEND || U_FAILURE(Status))
            Days |= DayBit(Day);
    }
    return Days != 0 ? Days : MondayToFriday;
}

TWorkingHours DefaultWorkingHours(const QString& ZoneId, LCID Locale)
{
    TWorkingHours Hours;
    Hours.Days = RegionWorkingDays(WorkingRegion(ZoneId, Locale));
    return Hours;
}

bool IsWorking(const TWorkingHours& Hours, int DayOfWeek, int MinuteOfDay)
{
    if (DayOfWeek < 1 || DayOfWeek > 7)
        return false;
    const bool Today = Hours.Days & DayBit(DayOfWeek);
    if (Hours.EndMinute > Hours.StartMinute)
        return Today && MinuteOfDay >= Hours.StartMinute && MinuteOfDay < Hours.EndMinute;
    // A night shift: this day's start until midnight, and the morning after
    // the previous day's start.
    const bool Yesterday = Hours.Days & DayBit(DayOfWeek == 1 ? 7 : DayOfWeek - 1);
    return (Today && MinuteOfDay >= Hours.StartMinute) || (Yesterday && MinuteOfDay < Hours.EndMinute);
}

int LocaleFirstDayOfWeek(LCID Locale)
{
    const std::optional<std::string> Name = LcidMapping::IcuLocaleOf(Locale);
    if (!Name)
        return 1;
    const std::unique_ptr<icu::Calendar> Calendar = WeekCalendar(icu::Locale(Name->c_str()));
    if (!Calendar)
        return 1;
    UErrorCode Status = U_ZERO_ERROR;
    const int Sunday1 = Calendar->getFirstDayOfWeek(Status);
    if (U_FAILURE(Status))
        return 1;
    return Sunday1 == UCAL_SUNDAY ? 7 : Sunday1 - 1;
}

QString EnglishDayName(int DayOfWeek)
{
    if (DayOfWeek < 1 || DayOfWeek > 7)
        return {};
    return QString::fromUtf16(DayNames[std::size_t(DayOfWeek - 1)]);
}

std::optional<int> DayOfEnglishName(QStringView Name)
{
    for (std::size_t i = 0; i < DayNames.size(); ++i) {
        if (Name.compare(QStringView(DayNames[i]), Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return std::nullopt;
}
