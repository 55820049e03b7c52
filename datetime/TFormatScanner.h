#pragma once

#include "datetime/TFormatOp.h"
#include "datetime/TFormatSettings.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace FormatScanning {

inline constexpr char16_t Blank = u' ';

inline constexpr bool IsSurrogate(char16_t C) noexcept { return C >= 0xD800 && C <= 0xDFFF; }
inline constexpr bool IsHighSurrogate(char16_t C) noexcept { return C >= 0xD800 && C <= 0xDBFF; }
inline constexpr bool IsLowSurrogate(char16_t C) noexcept { return C >= 0xDC00 && C <= 0xDFFF; }

// What an ASCII character is to the scanner: 0 for a plain character, the
// upper-case letter for a letter, the character itself for / : ' and ".
inline constexpr std::array<char16_t, 128> TokenOf = [] {
    std::array<char16_t, 128> table{};
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        table[c] = c;
        table[c + (u'a' - u'A')] = c;
    }
    table[u'/'] = u'/';
    table[u':'] = u':';
    table[u'\''] = u'\'';
    table[u'"'] = u'"';
    return table;
}();

inline constexpr bool IsPlain(char16_t C) noexcept { return C < 128 ? TokenOf[C] == 0 : !IsSurrogate(C); }

// Whether the text at P starts with Pattern, ASCII letters in either case.
// Clearing bit 5 maps exactly a-z onto A-Z and nothing else onto them.
template <std::size_t N>
[[gnu::always_inline]] inline bool StartsWithFolded(const char16_t* P, const char16_t* End,
                                                    const char16_t (&Pattern)[N]) noexcept
{
    constexpr qsizetype Length = qsizetype(N) - 1; // without the terminating NUL
    if (End - P < Length)
        return false;
    for (qsizetype i = 0; i < Length; ++i) {
        const char16_t want = Pattern[i];
        const char16_t c = P[i];
        if (want >= u'A' && want <= u'Z' ? (c & ~0x20) != want : c != want)
            return false;
    }
    return true;
}

enum class TMarker { None, AmPmSlash, APSlash, AmPm, LongDay, ShortDay };

// What starts at an a or A, the first match in this order: "AM/PM", "A/P",
// "AMPM", "AAAA", "AAA". The character after the a tells which can match.
[[gnu::always_inline]] inline TMarker MarkerAt(const char16_t* P, const char16_t* End) noexcept
{
    if (End - P < 3)
        return TMarker::None;
    switch (P[1]) {
    case u'm':
    case u'M':
        if (StartsWithFolded(P, End, u"AM/PM"))
            return TMarker::AmPmSlash;
        if (StartsWithFolded(P, End, u"AMPM"))
            return TMarker::AmPm;
        return TMarker::None;
    case u'/': return StartsWithFolded(P, End, u"A/P") ? TMarker::APSlash : TMarker::None;
    case u'a':
    case u'A':
        if (StartsWithFolded(P, End, u"AAAA"))
            return TMarker::LongDay;
        if (StartsWithFolded(P, End, u"AAA"))
            return TMarker::ShortDay;
        return TMarker::None;
    default: return TMarker::None;
    }
}

// What a character is to the look for a 12-hour marker.
enum : std::uint8_t { LookOther, LookQuote, LookHour, LookMarker };
inline constexpr std::array<std::uint8_t, 128> LookOf = [] {
    std::array<std::uint8_t, 128> table{};
    table[u'\''] = table[u'"'] = LookQuote;
    table[u'h'] = table[u'H'] = LookHour;
    table[u'a'] = table[u'A'] = LookMarker;
    return table;
}();

// The marker the look from an hour reached, so that the scanner, arriving
// there, need not match it again.
struct TLookedMarker {
    const char16_t* At = nullptr;
    TMarker Kind = TMarker::None;
};

// From just after an hour's run: does a 12-hour marker come before the next
// hour? Both quote characters toggle one shared quoted state; an h stops the
// look even inside quotes.
inline bool MarkerFollows(const char16_t* From, const char16_t* End, TLookedMarker& Looked) noexcept
{
    bool quoted = false;
    for (const char16_t* k = From; k < End; ++k) {
        // Most characters stop nothing: one test each, no dispatch.
        const char16_t c = *k;
        if (c >= 128 || LookOf[c] == LookOther) [[likely]]
            continue;
        switch (LookOf[c]) {
        case LookQuote: quoted = !quoted; break;
        case LookHour: return false;
        case LookMarker:
            if (!quoted) {
                Looked = {k, MarkerAt(k, End)};
                return Looked.Kind == TMarker::AmPmSlash || Looked.Kind == TMarker::APSlash
                       || Looked.Kind == TMarker::AmPm;
            }
            break;
        default: break;
        }
    }
    return false;
}

// The starter and every directly following identical character.
inline int TakeRun(const char16_t*& P, const char16_t* End) noexcept
{
    const char16_t* from = P;
    const char16_t c = *P++;
    while (P < End && *P == c)
        ++P;
    return int(std::min<qsizetype>(P - from, 1 << 20));
}

} // namespace FormatScanning

// Reads a format in the format language and hands what it finds to its
// handler: text to copy (a run of plain characters the handler itself
// reads to its end: see PlainRun), a number, a name, a choice between AM and PM texts,
// an era, and the part of a c token that a midnight leaves out. Tokens,
// runs, quotes, markers, the twelve-hour question and the expansions of the
// settings' formats are settled here. One handler records the steps of a
// compiled format (TFormatRecorder), another writes at once (TDirectWriter).
// What it hands over points into Format and Settings.
template <typename THandler>
class TFormatScanner {
public:
    TFormatScanner(THandler& Handler, const TFormatSettings& Settings) noexcept : H_(Handler), S_(Settings) {}

