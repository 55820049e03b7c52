#pragma once

// A plain renderer of the format language, written from its definition to
// check the real one against: each rule in the order the definition gives
// it, strings built by appending, the moment decoded with the textbook
// algorithm, nothing cached or precomputed. Slow, and meant to be obvious.

#include "datetime/ProcessLocale.h"
#include "datetime/TFormatSettings.h"
#include "platform/locale/ILocaleDatabase.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace Reference {

struct TFields {
    bool Valid = false; // otherwise every number is 0, month and weekday name nothing
    std::int64_t Year = 0;
    int Month = 0, Day = 0, DayOfWeek = 0; // DayOfWeek: 1 Sunday .. 7 Saturday
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
    bool Midnight = true;
};

inline TFields Decode(double Moment)
{
    TFields f;
    const double ms = std::nearbyint(Moment * 86400000.0); // ties to even
    if (!(std::fabs(ms) < 9.2e18)) // the implementation's bound for a 64-bit count
        return f;
    const auto count = static_cast<std::int64_t>(ms);
    const std::int64_t dayNumber = count / 86400000; // truncated
    std::int64_t timeOfDay = count % 86400000;
    if (timeOfDay < 0)
        timeOfDay = -timeOfDay;
    f.Valid = true;
    f.Hour = int(timeOfDay / 3600000);
    f.Minute = int(timeOfDay / 60000 % 60);
    f.Second = int(timeOfDay / 1000 % 60);
    f.Millisecond = int(timeOfDay % 1000);
    f.Midnight = timeOfDay == 0;
    // Howard Hinnant's civil_from_days, from 1970-01-01 = 25569 days after 1899-12-30.
    const std::int64_t z = dayNumber - 25569 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    f.Day = int(doy - (153 * mp + 2) / 5 + 1);
    f.Month = int(mp < 10 ? mp + 3 : mp - 9);
    f.Year = yoe + era * 400 + (f.Month <= 2 ? 1 : 0);
    // 1899-12-30 was a Saturday (7).
    f.DayOfWeek = int(((dayNumber % 7) + 7 + 6) % 7) + 1;
    return f;
}

inline std::u16string Number(std::int64_t Value, int MinWidth)
{
    const bool negative = Value < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(Value) : std::uint64_t(Value);
    const std::string digits = std::to_string(magnitude);
    std::u16string out = negative ? u"-" : u"";
    for (int i = int(digits.size()); i < MinWidth; ++i)
        out += u'0';
    for (const char c : digits)
        out += char16_t(c);
    return out;
}

inline std::u16string Text(const QString& S) { return S.toStdU16String(); }

inline char16_t Upper(char16_t C) { return C >= u'a' && C <= u'z' ? char16_t(C - 32) : C; }

// Whether F at I begins with Pattern, ASCII letters in either case.
inline bool Matches(std::u16string_view F, std::size_t I, std::u16string_view Pattern)
{
    if (F.size() - I < Pattern.size())
        return false;
    for (std::size_t k = 0; k < Pattern.size(); ++k)
        if (Upper(F[I + k]) != Pattern[k])
            return false;
    return true;
}

inline bool TwelveHourMarkerAt(std::u16string_view F, std::size_t I)
{
    return Matches(F, I, u"AM/PM") || Matches(F, I, u"A/P") || Matches(F, I, u"AMPM");
}

inline std::u16string Era(const TFields& M, int Run, bool Name)
{
    if (!M.Valid || M.Year < 1 || M.Year > 9999)
        return {};
    const ILocaleDatabase& db = ProcessLocale::Database();
    const QString picture = Name ? QStringLiteral("gg") : Run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    const std::optional<QString> text =
        db.GetDateFormatAltCalendar(db.GetThreadLocale(), int(M.Year), M.Month, M.Day, picture);
    if (!text)
        return {};
    QString t = *text;
    if (Name && Run == 1) {
        if (ProcessLocale::PrimaryLanguage() == 0x11 && !t.isEmpty())
            t = t.left(t.size() >= 2 && t[0].isHighSurrogate() && t[1].isLowSurrogate() ? 2 : 1);
        else if (ProcessLocale::PrimaryLanguage() == 0x04 && ProcessLocale::SubLanguage() == 1 && t.size() == 4)
            t = t.mid(2, 2);
    }
    if (!Name && Run == 1 && t.startsWith(u'0'))
        t = t.mid(1);
    return t.toStdU16String();
}

inline std::u16string Scan(std::u16string_view F, int Level, const TFields& M, const TFormatSettings& S);

inline std::u16string Expand(const QString& F, int Level, const TFields& M, const TFormatSettings& S)
{
    return Level >= 2 ? std::u16string() : Scan(F.toStdU16String(), Level + 1, M, S);
}

