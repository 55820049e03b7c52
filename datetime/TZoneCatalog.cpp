#include "datetime/TZoneCatalog.h"

#include "datetime/GeonamesCities.h"
#include "datetime/TzLinks.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>

#include <algorithm>
#include <memory>

namespace {

QString FromIcu(const icu::UnicodeString& Text)
{
    return QString(reinterpret_cast<const QChar*>(Text.getBuffer()), Text.length());
}

icu::UnicodeString ToIcu(const QString& Text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(Text.utf16()), int32_t(Text.size()));
}

icu::Locale IcuLocale(const QString& Tag)
{
    UErrorCode Status = U_ZERO_ERROR;
    return icu::Locale::forLanguageTag(Tag.toStdString(), Status);
}

bool OwnLanguage(const QString& UserLocale)
{
    return !UserLocale.isEmpty() && QLocale(UserLocale).language() != QLocale::English;
}

// A country's name in a language, from ICU.
QString CountryName(const QString& Code, const icu::Locale& Language)
{
    icu::UnicodeString Name;
    icu::Locale(nullptr, Code.toLatin1().constData()).getDisplayCountry(Language, Name);
    return FromIcu(Name);
}

// The zones a user can pick: every location zone of the database, and UTC.
// Qt's own "UTC+09:00" forms are fixed offsets, which the clock has already.
QList<QByteArray> LocationZones()
{
    QList<QByteArray> Ids;
    for (const QByteArray& Id : QTimeZone::availableTimeZoneIds()) {
        if (Id.contains('/') && !Id.startsWith("Etc/"))
            Ids.append(Id);
    }
    Ids.append("UTC");
    return Ids;
}

// Names of one zone in one language, as ICU knows them.
struct TNames {
    QString City;
    QString Region;
    QStringList Names;
};

class TNameSource {
public:
    explicit TNameSource(const icu::Locale& Locale)
        : Locale_(Locale)
    {
        UErrorCode Status = U_ZERO_ERROR;
        Names_.reset(icu::TimeZoneNames::createInstance(Locale, Status));
        if (U_FAILURE(Status))
            Names_.reset();
    }

    TNames Of(const icu::UnicodeString& CanonicalId, const QString& Territory, UDate Winter, UDate Summer) const
    {
        TNames N;
        if (!Territory.isEmpty())
            N.Region = CountryName(Territory, Locale_);
        if (!Names_)
            return N;
        icu::UnicodeString Text;
        N.City = FromIcu(Names_->getExemplarLocationName(CanonicalId, Text));
        for (const UTimeZoneNameType Type : {UTZNM_LONG_GENERIC, UTZNM_LONG_STANDARD, UTZNM_LONG_DAYLIGHT,
                                              UTZNM_SHORT_GENERIC, UTZNM_SHORT_STANDARD, UTZNM_SHORT_DAYLIGHT}) {
            for (const UDate At : {Winter, Summer}) {
                const QString Name = FromIcu(Names_->getDisplayName(CanonicalId, Type, At, Text));
                if (!Name.isEmpty() && !N.Names.contains(Name))
                    N.Names.append(Name);
            }
        }
        return N;
    }

private:
    icu::Locale Locale_;
    std::unique_ptr<icu::TimeZoneNames> Names_;
};

// How Query sits in Key: 0 the whole key, 1 its start, 2 the start of a
// word in it, 3 elsewhere; -1 nowhere.
int Rank(QStringView Key, QStringView Query)
{
    qsizetype At = Key.indexOf(Query);
    if (At < 0)
        return -1;
    if (At == 0)
        return Key.size() == Query.size() ? 0 : 1;
    for (; At > 0; At = Key.indexOf(Query, At + 1)) {
        const QChar Before = Key[At - 1];
        if (!Before.isLetterOrNumber())
            return 2;
    }
    return 3;
}

