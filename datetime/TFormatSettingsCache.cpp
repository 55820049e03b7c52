#include "datetime/TFormatSettingsCache.h"

std::optional<TFormatSettings> TFormatSettingsCache::Find(LCID Locale) const
{
    const std::lock_guard lock(Mutex_);
    const auto it = Records_.find(Locale);
    if (it == Records_.end())
        return std::nullopt;
    return it->second;
}

void TFormatSettingsCache::Store(LCID Locale, const TFormatSettings& Settings)
{
    const std::lock_guard lock(Mutex_);
    Records_.insert_or_assign(Locale, Settings);
}

void TFormatSettingsCache::Clear()
{
    const std::lock_guard lock(Mutex_);
    Records_.clear();
}
