#pragma once

#include <QStringView>

#include <array>
#include <optional>

// The fixed lists of the clock properties dialog: the format strings behind
// the date and time sample rows, and the locale rows.
namespace Form3Lists {

extern const std::array<QStringView, 68> DateFormats;
extern const std::array<QStringView, 26> TimeFormats;
extern const std::array<QStringView, 99> LocaleRows;

// The decimal integer after the first "," of a locale row (the whole text when
// there is none); nullopt when that is not an integer, as for a group header.
std::optional<int> RowLocaleID(QStringView Row);

} // namespace Form3Lists