int BestRank(const QStringList& Keys, QStringView Query)
{
    int Best = -1;
    for (const QString& Key : Keys) {
        const int R = Rank(Key, Query);
        if (R >= 0 && (Best < 0 || R < Best))
            Best = R;
        if (Best == 0)
            break;
    }
    return Best;
}

void AddKey(QStringList& Keys, const QString& Text)
{
    if (Text.isEmpty())
        return;
    const QString Key = TZoneCatalog::Folded(Text);
    if (!Keys.contains(Key))
        Keys.append(Key);
}

} // namespace

QString TZoneCatalog::Folded(QStringView Text)
{
    // Most names are plain ASCII: no decomposition needed.
    const bool Ascii = std::all_of(Text.begin(), Text.end(), [](QChar C) { return C.unicode() < 0x80; });
    if (Ascii) {
        QString Result = Text.toString().toLower();
        Result.replace(u'_', u' ');
        return Result;
    }
    const QString Decomposed = Text.toString().normalized(QString::NormalizationForm_D);
    QString Result;
    Result.reserve(Decomposed.size());
    QChar Base;
    for (const QChar C : Decomposed) {
        // Accents of the alphabets (é, ü, ø) go; the voicing marks of kana
        // and other scripts' marks tell words apart and stay.
        if (C.category() == QChar::Mark_NonSpacing && Base.unicode() < 0x0530)
            continue;
        Base = C;
        Result.append(C == u'_' ? QChar(u' ') : C);
    }
    return Result.toCaseFolded();
}

TZoneCatalog::TZoneCatalog(const QString& UserLocale)
    : TZoneCatalog(UserLocale, ReadGeonamesCities(UserLocale))
{
}

TZoneCatalog::TZoneCatalog(const QString& UserLocale, const std::vector<TGeonamesCity>& Cities)
{
    AddZones(UserLocale);
    AddCities(Cities, UserLocale);
}

