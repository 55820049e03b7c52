#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The locale items of one installed locale, read from ICU once and answered
// from memory afterwards. Pictures are in the Windows picture syntax.
struct TLocaleItems {
    std::string IcuLocale;                     // "ja_JP", without keywords
    std::array<QString, 7> DayNames;           // [0] is Monday
    std::array<QString, 7> AbbrevDayNames;     // [0] is Monday
    std::array<QString, 12> MonthNames;        // [0] is January
    std::array<QString, 12> AbbrevMonthNames;  // [0] is January
    std::optional<QString> DateSeparator;
    std::optional<QString> TimeSeparator;
    QString ShortDate;
    QString LongDate;
    QString TimeFormat;
    QString ShortTime;
    QString AmSymbol;
    QString PmSymbol;
    bool TwoLetterHour = false;
    bool TwentyFourHour = false;
    bool MarkerBeforeHour = false;
    int CalendarType = 1;

    // Null when ICU cannot open the locale's date formats.
    static std::unique_ptr<const TLocaleItems> Build(const std::string& IcuLocale);

    // The item's text, nullopt for an item this database does not know.
    std::optional<QString> Get(std::uint32_t Item) const;
};
