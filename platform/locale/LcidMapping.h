#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using LCID = std::uint32_t;

// Between Windows locale identifiers, ICU locale ids and the POSIX locale
// names of the environment.
namespace LcidMapping {

constexpr LCID EnglishUnitedStates = 1033;

// The ICU locale id ("ja_JP") of an identifier that ICU maps and holds real
// data for; nullopt otherwise. The neutral identifiers that map to the root
// locale name no language and give nullopt too.
std::optional<std::string> IcuLocaleOf(LCID Locale);

// "ja_JP.UTF-8" -> 1041, "sr_RS@latin" -> 9242. "C", "POSIX", empty and
// unknown names give 1033.
LCID FromPosixLocale(std::string_view Name);

// The locale name that decides the time conventions: LC_ALL, else LC_TIME,
// else LANG (empty values count as unset).
std::string EnvironmentLocaleName();

// BCP 47 name of an identifier ("ja-JP"); "en-US" when it has none.
QString Bcp47NameOf(LCID Locale);

} // namespace LcidMapping