inline std::u16string Scan(std::u16string_view F, int Level, const TFields& M, const TFormatSettings& S)
{
    std::u16string out;
    char16_t last = u' ';
    bool twelve = false;
    std::size_t i = 0;
    while (i < F.size()) {
        const char16_t c = F[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool pair = c <= 0xDBFF && i + 1 < F.size() && F[i + 1] >= 0xDC00 && F[i + 1] <= 0xDFFF;
            out += F.substr(i, pair ? 2 : 1);
            i += pair ? 2 : 1;
            last = u' ';
            continue;
        }
        char16_t t = Upper(c);
        if (t >= u'A' && t <= u'Z') {
            if (t == u'M' && last == u'H')
                t = u'N';
            last = t;
        }
        std::size_t runEnd = i;
        while (runEnd < F.size() && F[runEnd] == c)
            ++runEnd;
        const std::size_t run = runEnd - i;
        switch (t) {
        case u'Y':
            out += run <= 2 ? Number(M.Year < 0 ? -(-M.Year % 100) : M.Year % 100, 2) : Number(M.Year, 4);
            i = runEnd;
            break;
        case u'M':
            if (run <= 2)
                out += Number(M.Month, int(run));
            else if (M.Month >= 1)
                out += Text(run == 3 ? S.ShortMonthNames[M.Month - 1] : S.LongMonthNames[M.Month - 1]);
            i = runEnd;
            break;
        case u'D':
            if (run <= 2)
                out += Number(M.Day, int(run));
            else if (run == 3 && M.DayOfWeek >= 1)
                out += Text(S.ShortDayNames[M.DayOfWeek - 1]);
            else if (run == 4 && M.DayOfWeek >= 1)
                out += Text(S.LongDayNames[M.DayOfWeek - 1]);
            else if (run == 5)
                out += Expand(S.ShortDateFormat, Level, M, S);
            else if (run >= 6)
                out += Expand(S.LongDateFormat, Level, M, S);
            i = runEnd;
            break;
        case u'H': {
            // The look ahead, from just after the run.
            bool quoted = false;
            for (std::size_t k = runEnd; k < F.size() && !twelve; ++k) {
                if (F[k] == u'\'' || F[k] == u'"')
                    quoted = !quoted;
                else if (F[k] == u'h' || F[k] == u'H')
                    break;
                else if ((F[k] == u'a' || F[k] == u'A') && !quoted) {
                    twelve = TwelveHourMarkerAt(F, k);
                    break;
                }
            }
            int h = M.Hour;
            if (twelve && M.Valid)
                h = h % 12 == 0 ? 12 : h % 12;
            out += Number(h, run >= 2 ? 2 : 1);
            i = runEnd;
            break;
        }
        case u'N': out += Number(M.Minute, run >= 2 ? 2 : 1); i = runEnd; break;
        case u'S': out += Number(M.Second, run >= 2 ? 2 : 1); i = runEnd; break;
        case u'Z': out += Number(M.Millisecond, run >= 3 ? 3 : int(run)); i = runEnd; break;
        case u'T':
            out += Expand(run == 1 ? S.ShortTimeFormat : S.LongTimeFormat, Level, M, S);
            i = runEnd;
            break;
        case u'C':
            if (Level < 2) {
                out += Expand(S.ShortDateFormat, Level, M, S);
                if (!M.Midnight)
                    out += u' ' + Expand(S.LongTimeFormat, Level, M, S);
            }
            i = runEnd;
            break;
        case u'G': out += Era(M, int(run), true); i = runEnd; break;
        case u'E': out += Era(M, int(run), false); i = runEnd; break;
        case u'A': {
            const bool am = M.Hour < 12;
            if (Matches(F, i, u"AM/PM")) {
                out += F.substr(am ? i : i + 3, 2);
                twelve = true;
                i += 5;
            } else if (Matches(F, i, u"A/P")) {
                out += F[am ? i : i + 2];
                twelve = true;
                i += 3;
            } else if (Matches(F, i, u"AMPM")) {
                out += Text(am ? S.TimeAMString : S.TimePMString);
                twelve = true;
                i += 4;
            } else if (Matches(F, i, u"AAAA")) {
                if (M.DayOfWeek >= 1)
                    out += Text(S.LongDayNames[M.DayOfWeek - 1]);
                i += 4;
            } else if (Matches(F, i, u"AAA")) {
                if (M.DayOfWeek >= 1)
                    out += Text(S.ShortDayNames[M.DayOfWeek - 1]);
                i += 3;
            } else {
                out += c;
                i += 1;
            }
            break;
        }
        case u'/':
        case u':': {
            const QChar sep = t == u'/' ? S.DateSeparator : S.TimeSeparator;
            if (!sep.isNull())
                out += sep.unicode();
            i += 1;
            break;
        }
        case u'\'':
        case u'"': {
            const std::size_t close = F.find(c, i + 1);
            const std::size_t stop = close == std::u16string_view::npos ? F.size() : close;
            out += F.substr(i + 1, stop - i - 1);
            i = close == std::u16string_view::npos ? F.size() : close + 1;
            break;
        }
        default:
            out += c;
            i += 1;
            break;
        }
    }
    return out;
}

inline QString RenderDateTime(QStringView Format, double Moment, const TFormatSettings& Settings)
{
    const std::u16string_view f(reinterpret_cast<const char16_t*>(Format.utf16()), std::size_t(Format.size()));
    const std::u16string out = Scan(f.empty() ? u"c" : f, 1, Decode(Moment), Settings);
    return QString(reinterpret_cast<const QChar*>(out.data()), qsizetype(out.size())); // no mark read
}

} // namespace Reference
