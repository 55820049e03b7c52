#pragma once

#include "datetime/TFormatSettings.h"

class ILocaleDatabase;

// The process locale noted at start-up, the system settings record built
// from it, and the locale database everything else asks. Until Init is
// called, the ICU database and the environment's locale are used.
namespace ProcessLocale {

// Notes the thread locale of Db (1033 when it reports 0), its primary
// language and sub-language, and rebuilds the system settings record.
// Db must outlive every later call.
void Init(const ILocaleDatabase& Db);

const ILocaleDatabase& Database();
LCID Identifier();
int PrimaryLanguage();   // Identifier & 0x3FF; 9 when the low 16 bits are 0
int SubLanguage();       // (Identifier >> 10) & 0x3F; 1 when the low 16 bits are 0
const TFormatSettings& SystemSettings();

// TFormatSettings::Create(Locale, Database()), remembered per effective
// locale until the next Init: building a record costs dozens of database reads
// and a linguistic lower-casing, a cached one is a copy.
TFormatSettings CachedFormatSettings(LCID Locale);

} // namespace ProcessLocale
