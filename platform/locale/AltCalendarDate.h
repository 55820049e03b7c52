#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>

using LCID = std::uint32_t;

// A Gregorian date written in the alternative calendar of a locale: Japanese
// eras, the Republic of China era for Taiwan, the Buddhist era for Thai, the
// Tangun era for Korean and the Gregorian era for every other locale.
// Picture letters: g (any run) the era name, y the year in the era without
// padding, yy its last two digits, yyy and longer the whole year; quoted text
// and other characters are copied. Nullopt for an impossible date or an
// unknown picture letter.
std::optional<QString> AltCalendarDate(LCID Locale, const std::string& IcuLocale, int Year, int Month, int Day,
                                       QStringView Picture);
