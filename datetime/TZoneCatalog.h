#pragma once

#include "datetime/TZoneOffset.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

struct TGeonamesCity;

// The zones of the system's tz database and the cities of the world as a
// user looks for them: by city, state, country, zone name, abbreviation, id
// or former id, in English and in the user's language (zone names from ICU,
// rules from the system's database, cities from GeoNames).
//
// An entry is a zone (0 .. Size() - 1) or a city (Size() .. Entries() - 1);
// a city's zone is the zone it lies in.
class TZoneCatalog {
public:
    // UserLocale: a BCP 47 name such as "ja-JP"; English is always searched.
    // Reads every city of libgeonames.
    explicit TZoneCatalog(const QString& UserLocale);
    // The same over the given cities only (tests; zones alone when empty).
    TZoneCatalog(const QString& UserLocale, const std::vector<TGeonamesCity>& Cities);

    // Zones.
    qsizetype Size() const { return qsizetype(Zones_.size()); }
    // Zones and cities.
    qsizetype Entries() const { return qsizetype(Zones_.size() + Cities_.size()); }
    // The zone entry of an id, also of a former id (Asia/Calcutta), or -1.
    int Find(QStringView Id) const;
    // The zone id of an entry.
    const QString& Id(int Index) const { return Zones_[std::size_t(ZoneOf(Index))].Id; }
    // What a clock for the entry is called: the city (for a zone, its
    // exemplar city), in the user's language.
    const QString& Name(int Index) const;

    // The entries that hold Query, ignoring case and accents, best first:
    //  0. a whole name: a city, a country, a zone's name, abbreviation or id;
    //  1. the start of a city's or a country's name;
    //  2. the start of a word of a name, of a zone's names or of its ids;
    //  3. anything else: a state, or any part of a name.
    // Ties go to the most people (a country or a zone: all the cities in its
    // zone), then by offset from UTC at UtcMs, then by name. A zone a city of
    // it already answers no worse is left out. An empty query lists every
    // zone (no city) by offset.
    QList<int> Search(QStringView Query, qint64 UtcMs);

    // Seconds east of UTC at UtcMs.
    int OffsetAt(int Index, qint64 UtcMs) { return Zones_[std::size_t(ZoneOf(Index))].Offset.SecondsAt(UtcMs); }
    // "(UTC+09:00) Tokyo, Japan — Asia/Tokyo", or for a city
    // "(UTC+05:30) Delhi, National Capital Territory of Delhi, India — Asia/Kolkata",
    // in the user's language.
    QString RowText(int Index, qint64 UtcMs);

    // Lower case without the accents of Latin, Greek and Cyrillic letters,
    // "_" as a blank: the form both sides of a search are compared in.
    static QString Folded(QStringView Text);

private:
    struct TZone {
        QString Id;
        QString City;
        QString Region;
        QStringList Keys;   // folded: whole names and the country (classes 0, 1)
        QStringList Labels; // folded: ids, former ids, zone names, abbreviations
        TZoneOffset Offset;
        qint64 People = 0;
    };
    struct TCity {
        QString Name;
        QStringList Keys; // folded names
        int Zone = 0;
        int State = -1;   // into States_
        int Country = -1; // into Countries_
        quint32 People = 0;
    };
    struct TPlace {
        QString Name;
        QString Key; // folded
    };

    void AddZones(const QString& UserLocale);
    void AddCities(const std::vector<TGeonamesCity>& Cities, const QString& UserLocale);
    int ZoneOf(int Index) const;
    QString Place(int Index) const;

    std::vector<TZone> Zones_;
    std::vector<TCity> Cities_;
    std::vector<TPlace> States_;
    std::vector<TPlace> Countries_;
    QHash<QString, int> ZoneIndex_; // ids and former ids
};
