#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

using LCID = std::uint32_t;

// Locale item numbers, as the locale database is asked for them.
namespace LocaleItem {
constexpr std::uint32_t SDAYNAME1 = 0x2A;        // ..0x30, Monday first
constexpr std::uint32_t SABBREVDAYNAME1 = 0x31;  // ..0x37
constexpr std::uint32_t SMONTHNAME1 = 0x38;      // ..0x43
constexpr std::uint32_t SABBREVMONTHNAME1 = 0x44; // ..0x4F
constexpr std::uint32_t SDATE = 0x1D;
constexpr std::uint32_t STIME = 0x1E;
constexpr std::uint32_t SSHORTDATE = 0x1F;
constexpr std::uint32_t SLONGDATE = 0x20;
constexpr std::uint32_t ITIME = 0x23;
constexpr std::uint32_t ITLZERO = 0x25;
constexpr std::uint32_t S1159 = 0x28;
constexpr std::uint32_t S2359 = 0x29;
constexpr std::uint32_t SSHORTTIME = 0x79;
constexpr std::uint32_t STIMEFORMAT = 0x1003;
constexpr std::uint32_t ITIMEMARKPOSN = 0x1005;
constexpr std::uint32_t ICALENDARTYPE = 0x1009;
} // namespace LocaleItem

// What the system needs of the platform's national-language support. Pictures
// are answered in the Windows picture syntax (yyyy, MM, dd, HH, mm, tt, gg,
// quoted literals).
class ILocaleDatabase {
public:
    virtual ~ILocaleDatabase() = default;

    virtual bool IsValidLocale(LCID Locale) const = 0;
    // The item's full text, or nullopt when the item cannot be delivered. The
    // caller applies its own buffer size.
    virtual std::optional<QString> GetLocaleInfo(LCID Locale, std::uint32_t Item) const = 0;
    // The user-interface thread's locale (may be 0).
    virtual LCID GetThreadLocale() const = 0;
    virtual void SetThreadLocale(LCID Locale) = 0;
    virtual QString GetUserDefaultLocaleName() const = 0;
    // A date in the locale's alternative calendar with the picture "gg", "yy"
    // or "yyyy"; nullopt on failure.
    virtual std::optional<QString> GetDateFormatAltCalendar(LCID Locale, int Year, int Month, int Day,
                                                            QStringView Picture) const = 0;
    // Linguistic lower-casing in the given locale.
    virtual QString LowerCase(LCID Locale, QStringView Text) const = 0;
};
