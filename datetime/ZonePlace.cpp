#include "datetime/ZonePlace.h"

#include "datetime/GeonamesCities.h"
#include "datetime/ProcessLocale.h"
#include "datetime/TZoneCatalog.h"
#include "datetime/TzLinks.h"
#include "platform/locale/ILocaleDatabase.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// Sign, then degrees of DegreeDigits digits, minutes and, when WithSeconds,
// seconds; nullopt when a field is out of range.
std::optional<double> Angle(QByteArrayView Text, int DegreeDigits, bool WithSeconds, int Limit)
{
    const int Fields = WithSeconds ? 3 : 2;
    if (Text.size() != 1 + DegreeDigits + 2 * (Fields - 1) || (Text[0] != '+' && Text[0] != '-'))
        return std::nullopt;
    int Values[3] = {};
    qsizetype At = 1;
    for (int f = 0; f < Fields; ++f) {
        const int Digits = f == 0 ? DegreeDigits : 2;
        for (int d = 0; d < Digits; ++d, ++At) {
            if (Text[At] < '0' || Text[At] > '9')
                return std::nullopt;
            Values[f] = Values[f] * 10 + (Text[At] - '0');
        }
    }
    const auto [Degrees, Minutes, Seconds] = Values;
    if (Minutes >= 60 || Seconds >= 60)
        return std::nullopt;
    const double Value = Degrees + Minutes / 60.0 + Seconds / 3600.0;
    if (Value > Limit)
        return std::nullopt;
    return Text[0] == '-' ? -Value : Value;
}

QString Resolved(const QHash<QString, QString>& Links, const QString& Id)
{
    QString Now = Id;
    // Links name zones, not links; a few steps guard against a table that
    // does otherwise, and against a loop.
    for (int Step = 0; Step < 4; ++Step) {
        const auto Link = Links.constFind(Now);
        if (Link == Links.cend())
            break;
        Now = *Link;
    }
    return Now;
}

struct TZoneTables {
    QHash<QString, TGeoPlace> Principal;
    QHash<QString, QString> Links;
};

QByteArray ReadTzFile(const QString& Name)
{
    QFile File(SystemTzFolder() + u'/' + Name);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

// Read once per process, the first time a place is asked for.
const TZoneTables& ZoneTables()
{
    static const TZoneTables Tables = [] {
        TZoneTables T;
        // zone.tab keeps zones that zone1970.tab folds into another
        // country's (Europe/Amsterdam); where both have a zone they agree.
        T.Principal = ParseZoneTab(ReadTzFile(QStringLiteral("zone.tab")));
        T.Principal.insert(ParseZoneTab(ReadTzFile(QStringLiteral("zone1970.tab"))));
        T.Links = SystemTzLinks();
        return T;
    }();
    return Tables;
}

const TCityPlaces& CityPlaces()
{
    static const TCityPlaces Places(ReadGeonamesCities(ProcessLocale::Database().GetUserDefaultLocaleName()),
                                    ZoneTables().Links);
    return Places;
}

std::string FoldedName(QStringView Name)
{
    return TZoneCatalog::Folded(Name.trimmed()).toStdString();
}

qint32 Microdegrees(double Degrees)
{
    return qint32(std::lround(Degrees * 1e6));
}

} // namespace

std::optional<TGeoPlace> ParseZoneTabCoordinates(QByteArrayView Text)
{
    if (Text.isEmpty())
        return std::nullopt;
    // The longitude starts at the second sign.
    qsizetype Split = 1;
    while (Split < Text.size() && Text[Split] != '+' && Text[Split] != '-')
        ++Split;
    const QByteArrayView LatitudeText = Text.first(Split);
    const QByteArrayView LongitudeText = Text.sliced(Split);
    const bool WithSeconds = LatitudeText.size() == 7;
    const std::optional<double> Latitude = Angle(LatitudeText, 2, WithSeconds, 90);
    const std::optional<double> Longitude = Angle(LongitudeText, 3, WithSeconds, 180);
    if (!Latitude || !Longitude)
        return std::nullopt;
    return TGeoPlace{*Latitude, *Longitude};
}

QHash<QString, TGeoPlace> ParseZoneTab(QByteArrayView TabText)
{
    QHash<QString, TGeoPlace> Places;
    qsizetype Start = 0;
    while (Start < TabText.size()) {
        qsizetype End = TabText.indexOf('\n', Start);
        if (End < 0)
            End = TabText.size();
        const QByteArrayView Line = TabText.sliced(Start, End - Start);
        Start = End + 1;
        if (Line.startsWith('#'))
            continue;
        const QList<QByteArray> Fields = Line.toByteArray().split('\t');
        if (Fields.size() < 3)
            continue;
        const std::optional<TGeoPlace> Place = ParseZoneTabCoordinates(Fields[1].trimmed());
        const QByteArray Zone = Fields[2].trimmed();
        if (Place && !Zone.isEmpty())
            Places.insert(QString::fromLatin1(Zone), *Place);
    }
    return Places;
}

