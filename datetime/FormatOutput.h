#pragma once

// The pieces both writers of the format language share: the one that runs a
// compiled list of steps and the one that writes while the format is scanned.

#include "datetime/TDecodedMoment.h"
#include "datetime/TFormatOp.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <cstring>

namespace FormatOutput {

// Characters a number can take: a year, any 64-bit count with its sign
// (decodable years have at most nine digits); every other field at most
// three, or two and a sign.
constexpr int YearRoom = 20;
constexpr int FieldRoom = 3;

// Names and literals are short: fixed-size moves that overlap instead of a
// call to memcpy.
inline char16_t* Put(char16_t* Cur, const char16_t* Text, qsizetype Count) noexcept
{
    if (Count >= 4 && Count <= 8) {
        std::uint64_t head, tail;
        std::memcpy(&head, Text, 8);
        std::memcpy(&tail, Text + Count - 4, 8);
        std::memcpy(Cur, &head, 8);
        std::memcpy(Cur + Count - 4, &tail, 8);
    } else if (Count >= 2 && Count < 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, Text, 4);
        std::memcpy(&tail, Text + Count - 2, 4);
        std::memcpy(Cur, &head, 4);
        std::memcpy(Cur + Count - 2, &tail, 4);
    } else if (Count == 1) {
        *Cur = *Text;
    } else if (Count > 8) {
        std::memcpy(Cur, Text, size_t(Count) * sizeof(char16_t));
    }
    return Cur + Count;
}

// Through a view: QString::utf16() may reallocate a string it did not make.
inline char16_t* Put(char16_t* Cur, QStringView Text) noexcept { return Put(Cur, Text.utf16(), Text.size()); }

// "00" to "99", two characters each.
inline constexpr std::array<char16_t, 200> DigitPairs = [] {
    std::array<char16_t, 200> table{};
    for (int i = 0; i < 100; ++i) {
        table[size_t(2 * i)] = char16_t(u'0' + i / 10);
        table[size_t(2 * i + 1)] = char16_t(u'0' + i % 10);
    }
    return table;
}();

inline void PutPair(char16_t* To, unsigned Value) noexcept
{
    std::memcpy(To, &DigitPairs[2 * Value], 2 * sizeof(char16_t));
}

char16_t* PutNumberSlow(char16_t* Cur, std::int64_t Value, int MinWidth) noexcept;

// Decimal, zero-padded to MinWidth, never cut; a minus sign leads.
[[gnu::always_inline]] inline char16_t* PutNumber(char16_t* Cur, std::int64_t Value, int MinWidth) noexcept
{
    if (Value >= 0 && Value < 100 && MinWidth <= 2) {
        const auto v = unsigned(Value);
        if (v < 10 && MinWidth < 2) {
            *Cur = char16_t(u'0' + v);
            return Cur + 1;
        }
        PutPair(Cur, v);
        return Cur + 2;
    }
    if (Value >= 0 && Value < 1000 && MinWidth == 3) { // milliseconds
        const auto v = unsigned(Value);
        Cur[0] = char16_t(u'0' + v / 100);
        PutPair(Cur + 1, v % 100);
        return Cur + 3;
    }
    if (Value >= 1000 && Value < 10000 && MinWidth <= 4) {
        const auto v = unsigned(Value);
        PutPair(Cur, v / 100);
        PutPair(Cur + 2, v % 100);
        return Cur + 4;
    }
    return PutNumberSlow(Cur, Value, MinWidth);
}

// The number a numeric step writes.
[[gnu::always_inline]] inline char16_t* PutField(char16_t* Cur, TFormatOpKind Kind, int Width, const TDecodedMoment& M) noexcept
{
    switch (Kind) {
    case TFormatOpKind::Year2: {
        const std::int64_t y = M.Year();
        return PutNumber(Cur, y < 0 ? -(-y % 100) : y % 100, 2);
    }
    case TFormatOpKind::Year: return PutNumber(Cur, M.Year(), Width);
    case TFormatOpKind::Month: return PutNumber(Cur, M.Month(), Width);
    case TFormatOpKind::Day: return PutNumber(Cur, M.Day(), Width);
    case TFormatOpKind::Hour: return PutNumber(Cur, M.Hour(), Width);
    case TFormatOpKind::Hour12: {
        int h = M.Hour();
        if (M.Valid()) {
            h %= 12;
            if (h == 0)
                h = 12;
        }
        return PutNumber(Cur, h, Width);
    }
    case TFormatOpKind::Minute: return PutNumber(Cur, M.Minute(), Width);
    case TFormatOpKind::Second: return PutNumber(Cur, M.Second(), Width);
    case TFormatOpKind::Millisecond: return PutNumber(Cur, M.Millisecond(), Width);
    default: return Cur;
    }
}

// The name a name step writes; nullptr for an undecodable moment, which has
// no month and no weekday.
inline const QString* NameOf(TFormatOpKind Kind, const QString* Names, const TDecodedMoment& M) noexcept
{
    const int index = Kind == TFormatOpKind::MonthName ? M.Month() : M.DayOfWeek();
    return index >= 1 ? &Names[index - 1] : nullptr;
}

// The text of an era step (EraName or EraYear with its run length), asked
// of the process locale now; empty when the platform has none.
QString EraText(TFormatOpKind Kind, int Run, const TDecodedMoment& M);

} // namespace FormatOutput
