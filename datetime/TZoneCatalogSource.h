#pragma once

#include "datetime/TZoneCatalog.h"

#include <QString>

#include <functional>
#include <memory>

// The zone and city catalog of a run, built when a search first needs it and
// then shared by every search field: the cities alone take some 9 MiB.
class TZoneCatalogSource {
public:
    // UserLocale names the language searched besides English ("ja-JP"); it is
    // asked when the catalog is built.
    explicit TZoneCatalogSource(std::function<QString()> UserLocale) : UserLocale_(std::move(UserLocale)) {}

    TZoneCatalog& Catalog()
    {
        if (!Catalog_)
            Catalog_ = std::make_unique<TZoneCatalog>(UserLocale_ ? UserLocale_() : QString());
        return *Catalog_;
    }

private:
    std::function<QString()> UserLocale_;
    std::unique_ptr<TZoneCatalog> Catalog_;
};
