#pragma once

#include "platform/locale/ILocaleDatabase.h"

#include <QString>
#include <QStringView>

#include <map>
#include <optional>
#include <set>
#include <tuple>

// A locale database whose every answer a test sets: which identifiers are
// installed, each item's text (or that it fails), the thread locale, and the
// alternative-calendar answers of the era tokens.
class TFakeLocaleDatabase final : public ILocaleDatabase {
public:
    // Installs the identifier with the items of English (United States) as
    // the platform gives them, pictures in the platform syntax.
    void InstallEnglish(LCID Locale);
    void Install(LCID Locale) { Installed_.insert(Locale); }
    void Uninstall(LCID Locale) { Installed_.erase(Locale); }
    void SetItem(LCID Locale, std::uint32_t Item, const QString& Text) { Items_[{Locale, Item}] = Text; }
    void FailItem(LCID Locale, std::uint32_t Item) { Items_[{Locale, Item}] = std::nullopt; }
    // Answer of GetDateFormatAltCalendar for one date and picture; nullopt
    // makes that call fail. Unset dates fail too.
    void SetEra(LCID Locale, int Year, int Month, int Day, const QString& Picture, std::optional<QString> Text);

    int EraCalls() const { return EraCalls_; }
    LCID LastLowerCaseLocale() const { return LastLowerCaseLocale_; }

    bool IsValidLocale(LCID Locale) const override { return Installed_.count(Locale) != 0; }
    std::optional<QString> GetLocaleInfo(LCID Locale, std::uint32_t Item) const override;
    LCID GetThreadLocale() const override { return ThreadLocale_; }
    void SetThreadLocale(LCID Locale) override { ThreadLocale_ = Locale; }
    QString GetUserDefaultLocaleName() const override { return QStringLiteral("en-US"); }
    std::optional<QString> GetDateFormatAltCalendar(LCID Locale, int Year, int Month, int Day,
                                                    QStringView Picture) const override;
    QString LowerCase(LCID Locale, QStringView Text) const override;

private:
    std::set<LCID> Installed_;
    std::map<std::pair<LCID, std::uint32_t>, std::optional<QString>> Items_;
    std::map<std::tuple<LCID, int, int, int, QString>, std::optional<QString>> Eras_;
    LCID ThreadLocale_ = 1033;
    mutable int EraCalls_ = 0;
    mutable LCID LastLowerCaseLocale_ = 0;
};
