#pragma once

#include "datetime/TFormatSettings.h"

#include <map>
#include <mutex>
#include <optional>

// Built records per locale identifier. Lookups copy the record (its strings
// are shared, so a copy is a handful of reference counts).
class TFormatSettingsCache {
public:
    std::optional<TFormatSettings> Find(LCID Locale) const;
    void Store(LCID Locale, const TFormatSettings& Settings);
    void Clear();

private:
    mutable std::mutex Mutex_;
    std::map<LCID, TFormatSettings> Records_;
};