std::optional<TGeoPlace> ZonePrincipalPlace(const QString& ZoneId)
{
    if (ZoneId.isEmpty() || ZoneId.startsWith(u"Etc/"))
        return std::nullopt;
    const TZoneTables& Tables = ZoneTables();
    auto Found = Tables.Principal.constFind(ZoneId);
    if (Found == Tables.Principal.cend())
        Found = Tables.Principal.constFind(Resolved(Tables.Links, ZoneId));
    if (Found == Tables.Principal.cend())
        return std::nullopt;
    return *Found;
}

std::optional<TGeoPlace> ClockPlace(const QString& ClockName, const QString& ZoneId)
{
    if (ZoneId.isEmpty())
        return std::nullopt;
    if (!ClockName.trimmed().isEmpty()) {
        if (const std::optional<TGeoPlace> City = CityPlaces().Find(ClockName, ZoneId))
            return City;
    }
    return ZonePrincipalPlace(ZoneId);
}

TCityPlaces::TCityPlaces(const std::vector<TGeonamesCity>& Cities, const QHash<QString, QString>& Links)
    : Links_(Links)
{
    // Every name of every city first, with its people; then, by name and
    // zone, only the most populous city stays and each name's text is kept
    // once.
    struct TCandidate {
        TEntry Entry;
        quint32 Population = 0;
    };
    std::vector<TCandidate> Candidates;
    Candidates.reserve(Cities.size() * 2);
    std::string AllNames;
    QHash<QString, quint16> ZoneIndex;
    std::vector<std::string> CityNames;
    for (const TGeonamesCity& City : Cities) {
        const QString Zone = Resolved(Links_, City.TimeZone);
        auto Index = ZoneIndex.constFind(Zone);
        if (Index == ZoneIndex.cend()) {
            if (Zones_.size() > 0xffff)
                continue;
            Index = ZoneIndex.insert(Zone, quint16(Zones_.size()));
            Zones_.append(Zone);
        }
        CityNames.clear();
        for (const QString& Name : QStringList{City.Name, City.LocalName} + City.OtherNames) {
            std::string Folded = FoldedName(Name);
            if (Folded.empty() || Folded.size() > 0xffff
                || std::find(CityNames.begin(), CityNames.end(), Folded) != CityNames.end())
                continue;
            TEntry Entry;
            Entry.NameAt = quint32(AllNames.size());
            Entry.NameSize = quint16(Folded.size());
            Entry.Zone = *Index;
            Entry.Latitude = Microdegrees(City.Latitude);
            Entry.Longitude = Microdegrees(City.Longitude);
            AllNames += Folded;
            Candidates.push_back({Entry, City.Population});
            CityNames.push_back(std::move(Folded));
        }
    }
    const auto Name = [&AllNames](const TEntry& E) { return std::string_view(AllNames).substr(E.NameAt, E.NameSize); };
    std::sort(Candidates.begin(), Candidates.end(), [&Name](const TCandidate& A, const TCandidate& B) {
        return std::tuple(Name(A.Entry), A.Entry.Zone, B.Population)
               < std::tuple(Name(B.Entry), B.Entry.Zone, A.Population);
    });
    for (const TCandidate& Each : Candidates) {
        TEntry Entry = Each.Entry;
        const std::string_view Text = Name(Entry);
        const bool SameName = !Entries_.empty() && NameOf(Entries_.back()) == Text;
        if (SameName && Entries_.back().Zone == Entry.Zone)
            continue; // a smaller city of the same name in the same zone
        if (SameName) {
            Entry.NameAt = Entries_.back().NameAt;
        } else {
            Entry.NameAt = quint32(Names_.size());
            Names_ += Text;
        }
        Entries_.push_back(Entry);
    }
    Names_.shrink_to_fit();
    Entries_.shrink_to_fit();
}

std::optional<TGeoPlace> TCityPlaces::Find(QStringView Name, const QString& ZoneId) const
{
    const qsizetype Zone = Zones_.indexOf(Resolved(Links_, ZoneId));
    if (Zone < 0)
        return std::nullopt;
    const std::string Wanted = FoldedName(Name);
    const auto Key = std::tuple(std::string_view(Wanted), quint16(Zone));
    const auto Found = std::lower_bound(Entries_.begin(), Entries_.end(), Key, [this](const TEntry& E, const auto& K) {
        return std::tuple(NameOf(E), E.Zone) < K;
    });
    if (Found == Entries_.end() || std::tuple(NameOf(*Found), Found->Zone) != Key)
        return std::nullopt;
    return TGeoPlace{Found->Latitude / 1e6, Found->Longitude / 1e6};
}