void TZoneCatalog::AddZones(const QString& UserLocale)
{
    const TNameSource English(icu::Locale::getEnglish());
    const bool Own = OwnLanguage(UserLocale);
    const TNameSource User(IcuLocale(UserLocale));

    // Names and abbreviations of both seasons of this year.
    const int Year = QDate::currentDate().year();
    const QDateTime Winter(QDate(Year, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime Summer(QDate(Year, 7, 15), QTime(12, 0), Qt::UTC);
    const UDate WinterMs = UDate(Winter.toMSecsSinceEpoch());
    const UDate SummerMs = UDate(Summer.toMSecsSinceEpoch());

    for (const QByteArray& RawId : LocationZones()) {
        TZone Zone;
        Zone.Id = QString::fromLatin1(RawId);
        Zone.Offset = TZoneOffset(Zone.Id);
        if (!Zone.Offset.IsKnown())
            continue;
        const QTimeZone Rules(RawId);
        const QString Territory = Rules.territory() == QLocale::AnyTerritory
                                      ? QString()
                                      : QLocale::territoryToCode(Rules.territory());
        // ICU names zones by their CLDR ids (Asia/Calcutta for Asia/Kolkata).
        icu::UnicodeString Canonical;
        UBool System = false;
        UErrorCode Status = U_ZERO_ERROR;
        icu::TimeZone::getCanonicalID(ToIcu(Zone.Id), Canonical, System, Status);
        if (U_FAILURE(Status) || Canonical.isEmpty())
            Canonical = ToIcu(Zone.Id);

        const TNames En = English.Of(Canonical, Territory, WinterMs, SummerMs);
        Zone.City = En.City;
        Zone.Region = En.Region;
        AddKey(Zone.Keys, En.City);
        AddKey(Zone.Keys, En.Region);
        AddKey(Zone.Labels, Zone.Id);
        for (const QString& Name : En.Names)
            AddKey(Zone.Labels, Name);
        if (Own) {
            const TNames Local = User.Of(Canonical, Territory, WinterMs, SummerMs);
            AddKey(Zone.Keys, Local.City);
            AddKey(Zone.Keys, Local.Region);
            for (const QString& Name : Local.Names)
                AddKey(Zone.Labels, Name);
            if (!Local.City.isEmpty())
                Zone.City = Local.City;
            if (!Local.Region.isEmpty())
                Zone.Region = Local.Region;
        }
        if (Zone.City.isEmpty()) { // a zone ICU does not know yet
            Zone.City = Zone.Id.section(u'/', -1).replace(u'_', u' ');
            AddKey(Zone.Keys, Zone.City);
        }
        for (const QDateTime& At : {Winter, Summer}) {
            const QString Abbreviation = Rules.abbreviation(At);
            if (!Abbreviation.isEmpty() && Abbreviation[0].isLetter())
                AddKey(Zone.Labels, Abbreviation);
        }
        ZoneIndex_.insert(Zone.Id, int(Zones_.size()));
        Zones_.push_back(std::move(Zone));
    }
    // Former ids find their zone, and a clock that stored one shows it.
    const QHash<QString, QString> Links = SystemTzLinks();
    for (auto Link = Links.cbegin(); Link != Links.cend(); ++Link) {
        const int Index = ZoneIndex_.value(Link.value(), -1);
        if (Index < 0 || ZoneIndex_.contains(Link.key()))
            continue;
        ZoneIndex_.insert(Link.key(), Index);
        AddKey(Zones_[std::size_t(Index)].Labels, Link.key());
    }
}

void TZoneCatalog::AddCities(const std::vector<TGeonamesCity>& Cities, const QString& UserLocale)
{
    const icu::Locale Language = OwnLanguage(UserLocale) ? IcuLocale(UserLocale) : icu::Locale::getEnglish();
    QHash<QString, int> CountryIndex;
    QHash<QString, int> StateIndex;
    Cities_.reserve(Cities.size());
    for (const TGeonamesCity& Each : Cities) {
        const int Zone = ZoneIndex_.value(Each.TimeZone, -1);
        if (Zone < 0)
            continue; // a zone this system does not have
        TCity City;
        City.Zone = Zone;
        City.People = Each.Population;
        City.Name = Each.LocalName.isEmpty() ? Each.Name : Each.LocalName;
        AddKey(City.Keys, Each.Name);
        AddKey(City.Keys, Each.LocalName);
        for (const QString& Other : Each.OtherNames)
            AddKey(City.Keys, Other);

        auto Country = CountryIndex.constFind(Each.CountryCode);
        if (Country == CountryIndex.cend()) {
            QString Name = CountryName(Each.CountryCode, Language);
            Countries_.push_back({Name, Folded(Name)});
            Country = CountryIndex.insert(Each.CountryCode, int(Countries_.size() - 1));
        }
        City.Country = *Country;
        if (!Each.State.isEmpty()) {
            const QString StateKey = Each.CountryCode + u'|' + Each.State;
            auto State = StateIndex.constFind(StateKey);
            if (State == StateIndex.cend()) {
                States_.push_back({Each.State, Folded(Each.State)});
                State = StateIndex.insert(StateKey, int(States_.size() - 1));
            }
            City.State = *State;
        }
        Zones_[std::size_t(Zone)].People += Each.Population;
        Cities_.push_back(std::move(City));
    }
}

int TZoneCatalog::ZoneOf(int Index) const
{
    return Index < Size() ? Index : Cities_[std::size_t(Index - Size())].Zone;
}

const QString& TZoneCatalog::Name(int Index) const
{
    return Index < Size() ? Zones_[std::size_t(Index)].City : Cities_[std::size_t(Index - Size())].Name;
}

int TZoneCatalog::Find(QStringView Id) const
{
    return ZoneIndex_.value(Id.toString(), -1);
}

QList<int> TZoneCatalog::Search(QStringView Query, qint64 UtcMs)
{
    const QString Wanted = Folded(Query.trimmed());
    struct THit {
        int Class;
        qint64 People;
        int Offset;
        int Index;
    };
    std::vector<THit> Hits;
    if (Wanted.isEmpty()) {
        for (std::size_t i = 0; i < Zones_.size(); ++i)
            Hits.push_back({0, 0, Zones_[i].Offset.SecondsAt(UtcMs), int(i)});
    } else {
        // The best class a city gives each zone: a zone it answers as well
        // is not listed twice.
        std::vector<int> CityClass(Zones_.size(), 4);
        std::vector<int> StateClass(States_.size(), -1);
        // A state counts whole or by a word's start: its cities come last.
        for (std::size_t s = 0; s < States_.size(); ++s) {
            const int R = Rank(States_[s].Key, Wanted);
            StateClass[s] = R >= 0 && R <= 2 ? 3 : -1;
        }
        for (std::size_t c = 0; c < Cities_.size(); ++c) {
            const TCity& City = Cities_[c];
            int Class = BestRank(City.Keys, Wanted);
            if (Class < 0 && City.State >= 0)
                Class = StateClass[std::size_t(City.State)];
            if (Class < 0)
                continue;
            CityClass[std::size_t(City.Zone)] = std::min(CityClass[std::size_t(City.Zone)], Class);
            Hits.push_back({Class, City.People, 0, int(Size() + qsizetype(c))});
        }
        for (std::size_t z = 0; z < Zones_.size(); ++z) {
            const TZone& Zone = Zones_[z];
            int Class = BestRank(Zone.Keys, Wanted);
            const int Label = BestRank(Zone.Labels, Wanted);
            // A zone's names and ids count whole or by a word's start only.
            const int LabelClass = Label == 0 ? 0 : Label > 0 && Label <= 2 ? 2 : Label;
            if (LabelClass >= 0 && (Class < 0 || LabelClass < Class))
                Class = LabelClass;
            if (Class < 0 || CityClass[z] <= Class)
                continue;
            Hits.push_back({Class, Zone.People, 0, int(z)});
        }
        for (THit& Hit : Hits)
            Hit.Offset = OffsetAt(Hit.Index, UtcMs);
    }
    std::sort(Hits.begin(), Hits.end(), [this](const THit& A, const THit& B) {
        if (A.Class != B.Class)
            return A.Class < B.Class;
        if (A.People != B.People)
            return A.People > B.People;
        if (A.Offset != B.Offset)
            return A.Offset < B.Offset;
        return Name(A.Index) < Name(B.Index);
    });
    QList<int> Result;
    Result.reserve(qsizetype(Hits.size()));
    for (const THit& Hit : Hits)
        Result.append(Hit.Index);
    return Result;
}

QString TZoneCatalog::Place(int Index) const
{
    if (Index < Size()) {
        const TZone& Zone = Zones_[std::size_t(Index)];
        return Zone.Region.isEmpty() || Zone.Region == Zone.City ? Zone.City : Zone.City + QStringLiteral(", ") + Zone.Region;
    }
    const TCity& City = Cities_[std::size_t(Index - Size())];
    QStringList Parts{City.Name};
    const auto Add = [&Parts](const QString& Text) {
        if (!Text.isEmpty() && Text != Parts.back())
            Parts.append(Text);
    };
    if (City.State >= 0)
        Add(States_[std::size_t(City.State)].Name);
    if (City.Country >= 0)
        Add(Countries_[std::size_t(City.Country)].Name);
    return Parts.join(QStringLiteral(", "));
}

QString TZoneCatalog::RowText(int Index, qint64 UtcMs)
{
    const int Seconds = OffsetAt(Index, UtcMs);
    const int Minutes = std::abs(Seconds) / 60;
    return QStringLiteral("(UTC%1%2:%3) %4 \u2014 %5")
        .arg(QChar(Seconds < 0 ? u'-' : u'+'))
        .arg(Minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(Minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(Place(Index), Id(Index));
}
