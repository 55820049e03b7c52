#include "datetime/GeonamesCities.h"

#include "common/GettextCatalog.h"

#include <QHash>

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

QString Child(GeonamesCity* City, gsize Index)
{
    const gchar* Text = nullptr;
    g_variant_get_child(City, Index, "&s", &Text);
    return QString::fromUtf8(Text);
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
        City.CountryCode = QString::fromUtf8(geonames_city_get_country_code(Raw));
        City.TimeZone = QString::fromUtf8(geonames_city_get_timezone(Raw));
        City.Population = geonames_city_get_population(Raw);
        if (g_variant_is_of_type(Raw, G_VARIANT_TYPE(CityType))) {
            const QByteArray Id = Child(Raw, 0).toUtf8();
            City.Name = Child(Raw, 1);
            const QByteArray StateKey = City.CountryCode.toUtf8() + '.' + Child(Raw, 2).toUtf8();
            City.State = Local.value(StateKey, Child(Raw, 3));
            City.LocalName = Local.value(Id);
            City.OtherNames = Other.value(Id);
        } else {
            City.Name = QString::fromUtf8(geonames_city_get_name(Raw));
            City.State = QString::fromUtf8(geonames_city_get_state(Raw));
        }
        geonames_city_free(Raw);
        if (City.LocalName == City.Name)
            City.LocalName.clear();
        Cities.push_back(std::move(City));
    }
    return Cities;
}