    // Format at the given level: 1 for the caller's own format; expansions
    // run one level deeper, and level 2 expands nothing.
    void Scan(QStringView Format, int Level);

private:
    // Only two levels exist: expansions inside an expansion render nothing.
    void Expand(QStringView Format, int Level)
    {
        if (Level < 2)
            Scan(Format, Level + 1);
    }

    void DateAndTime(int Level)
    {
        if (Level >= 2)
            return;
        Expand(S_.ShortDateFormat, Level);
        if (H_.BeginUnlessMidnight()) {
            H_.Char(FormatScanning::Blank);
            Expand(S_.LongTimeFormat, Level);
            H_.EndUnlessMidnight();
        }
    }

    THandler& H_;
    const TFormatSettings& S_;
};

template <typename THandler>
void TFormatScanner<THandler>::Scan(QStringView Format, int Level)
{
    using namespace FormatScanning;
    const char16_t* p = Format.utf16();
    const char16_t* const end = p + Format.size();
    char16_t last = Blank;
    bool twelve = false;
    TLookedMarker looked;
    while (p < end) {
        const char16_t c = *p;
        if (IsSurrogate(c)) {
            const qsizetype n = IsHighSurrogate(c) && p + 1 < end && IsLowSurrogate(p[1]) ? 2 : 1;
            H_.Text(p, n);
            p += n;
            last = Blank;
            continue;
        }
        char16_t t = c < 128 ? TokenOf[c] : 0;
        if (t == 0) {
            p = H_.PlainRun(p, end);
            continue;
        }
        if (t >= u'A') {
            if (t == u'M' && last == u'H')
                t = u'N'; // an m after an hour is a minute
            last = t;
        }
        switch (t) {
        case u'Y':
            if (TakeRun(p, end) <= 2)
                H_.Number(TFormatOpKind::Year2, 2);
            else
                H_.Number(TFormatOpKind::Year, 4);
            break;
        case u'M': {
            const int run = TakeRun(p, end);
            if (run <= 2)
                H_.Number(TFormatOpKind::Month, run);
            else
                H_.Names(TFormatOpKind::MonthName,
                         run == 3 ? S_.ShortMonthNames.data() : S_.LongMonthNames.data());
            break;
        }
        case u'D': {
            const int run = TakeRun(p, end);
            switch (run) {
            case 1:
            case 2: H_.Number(TFormatOpKind::Day, run); break;
            case 3: H_.Names(TFormatOpKind::DayName, S_.ShortDayNames.data()); break;
            case 4: H_.Names(TFormatOpKind::DayName, S_.LongDayNames.data()); break;
            case 5: Expand(S_.ShortDateFormat, Level); break;
            default: Expand(S_.LongDateFormat, Level); break;
            }
            break;
        }
        case u'H': {
            const int width = TakeRun(p, end) >= 2 ? 2 : 1;
            if (!twelve)
                twelve = MarkerFollows(p, end, looked);
            H_.Number(twelve ? TFormatOpKind::Hour12 : TFormatOpKind::Hour, width);
            break;
        }
        case u'N': H_.Number(TFormatOpKind::Minute, TakeRun(p, end) >= 2 ? 2 : 1); break;
        case u'S': H_.Number(TFormatOpKind::Second, TakeRun(p, end) >= 2 ? 2 : 1); break;
        case u'Z': H_.Number(TFormatOpKind::Millisecond, std::min(TakeRun(p, end), 3)); break;
        case u'T':
            Expand(TakeRun(p, end) == 1 ? S_.ShortTimeFormat : S_.LongTimeFormat, Level);
            break;
        case u'C':
            TakeRun(p, end);
            DateAndTime(Level);
            break;
        case u'G': H_.Era(TFormatOpKind::EraName, std::min(TakeRun(p, end), 2)); break;
        case u'E': H_.Era(TFormatOpKind::EraYear, std::min(TakeRun(p, end), 3)); break;
        case u'A':
            switch (p == looked.At ? looked.Kind : MarkerAt(p, end)) {
            case TMarker::AmPmSlash:
                H_.Choice(p, 2, p + 3, 2);
                twelve = true;
                p += 5;
                break;
            case TMarker::APSlash:
                H_.Choice(p, 1, p + 2, 1);
                twelve = true;
                p += 3;
                break;
            case TMarker::AmPm:
                H_.Choice(QStringView(S_.TimeAMString).utf16(), S_.TimeAMString.size(),
                          QStringView(S_.TimePMString).utf16(), S_.TimePMString.size());
                twelve = true;
                p += 4;
                break;
            case TMarker::LongDay:
                H_.Names(TFormatOpKind::DayName, S_.LongDayNames.data());
                p += 4;
                break;
            case TMarker::ShortDay:
                H_.Names(TFormatOpKind::DayName, S_.ShortDayNames.data());
                p += 3;
                break;
            case TMarker::None:
                H_.Text(p, 1);
                ++p;
                break;
            }
            break;
        case u'/':
        case u':': {
            const QChar sep = t == u'/' ? S_.DateSeparator : S_.TimeSeparator;
            if (!sep.isNull())
                H_.Char(sep.unicode());
            ++p;
            break;
        }
        case u'\'':
        case u'"': {
            const char16_t* from = p + 1;
            const char16_t* close = std::find(from, end, c);
            H_.Text(from, close - from);
            p = close < end ? close + 1 : end;
            break;
        }
        default: // a letter that is no token: it only sets the last letter
            H_.Text(p, 1);
            ++p;
            break;
        }
    }
}

