#include "datetime/ProcessLocale.h"

#include "datetime/TFormatSettingsCache.h"
#include "platform/locale/TIcuLocaleDatabase.h"

#include <optional>

namespace {

constexpr LCID EnglishUnitedStates = 1033;

// The process locale is state of the whole process by nature: it is noted at
// start-up (and again when the user's regional settings change).
struct TProcessLocaleState {
    const ILocaleDatabase* Db = nullptr;
    bool Noted = false;
    LCID Identifier = EnglishUnitedStates;
    int PrimaryLanguage = 9;
    int SubLanguage = 1;
    std::optional<TFormatSettings> System;
    TFormatSettingsCache Cache;
};

TProcessLocaleState& State()
{
    static TProcessLocaleState state;
    return state;
}

const ILocaleDatabase& DefaultDatabase()
{
    static TIcuLocaleDatabase db;
    return db;
}

void Note(TProcessLocaleState& S, const ILocaleDatabase& Db)
{
    const LCID thread = Db.GetThreadLocale();
    S.Identifier = thread == 0 ? EnglishUnitedStates : thread;
    const bool neutral = (S.Identifier & 0xFFFF) == 0;
    S.PrimaryLanguage = neutral ? 9 : int(S.Identifier & 0x3FF);
    S.SubLanguage = neutral ? 1 : int((S.Identifier >> 10) & 0x3F);
    S.Noted = true;
}

TProcessLocaleState& NotedState()
{
    TProcessLocaleState& s = State();
    if (!s.Noted)
        Note(s, ProcessLocale::Database());
    return s;
}

} // namespace

namespace ProcessLocale {

void Init(const ILocaleDatabase& Db)
{
    TProcessLocaleState& s = State();
    s.Db = &Db;
    s.Cache.Clear();
    s.System.reset();
    Note(s, Db);
    s.System = TFormatSettings::Create(s.Identifier, Db);
}

const ILocaleDatabase& Database()
{
    const TProcessLocaleState& s = State();
    return s.Db ? *s.Db : DefaultDatabase();
}

LCID Identifier() { return NotedState().Identifier; }
int PrimaryLanguage() { return NotedState().PrimaryLanguage; }
int SubLanguage() { return NotedState().SubLanguage; }

const TFormatSettings& SystemSettings()
{
    TProcessLocaleState& s = NotedState();
    if (!s.System)
        s.System = TFormatSettings::Create(s.Identifier, Database());
    return *s.System;
}

TFormatSettings CachedFormatSettings(LCID Locale)
{
    TProcessLocaleState& s = NotedState();
    const ILocaleDatabase& db = Database();
    // Every identifier that is not installed shares the thread locale's record.
    const LCID effective = db.IsValidLocale(Locale) ? Locale : db.GetThreadLocale();
    if (std::optional<TFormatSettings> cached = s.Cache.Find(effective))
        return *std::move(cached);
    TFormatSettings fs = TFormatSettings::Create(effective, db);
    s.Cache.Store(effective, fs);
    return fs;
}

} // namespace ProcessLocale
