#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One city of the GeoNames data that libgeonames carries (over 15,000
// people), with its names in English and in the user's language.
struct TGeonamesCity {
    QString Name;        // English (GeoNames' own name)
    QString LocalName;   // in the user's language; empty when not translated
    QStringList OtherNames; // well-known former or English names (Bombay, Kiev)
    QString State;       // in the user's language when translated
    QString CountryCode; // ISO 3166 ("IN")
    QString TimeZone;    // as GeoNames has it; may be a former id (Europe/Kiev)
    quint32 Population = 0;
    double Latitude = 0;  // degrees, north positive
    double Longitude = 0; // degrees, east positive
};

// Every city of libgeonames. Language: a BCP 47 name ("ja-JP"); names and
// states are translated through libgeonames' own gettext catalogs.
std::vector<TGeonamesCity> ReadGeonamesCities(const QString& Language);
