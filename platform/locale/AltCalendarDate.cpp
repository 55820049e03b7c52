#include "platform/locale/AltCalendarDate.h"

#include <QDate>

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <memory>
#include <string_view>

namespace {

constexpr LCID PrimaryJapanese = 0x11;
constexpr LCID PrimaryKorean = 0x12;
constexpr LCID PrimaryThai = 0x1E;
constexpr LCID ChineseTaiwan = 0x0404;
constexpr int TangunOffset = 2333;

struct TEraYear {
    QString Era;
    int Year = 0;
    bool PadFullYear = false; // Gregorian years read yyyy as four digits
};

const char* CalendarFor(LCID Locale)
{
    const LCID Primary = Locale & 0x3FF;
    if (Primary == PrimaryJapanese)
        return "japanese";
    if ((Locale & 0xFFFF) == ChineseTaiwan)
        return "roc";
    if (Primary == PrimaryThai)
        return "buddhist";
    return "gregorian";
}

std::optional<TEraYear> IcuEraYear(LCID Locale, const std::string& IcuLocale, int Year, int Month, int Day)
{
    UErrorCode Status = U_ZERO_ERROR;
    // The moment of noon UTC on that day in the proleptic Gregorian calendar.
    icu::GregorianCalendar Gregorian(*icu::TimeZone::getGMT(), Status);
    if (U_FAILURE(Status))
        return std::nullopt;
    Gregorian.setGregorianChange(-1e300, Status);
    Gregorian.clear();
    Gregorian.set(Year, Month - 1, Day, 12, 0, 0);
    const UDate Moment = Gregorian.getTime(Status);
    if (U_FAILURE(Status))
        return std::nullopt;

    icu::Locale Target(IcuLocale.c_str());
    Target.setKeywordValue("calendar", CalendarFor(Locale), Status);
    Target.setKeywordValue("numbers", "latn", Status);
    std::unique_ptr<icu::Calendar> Calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), Target, Status));
    if (U_FAILURE(Status))
        return std::nullopt;
    Calendar->setTime(Moment, Status);
    const int EraYear = Calendar->get(UCAL_YEAR, Status);
    icu::SimpleDateFormat EraFormat(icu::UnicodeString(u"G"), Target, Status);
    if (U_FAILURE(Status))
        return std::nullopt;
    EraFormat.setCalendar(*Calendar);
    icu::UnicodeString Era;
    EraFormat.format(Moment, Era);
    if (U_FAILURE(Status))
        return std::nullopt;
    const bool PadFullYear = std::string_view(CalendarFor(Locale)) == "gregorian";
    return TEraYear{QString(reinterpret_cast<const QChar*>(Era.getBuffer()), Era.length()), EraYear, PadFullYear};
}

std::optional<TEraYear> EraYearOf(LCID Locale, const std::string& IcuLocale, int Year, int Month, int Day)
{
    if ((Locale & 0x3FF) == PrimaryKorean)
        return TEraYear{QStringLiteral(u"단기"), Year + TangunOffset, false};
    return IcuEraYear(Locale, IcuLocale, Year, Month, Day);
}

} // namespace

std::optional<QString> AltCalendarDate(LCID Locale, const std::string& IcuLocale, int Year, int Month, int Day,
                                       QStringView Picture)
{
    if (!QDate::isValid(Year, Month, Day) || Year < 1)
        return std::nullopt;
    const std::optional<TEraYear> EraYear = EraYearOf(Locale, IcuLocale, Year, Month, Day);
    if (!EraYear)
        return std::nullopt;

    QString Out;
    qsizetype I = 0;
    while (I < Picture.size()) {
        const QChar C = Picture[I];
        if (C == u'\'') {
            const qsizetype Close = Picture.indexOf(u'\'', I + 1);
            const qsizetype End = Close < 0 ? Picture.size() : Close;
            Out += Picture.sliced(I + 1, End - I - 1);
            I = End + 1;
            continue;
        }
        qsizetype End = I;
        while (End < Picture.size() && Picture[End] == C)
            ++End;
        const qsizetype Run = End - I;
        if (C == u'g') {
            Out += EraYear->Era;
        } else if (C == u'y') {
            if (Run == 2)
                Out += QStringLiteral("%1").arg(EraYear->Year % 100, 2, 10, QChar(u'0'));
            else if (Run >= 3 && EraYear->PadFullYear)
                Out += QStringLiteral("%1").arg(EraYear->Year, 4, 10, QChar(u'0'));
            else
                Out += QString::number(EraYear->Year);
        } else if (C.isLetter() && C.unicode() < 0x80) {
            return std::nullopt;
        } else {
            Out += Picture.sliced(I, Run);
        }
        I = End;
    }
    return Out;
}
