#include "platform/locale/TLocaleItems.h"

#include "platform/locale/ILocaleDatabase.h"
#include "platform/locale/TCldrPattern.h"

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

namespace {

QString ToQString(const icu::UnicodeString& Text)
{
    return QString(reinterpret_cast<const QChar*>(Text.getBuffer()), Text.length());
}

QString CleanName(const icu::UnicodeString& Text)
{
    return TCldrPattern::CleanText(ToQString(Text));
}

// Windows numbers of the calendars a locale can default to.
int CalendarTypeOf(const char* IcuType)
{
    const std::string Type = IcuType != nullptr ? IcuType : "";
    if (Type == "japanese")
        return 3;
    if (Type == "roc")
        return 4;
    if (Type == "islamic" || Type == "islamic-civil" || Type == "islamic-tbla")
        return 6;
    if (Type == "buddhist")
        return 7;
    if (Type == "hebrew")
        return 8;
    if (Type == "persian")
        return 22;
    if (Type == "islamic-umalqura")
        return 23;
    return 1;
}

std::optional<QString> PatternOf(icu::DateFormat* Format)
{
    std::unique_ptr<icu::DateFormat> Owner(Format);
    auto* Simple = dynamic_cast<icu::SimpleDateFormat*>(Format);
    if (Simple == nullptr)
        return std::nullopt;
    icu::UnicodeString Pattern;
    Simple->toPattern(Pattern);
    return ToQString(Pattern);
}

QString Number(bool Flag)
{
    return Flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

namespace {

bool ReadSymbols(const icu::Locale& Gregorian, TLocaleItems& Items)
{
    UErrorCode Status = U_ZERO_ERROR;
    icu::DateFormatSymbols Symbols(Gregorian, Status);
    if (U_FAILURE(Status))
        return false;
    using Sym = icu::DateFormatSymbols;
    int32_t WideCount = 0;
    int32_t ShortCount = 0;
    const icu::UnicodeString* Wide = Symbols.getWeekdays(WideCount, Sym::STANDALONE, Sym::WIDE);
    const icu::UnicodeString* Short = Symbols.getWeekdays(ShortCount, Sym::STANDALONE, Sym::ABBREVIATED);
    if (WideCount < 8 || ShortCount < 8)
        return false;
    // ICU counts Sunday as 1, the items start with Monday.
    for (int Day = 1; Day <= 7; ++Day) {
        Items.DayNames[Day - 1] = CleanName(Wide[Day % 7 + 1]);
        Items.AbbrevDayNames[Day - 1] = CleanName(Short[Day % 7 + 1]);
    }
    Wide = Symbols.getMonths(WideCount, Sym::STANDALONE, Sym::WIDE);
    Short = Symbols.getMonths(ShortCount, Sym::STANDALONE, Sym::ABBREVIATED);
    if (WideCount < 12 || ShortCount < 12)
        return false;
    for (int Month = 0; Month < 12; ++Month) {
        Items.MonthNames[Month] = CleanName(Wide[Month]);
        Items.AbbrevMonthNames[Month] = CleanName(Short[Month]);
    }
    int32_t Count = 0;
    const icu::UnicodeString* AmPm = Symbols.getAmPmStrings(Count);
    if (Count < 2)
        return false;
    Items.AmSymbol = CleanName(AmPm[0]);
    Items.PmSymbol = CleanName(AmPm[1]);
    return true;
}

bool ReadPictures(const icu::Locale& Gregorian, TLocaleItems& Items)
{
    using Style = icu::DateFormat::EStyle;
    const auto ShortDate = PatternOf(icu::DateFormat::createDateInstance(Style::kShort, Gregorian));
    const auto FullDate = PatternOf(icu::DateFormat::createDateInstance(Style::kFull, Gregorian));
    const auto ShortTime = PatternOf(icu::DateFormat::createTimeInstance(Style::kShort, Gregorian));
    const auto MediumTime = PatternOf(icu::DateFormat::createTimeInstance(Style::kMedium, Gregorian));
    if (!ShortDate || !FullDate || !ShortTime || !MediumTime)
        return false;

    TCldrPattern Short = TCldrPattern::Parse(*ShortDate);
    Items.DateSeparator = Short.FirstFieldSeparator();
    Short.WidenTwoLetterYear();
    Items.ShortDate = Short.ToWindowsPicture();
    Items.LongDate = TCldrPattern::Parse(*FullDate).ToWindowsPicture();

    const TCldrPattern Time = TCldrPattern::Parse(*MediumTime);
    Items.TimeSeparator = Time.HourMinuteSeparator();
    Items.TimeFormat = Time.ToWindowsPicture();
    Items.ShortTime = TCldrPattern::Parse(*ShortTime).ToWindowsPicture();
    Items.TwoLetterHour = Time.HasTwoLetterHour();
    Items.TwentyFourHour = Time.HasTwentyFourHourClock();
    Items.MarkerBeforeHour = Time.MarkerBeforeHour();
    return true;
}

} // namespace

std::unique_ptr<const TLocaleItems> TLocaleItems::Build(const std::string& IcuLocale)
{
    // Rendering counts months and years in the Gregorian calendar, so names
    // and pictures come from the Gregorian data of the locale even where its
    // default calendar is another one: Persian or Hijri month names would
    // stand next to Gregorian month numbers. The default calendar only
    // answers ICALENDARTYPE.
    icu::Locale Own(IcuLocale.c_str());
    UErrorCode Status = U_ZERO_ERROR;
    Own.setKeywordValue("numbers", "latn", Status);
    icu::Locale Gregorian = Own;
    Gregorian.setKeywordValue("calendar", "gregorian", Status);
    std::unique_ptr<icu::Calendar> Calendar(icu::Calendar::createInstance(Own, Status));
    if (U_FAILURE(Status))
        return nullptr;

    auto Items = std::make_unique<TLocaleItems>();
    Items->IcuLocale = IcuLocale;
    Items->CalendarType = CalendarTypeOf(Calendar->getType());
    if (!ReadSymbols(Gregorian, *Items) || !ReadPictures(Gregorian, *Items))
        return nullptr;
    return Items;
}

std::optional<QString> TLocaleItems::Get(std::uint32_t Item) const
{
    using namespace LocaleItem;
    if (Item >= SDAYNAME1 && Item < SDAYNAME1 + 7)
        return DayNames[Item - SDAYNAME1];
    if (Item >= SABBREVDAYNAME1 && Item < SABBREVDAYNAME1 + 7)
        return AbbrevDayNames[Item - SABBREVDAYNAME1];
    if (Item >= SMONTHNAME1 && Item < SMONTHNAME1 + 12)
        return MonthNames[Item - SMONTHNAME1];
    if (Item >= SABBREVMONTHNAME1 && Item < SABBREVMONTHNAME1 + 12)
        return AbbrevMonthNames[Item - SABBREVMONTHNAME1];
    switch (Item) {
    case SDATE:
        return DateSeparator;
    case STIME:
        return TimeSeparator;
    case SSHORTDATE:
        return ShortDate;
    case SLONGDATE:
        return LongDate;
    case STIMEFORMAT:
        return TimeFormat;
    case SSHORTTIME:
        return ShortTime;
    case S1159:
        return AmSymbol;
    case S2359:
        return PmSymbol;
    case ITLZERO:
        return Number(TwoLetterHour);
    case ITIME:
        return Number(TwentyFourHour);
    case ITIMEMARKPOSN:
        return Number(MarkerBeforeHour);
    case ICALENDARTYPE:
        return QString::number(CalendarType);
    default:
        return std::nullopt;
    }
}
