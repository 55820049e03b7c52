#pragma once

#include "datetime/TZoneOffset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The zones of the system's tz database as a user looks for them: by city,
// country, zone name, abbreviation or id, in English and in the user's
// language (names from ICU, rules from the system's database).
class TZoneCatalog {
public:
    // UserLocale: a BCP 47 name such as "ja-JP"; English is always searched.
    explicit TZoneCatalog(const QString& UserLocale);

    qsizetype Size() const { return qsizetype(Zones_.size()); }
    // The entry of an id, or -1.
    int Find(QStringView Id) const;
    const QString& Id(int Index) const { return Zones_[std::size_t(Index)].Id; }

    // The entries whose id, exemplar city, country, zone names or
    // abbreviations hold Query, ignoring case and accents. Best first: a
    // whole name, then a name that starts with it, then a word that does, then
    // any part; ties by offset from UTC at UtcMs, then by city. An empty
    // query lists every zone by offset.
    QList<int> Search(QStringView Query, qint64 UtcMs);

    // Seconds east of UTC at UtcMs.
    int OffsetAt(int Index, qint64 UtcMs) { return Zones_[std::size_t(Index)].Offset.SecondsAt(UtcMs); }
    // "(UTC+09:00) Tokyo, Japan — Asia/Tokyo", in the user's language.
    QString RowText(int Index, qint64 UtcMs);

    // Lower case without the accents of Latin, Greek and Cyrillic letters,
    // "_" as a blank: the form both sides of a search are compared in.
    static QString Folded(QStringView Text);

private:
    struct TZone {
        QString Id;
        QString City;
        QString Region;
        QStringList Keys; // folded
        TZoneOffset Offset;
    };
    std::vector<TZone> Zones_;
};
