#include "datetime/GeonamesCities.h"

#include "common/GettextCatalog.h"

#include <QHash>

#include <cstring>

#include <geonames.h>

namespace {

// Names users still look for that GeoNames does not hold as the city's name:
// former names, and the English name of a city it calls otherwise. Keyed by
// GeoNames id, which does not change when a city is renamed.
struct TOtherName {
    const char* GeonameId;
    const char* Name;
};
constexpr TOtherName OtherNames[] = {
    {"1275339", "Bombay"},     // Mumbai
    {"1275004", "Calcutta"},   // Kolkata
    {"1264527", "Madras"},     // Chennai
    {"1277333", "Bangalore"},  // Bengaluru
    {"1816670", "Peking"},     // Beijing
    {"1809858", "Canton"},     // Guangzhou
    {"1566083", "Saigon"},     // Ho Chi Minh City
    {"703448", "Kiev"},        // Kyiv
    {"1298824", "Rangoon"},    // Yangon
    {"1526273", "Astana"},     // Nur-Sultan (named Astana again in 2022)
    {"4140963", "Washington"}, // Washington D.C.
};

// A city of libgeonames is a GVariant (id, name, state code, state,
// country code, country, zone, population, latitude, longitude); the
// library's own getters translate through the process locale, which is not
// the language asked for.
constexpr const char* CityType = "(sssssssudd)";
constexpr const char* CityTypeFields = "(&s&s&s&s&s&s&sudd)";
constexpr int CityStrings = 7;

struct TCityFields {
    const char* Text[CityStrings]; // id, name, state code, state, country code, country, zone
    guint32 Population = 0;
    gdouble Latitude = 0;
    gdouble Longitude = 0;
};

// The fields straight from the city's serialised form, which GLib documents:
// the strings one after another, each ending in a nul, the end of each given
// by a framing offset at the back of the record (last string's first), then
// the population aligned to 4 bytes and the two coordinates aligned to 8.
// Unpacking the tuple through
// g_variant_get costs ten times as much. False when the bytes do not fit.
bool ReadSerialised(GeonamesCity* City, TCityFields& Fields)
{
    const gsize Size = g_variant_get_size(City);
    const auto* Data = static_cast<const guchar*>(g_variant_get_data(City));
    if (!Data)
        return false;
    const gsize Width = Size <= 0xff ? 1 : Size <= 0xffff ? 2 : 4;
    if (Size < Width * CityStrings)
        return false;
    const gsize Framing = Size - Width * CityStrings;
    gsize Start = 0;
    for (int i = 0; i < CityStrings; ++i) {
        gsize End = 0;
        const guchar* Offset = Data + Size - Width * gsize(i + 1);
        for (gsize b = 0; b < Width; ++b)
            End |= gsize(Offset[b]) << (8 * b);
        if (End <= Start || End > Framing || Data[End - 1] != 0)
            return false;
        Fields.Text[i] = reinterpret_cast<const char*>(Data + Start);
        Start = End;
    }
    const gsize PopulationAt = (Start + 3) & ~gsize(3);
    const gsize LatitudeAt = (PopulationAt + sizeof(guint32) + 7) & ~gsize(7);
    const gsize LongitudeAt = LatitudeAt + sizeof(gdouble);
    if (LongitudeAt + sizeof(gdouble) > Framing)
        return false;
    std::memcpy(&Fields.Population, Data + PopulationAt, sizeof(guint32));
    std::memcpy(&Fields.Latitude, Data + LatitudeAt, sizeof(gdouble));
    std::memcpy(&Fields.Longitude, Data + LongitudeAt, sizeof(gdouble));
    return true;
}

QHash<QByteArray, QString> Translations(const QString& Language)
{
    if (Language.isEmpty() || Language.startsWith(u"en"))
        return {};
    const QStringList Paths = GettextCatalogPaths(QStringLiteral("geonames"), Language);
    return Paths.isEmpty() ? QHash<QByteArray, QString>() : ReadGettextCatalog(Paths.front());
}

} // namespace

std::vector<TGeonamesCity> ReadGeonamesCities(const QString& Language)
{
    const QHash<QByteArray, QString> Local = Translations(Language);
    QHash<QByteArray, QStringList> Other;
    for (const TOtherName& Each : OtherNames)
        Other[Each.GeonameId].append(QString::fromUtf8(Each.Name));

    std::vector<TGeonamesCity> Cities;
    const int Count = geonames_get_n_cities();
    Cities.reserve(std::size_t(std::max(Count, 0)));
    for (int i = 0; i < Count; ++i) {
        GeonamesCity* Raw = geonames_get_city(i);
        if (!Raw)
            continue;
        TGeonamesCity City;
        TCityFields Fields;
        const bool Known = g_variant_is_of_type(Raw, G_VARIANT_TYPE(CityType));
        if (Known && !ReadSerialised(Raw, Fields)) {
            const gchar** T = Fields.Text;
            g_variant_get(Raw, CityTypeFields, &T[0], &T[1], &T[2], &T[3], &T[4], &T[5], &T[6], &Fields.Population,
                          &Fields.Latitude, &Fields.Longitude);
        }
        if (Known) {
            const auto& [Id, Name, StateCode, State, CountryCode, Country, Zone] = Fields.Text;
            City.Name = QString::fromUtf8(Name);
            City.CountryCode = QString::fromLatin1(CountryCode);
            City.TimeZone = QString::fromLatin1(Zone);
            City.Population = Fields.Population;
            City.Latitude = Fields.Latitude;
            City.Longitude = Fields.Longitude;
            City.State = QString::fromUtf8(State);
            if (!Local.isEmpty()) {
                City.LocalName = Local.value(QByteArray(Id));
                City.State = Local.value(QByteArray(CountryCode) + '.' + StateCode, City.State);
            }
            if (*Id && Other.contains(Id))
                City.OtherNames = Other.value(Id);
        } else {
            City.Name = QString::fromUtf8(geonames_city_get_name(Raw));
            City.State = QString::fromUtf8(geonames_city_get_state(Raw));
            City.CountryCode = QString::fromUtf8(geonames_city_get_country_code(Raw));
            City.TimeZone = QString::fromUtf8(geonames_city_get_timezone(Raw));
            City.Population = geonames_city_get_population(Raw);
            City.Latitude = geonames_city_get_latitude(Raw);
            City.Longitude = geonames_city_get_longitude(Raw);
        }
        geonames_city_free(Raw);
        if (City.LocalName == City.Name)
            City.LocalName.clear();
        Cities.push_back(std::move(City));
    }
    return Cities;
}
