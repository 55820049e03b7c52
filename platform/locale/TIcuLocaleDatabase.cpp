#include "platform/locale/TIcuLocaleDatabase.h"

#include "platform/locale/AltCalendarDate.h"
#include "platform/locale/LcidMapping.h"
#include "platform/locale/TLocaleItems.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace {

constexpr LCID LocaleUserDefault = 0x0400;
constexpr LCID LocaleSystemDefault = 0x0800;
constexpr std::size_t EraCacheLimit = 32;

} // namespace

TIcuLocaleDatabase::TIcuLocaleDatabase()
    : TIcuLocaleDatabase(LcidMapping::FromPosixLocale(LcidMapping::EnvironmentLocaleName()))
{
}

TIcuLocaleDatabase::TIcuLocaleDatabase(LCID ThreadLocale)
    : ThreadLocale_(ThreadLocale), UserLocale_(ThreadLocale), UserLocaleName_(LcidMapping::Bcp47NameOf(ThreadLocale))
{
}

TIcuLocaleDatabase::~TIcuLocaleDatabase() = default;

const TLocaleItems* TIcuLocaleDatabase::Items(LCID Locale) const
{
    std::lock_guard Lock(Mutex_);
    auto Found = Cache_.find(Locale);
    if (Found == Cache_.end()) {
        std::unique_ptr<const TLocaleItems> Built;
        if (const std::optional<std::string> Name = LcidMapping::IcuLocaleOf(Locale))
            Built = TLocaleItems::Build(*Name);
        Found = Cache_.emplace(Locale, std::move(Built)).first;
    }
    return Found->second.get();
}

bool TIcuLocaleDatabase::IsValidLocale(LCID Locale) const
{
    return Items(Locale) != nullptr;
}

std::optional<QString> TIcuLocaleDatabase::GetLocaleInfo(LCID Locale, std::uint32_t Item) const
{
    const TLocaleItems* Found = Items(Locale);
    if (Found == nullptr)
        return std::nullopt;
    return Found->Get(Item);
}

LCID TIcuLocaleDatabase::GetThreadLocale() const
{
    return ThreadLocale_;
}

void TIcuLocaleDatabase::SetThreadLocale(LCID Locale)
{
    // The two default pseudo-identifiers stand for the user's own locale; an
    // identifier that is not installed leaves the thread locale as it was.
    if (Locale == LocaleUserDefault || Locale == LocaleSystemDefault)
        ThreadLocale_ = UserLocale_;
    else if (IsValidLocale(Locale))
        ThreadLocale_ = Locale;
}

QString TIcuLocaleDatabase::GetUserDefaultLocaleName() const
{
    return UserLocaleName_;
}

std::optional<QString> TIcuLocaleDatabase::GetDateFormatAltCalendar(LCID Locale, int Year, int Month, int Day,
                                                                    QStringView Picture) const
{
    const TLocaleItems* Found = Items(Locale);
    if (Found == nullptr)
        return std::nullopt;
    TEraKey Key{Locale, Year, Month, Day, Picture.toString()};
    {
        std::lock_guard Lock(Mutex_);
        if (const auto Hit = EraCache_.find(Key); Hit != EraCache_.end())
            return Hit->second;
    }
    std::optional<QString> Text = AltCalendarDate(Locale, Found->IcuLocale, Year, Month, Day, Picture);
    std::lock_guard Lock(Mutex_);
    if (EraCache_.size() >= EraCacheLimit)
        EraCache_.clear();
    EraCache_.emplace(std::move(Key), Text);
    return Text;
}

QString TIcuLocaleDatabase::LowerCase(LCID Locale, QStringView Text) const
{
    const TLocaleItems* Found = Items(Locale);
    const icu::Locale Casing(Found != nullptr ? Found->IcuLocale.c_str() : "");
    icu::UnicodeString Buffer(reinterpret_cast<const UChar*>(Text.utf16()), int32_t(Text.size()));
    Buffer.toLower(Casing);
    return QString(reinterpret_cast<const QChar*>(Buffer.getBuffer()), Buffer.length());
}
