#pragma once

#include "datetime/ProcessLocale.h"
#include "datetime/TZoneCatalogSource.h"
#include "dialogs/TForm3.h"
#include "platform/TWindowSystem.h"
#include "platform/locale/ILocaleDatabase.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TSettableNow.h"

#include <QStringList>

#include <memory>

// Every service of the properties dialog as a double, and the complete set:
// the samples show a "now" the test sets, in the conventions of the process
// locale database; the font dialog answers as preset; help pages are noted;
// the dialog is sized from the screen's work area, as the tests measure it.
// A test that needs another double puts it into the set by name.
struct TForm3Doubles {
    TSettableNow Now;
    TFakeFontChooser Fonts;
    TWindowSystem Screen;
    QStringList HelpPages;
    std::shared_ptr<TZoneCatalogSource> Zones = ZonesIn(ProcessLocale::Database());

    TForm3Services Services()
    {
        return {
            .Now = &Now,
            .Conventions = [](LCID Locale) { return TFormatSettings::Create(Locale); },
            .FontChooser = &Fonts,
            .WindowSystem = &Screen,
            .OpenHelp = [this](const QString& Page) { HelpPages.append(Page); },
            .Zones = Zones,
        };
    }

    // The zones and cities searched in the language of Db's user locale.
    static std::shared_ptr<TZoneCatalogSource> ZonesIn(const ILocaleDatabase& Db)
    {
        return std::make_shared<TZoneCatalogSource>([&Db] { return Db.GetUserDefaultLocaleName(); });
    }
};
