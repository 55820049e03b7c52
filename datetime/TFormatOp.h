#pragma once

#include <QString>

#include <cstdint>

// One step of a compiled format: everything the format text and the settings
// decide is settled; what is left depends on the moment alone.
// Every step writes its own piece, then its Suffix (literal text that
// follows it in the format).
enum class TFormatOpKind : std::uint8_t {
    Text,           // nothing of its own: only its suffix
    Year2,          // year mod 100, Width digits
    Year,           // year, at least Width digits
    Month,          // numbers, at least Width digits
    Day,
    Hour,
    Hour12,         // the hour on the 12-hour clock
    Minute,
    Second,
    Millisecond,
    MonthName,      // Names[month - 1]
    DayName,        // Names[day of week - 1]
    AmPm,           // hour below 12: Text[0, Length), else Other[0, OtherLength)
    SkipIfMidnight, // at midnight the next Length steps render nothing; no suffix
    EraName,        // Width is the run length
    EraYear,
};

// Plain data: a list of them is filled without constructing anything. The
// pointers point into what the list was made from.
struct TFormatOp {
    TFormatOpKind Kind;
    std::uint8_t Width;
    std::int32_t Length;
    std::int32_t OtherLength;
    std::int32_t SuffixLength;
    const char16_t* Text;
    const char16_t* Other;
    const QString* Names;
    const char16_t* Suffix;
};
