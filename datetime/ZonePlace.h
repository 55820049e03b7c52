#pragma once

#include "datetime/SolarPosition.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <string>
#include <vector>

struct TGeonamesCity;

// Where a clock is, for day and night: its city's place, else its zone's
// principal city.

// A place as ISO 6709 writes it in zone.tab: "+3541+13946" (degrees and
// minutes) or "+404251-0740023" (and seconds); south and west negative.
// nullopt for anything else.
std::optional<TGeoPlace> ParseZoneTabCoordinates(QByteArrayView Text);

// The principal city of each zone of a zone1970.tab or zone.tab text (the
// coordinates are the second column, the zone the third).
QHash<QString, TGeoPlace> ParseZoneTab(QByteArrayView TabText);

// The principal city of a tz zone from the system's zone1970.tab (else
// zone.tab), $TZDIR or /usr/share/zoneinfo; a former id (Asia/Calcutta) goes
// through the tz links. nullopt for an unknown zone or "Etc/..." zones.
std::optional<TGeoPlace> ZonePrincipalPlace(const QString& ZoneId);

// The place of a clock: the libgeonames city whose name (English, local, or
// one of its other names; ignoring case and accents) is the clock's name and
// whose zone is the clock's zone (compared after resolving links on both
// sides), the most populous of several; else the zone's principal place.
std::optional<TGeoPlace> ClockPlace(const QString& ClockName, const QString& ZoneId);

// Every city's place under each of its names, kept compact: one text of
// names and a sorted array of 16-byte entries, no string per city. Of cities
// of one name in one zone only the most populous is kept.
class TCityPlaces {
public:
    // Links: the tz database's former ids to the ids they name now.
    TCityPlaces(const std::vector<TGeonamesCity>& Cities, const QHash<QString, QString>& Links);

    // The place of the city called Name in the zone ZoneId (either may be a
    // former id), the most populous of several.
    std::optional<TGeoPlace> Find(QStringView Name, const QString& ZoneId) const;

    std::size_t Names() const { return Entries_.size(); }

private:
    struct TEntry {
        quint32 NameAt = 0;
        quint16 NameSize = 0;
        quint16 Zone = 0;         // into Zones_
        qint32 Latitude = 0;      // microdegrees: GeoNames gives five decimals
        qint32 Longitude = 0;
    };

    std::string_view NameOf(const TEntry& Entry) const { return {Names_.data() + Entry.NameAt, Entry.NameSize}; }

    QHash<QString, QString> Links_;
    QStringList Zones_;               // ids as the links name them now
    std::string Names_;               // folded, UTF-8, one after another
    std::vector<TEntry> Entries_;     // by name and zone, one per pair
};
