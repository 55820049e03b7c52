#pragma once

#include "platform/locale/ILocaleDatabase.h"

#include <QString>
#include <QStringView>

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

struct TLocaleItems;

// The locale database backed by ICU. Each identifier's items are built from
// ICU once, on first use, and kept: building the date symbols of one locale
// costs tens of microseconds, a clock tick must not pay that.
class TIcuLocaleDatabase final : public ILocaleDatabase {
public:
    // The thread locale comes from the environment (LC_ALL, else LC_TIME,
    // else LANG); an unset, "C", "POSIX" or unknown locale gives 1033.
    TIcuLocaleDatabase();
    explicit TIcuLocaleDatabase(LCID ThreadLocale);
    ~TIcuLocaleDatabase() override;

    TIcuLocaleDatabase(const TIcuLocaleDatabase&) = delete;
    TIcuLocaleDatabase& operator=(const TIcuLocaleDatabase&) = delete;

    // True when ICU maps the identifier to a locale it holds real data for.
    // The neutral identifiers 0x0400, 0x0800, 0x0C00 and 0x1000 map to the
    // root locale, which names no language: they count as not installed.
    bool IsValidLocale(LCID Locale) const override;
    std::optional<QString> GetLocaleInfo(LCID Locale, std::uint32_t Item) const override;
    LCID GetThreadLocale() const override;
    void SetThreadLocale(LCID Locale) override;
    // BCP 47 name of the environment's locale ("ja-JP"), independent of
    // SetThreadLocale; "en-US" when the environment names none.
    QString GetUserDefaultLocaleName() const override;
    std::optional<QString> GetDateFormatAltCalendar(LCID Locale, int Year, int Month, int Day,
                                                    QStringView Picture) const override;
    QString LowerCase(LCID Locale, QStringView Text) const override;

private:
    // Null when the identifier is not installed.
    const TLocaleItems* Items(LCID Locale) const;

    LCID ThreadLocale_;
    LCID UserLocale_;
    QString UserLocaleName_;
    mutable std::mutex Mutex_;
    mutable std::map<LCID, std::unique_ptr<const TLocaleItems>> Cache_;
    // Era texts asked for by every tick of a clock with era tokens; the date
    // changes once a day, so a few entries suffice.
    using TEraKey = std::tuple<LCID, int, int, int, QString>;
    mutable std::map<TEraKey, std::optional<QString>> EraCache_;
};
