#include "datetime/GeonamesCities.h"
#include "datetime/TZoneCatalog.h"
#include "datetime/TzLinks.h"

#include <QDateTime>
#include <QTest>

#include <geonames.h>

using namespace Qt::StringLiterals;

namespace {

const qint64 January = QDateTime::fromString(u"2026-01-15T12:00:00Z"_s, Qt::ISODate).toMSecsSinceEpoch();

} // namespace

// Finding a zone by what a user knows of it.
class TestZoneCatalog : public QObject {
    Q_OBJECT

private:
    TZoneCatalog English{u"en-US"_s};
    TZoneCatalog Japanese{u"ja-JP"_s};

    static QStringList Ids(TZoneCatalog& Catalog, const QString& Query)
    {
        QStringList Result;
        for (const int Index : Catalog.Search(Query, January))
            Result.append(Catalog.Id(Index));
        return Result;
    }

private Q_SLOTS:
    void finds_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("within"); // the zone is among the first N hits

        QTest::newRow("city prefix") << u"tok"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("city in capitals") << u"TOKYO"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("country") << u"Germany"_s << u"Europe/Berlin"_s << 2;
        QTest::newRow("country, part") << u"japa"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("id") << u"Asia/Tokyo"_s << u"Asia/Tokyo"_s << 1;
        QTest::newRow("id with blanks") << u"new york"_s << u"America/New_York"_s << 1;
        QTest::newRow("generic name") << u"Pacific Time"_s << u"America/Los_Angeles"_s << 10;
        QTest::newRow("abbreviation") << u"CET"_s << u"Europe/Berlin"_s << 40;
        QTest::newRow("abbreviation of the other season") << u"CEST"_s << u"Europe/Berlin"_s << 40;
        QTest::newRow("accent left out") << u"Sao Paulo"_s << u"America/Sao_Paulo"_s << 1;
        QTest::newRow("accent typed") << u"Zürich"_s << u"Europe/Zurich"_s << 1;
        QTest::newRow("zone ICU names by its old id") << u"kolkata"_s << u"Asia/Kolkata"_s << 1;
        QTest::newRow("zone newer than ICU's data") << u"America/Ciudad_Juarez"_s << u"America/Ciudad_Juarez"_s << 1;
        QTest::newRow("utc") << u"utc"_s << u"UTC"_s << 1;
    }

    void finds()
    {
        QFETCH(QString, query);
        QFETCH(QString, zone);
        QFETCH(int, within);
        const QStringList Found = Ids(English, query);
        const qsizetype At = Found.indexOf(zone);
        QVERIFY2(At >= 0 && At < within, qPrintable(Found.mid(0, 10).join(u' ')));
    }

    // What users type, against the real city and zone data; expected zones
    // from the tz database's zone.tab and each city's country.
    void citiesFirst_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("name"); // of the first row; empty: a zone's own

        QTest::newRow("Delhi") << u"Delhi"_s << u"Asia/Kolkata"_s << u"Delhi"_s;
        QTest::newRow("Mumbai") << u"mumbai"_s << u"Asia/Kolkata"_s << u"Mumbai"_s;
        QTest::newRow("Bombay, former name") << u"Bombay"_s << u"Asia/Kolkata"_s << u"Mumbai"_s;
        QTest::newRow("Calcutta, former name") << u"Calcutta"_s << u"Asia/Kolkata"_s << u"Kolkata"_s;
        QTest::newRow("Bangalore, former name") << u"Bangalore"_s << u"Asia/Kolkata"_s << u"Bengaluru"_s;
        QTest::newRow("Beijing") << u"Beijing"_s << u"Asia/Shanghai"_s << u"Beijing"_s;
        QTest::newRow("San Francisco") << u"San Francisco"_s << u"America/Los_Angeles"_s << u"San Francisco"_s;
        QTest::newRow("Washington") << u"Washington"_s << u"America/New_York"_s << u"Washington D.C."_s;
        QTest::newRow("Kiev") << u"Kiev"_s << u"Europe/Kyiv"_s << u"Kyiv"_s;
        QTest::newRow("Kyiv") << u"Kyiv"_s << u"Europe/Kyiv"_s << u"Kyiv"_s;
        QTest::newRow("Ho Chi Minh City") << u"Ho Chi Minh City"_s << u"Asia/Ho_Chi_Minh"_s << u"Ho Chi Minh City"_s;
        QTest::newRow("Saigon") << u"saigon"_s << u"Asia/Ho_Chi_Minh"_s << u"Ho Chi Minh City"_s;
        QTest::newRow("country China: its most populous zone") << u"china"_s << u"Asia/Shanghai"_s << QString();
        QTest::newRow("country India, not Indianapolis") << u"india"_s << u"Asia/Kolkata"_s << QString();
        QTest::newRow("EST: the zone most people use it in") << u"EST"_s << u"America/New_York"_s << QString();
        QTest::newRow("são paulo") << u"são paulo"_s << u"America/Sao_Paulo"_s << u"São Paulo"_s;
        QTest::newRow("sao paulo") << u"sao paulo"_s << u"America/Sao_Paulo"_s << u"São Paulo"_s;
        QTest::newRow("former id") << u"Asia/Calcutta"_s << u"Asia/Kolkata"_s << QString();
    }

    void citiesFirst()
    {
        QFETCH(QString, query);
        QFETCH(QString, zone);
        QFETCH(QString, name);
        const QList<int> Found = English.Search(query, January);
        QVERIFY(!Found.isEmpty());
        QCOMPARE(English.Id(Found[0]), zone);
        QCOMPARE(Found[0] >= English.Size(), !name.isEmpty()); // a city, or a zone
        if (!name.isEmpty())
            QCOMPARE(English.Name(Found[0]), name);
    }

    void citiesByPopulation()
    {
        // Cities whose name starts with the query, the largest first (the
        // order of their GeoNames populations).
        const QList<int> Found = English.Search(u"san"_s, January);
        QStringList First;
        for (const int Index : Found.mid(0, 12))
            First << English.Name(Index);
        const qsizetype Santiago = First.indexOf(u"Santiago"_s);
        const qsizetype SanDiego = First.indexOf(u"San Diego"_s);
        const qsizetype SanFrancisco = First.indexOf(u"San Francisco"_s);
        QVERIFY2(Santiago >= 0 && Santiago < SanDiego && SanDiego < SanFrancisco, qPrintable(First.join(u", "_s)));
        QVERIFY(English.Entries() > English.Size() + 24000);
    }

    void cityRowText()
    {
        const QList<int> Found = English.Search(u"Delhi"_s, January);
        QCOMPARE(English.RowText(Found[0], January),
                 u"(UTC+05:30) Delhi, National Capital Territory of Delhi, India — Asia/Kolkata"_s);
    }

    void citiesInTheUsersLanguage()
    {
        // GeoNames' Japanese names come through libgeonames' gettext catalog.
        const QList<int> Found = Japanese.Search(u"デリー"_s, January);
        QVERIFY(!Found.isEmpty());
        QCOMPARE(Japanese.Id(Found[0]), u"Asia/Kolkata"_s);
        QCOMPARE(Japanese.Name(Found[0]), u"デリー"_s);
        QVERIFY(Japanese.RowText(Found[0], January).contains(u"インド"_s));
        QCOMPARE(Japanese.Id(Japanese.Search(u"東京"_s, January).value(0)), u"Asia/Tokyo"_s);
    }

    void fixtureRanksByClassThenPopulation()
    {
        std::vector<TGeonamesCity> Cities(4);
        Cities[0] = {u"Springfield"_s, {}, {}, u"Illinois"_s, u"US"_s, u"America/Chicago"_s, 116000};
        Cities[1] = {u"Springfield"_s, {}, {}, u"Missouri"_s, u"US"_s, u"America/Chicago"_s, 169000};
        Cities[2] = {u"Springvale"_s, {}, {}, u"Victoria"_s, u"AU"_s, u"Australia/Melbourne"_s, 900000};
        Cities[3] = {u"Old Spring"_s, {}, {u"Springtown"_s}, u"Nowhere"_s, u"US"_s, u"US/Eastern"_s, 20000};
        TZoneCatalog Catalog(u"en-US"_s, Cities);
        const QList<int> Found = Catalog.Search(u"springfield"_s, January);
        QCOMPARE(Found.size(), 2);
        QVERIFY(Catalog.RowText(Found[0], January).contains(u"Missouri"_s)); // more people
        // A start of a name before a word inside one; another name counts;
        // a link of the tz database finds its zone.
        const QList<int> Spring = Catalog.Search(u"spring"_s, January);
        QCOMPARE(Catalog.Name(Spring.value(0)), u"Springvale"_s);
        QCOMPARE(Catalog.Name(Spring.value(3)), u"Old Spring"_s);
        QCOMPARE(Catalog.Id(Spring.value(3)), u"America/New_York"_s);
        // A state finds its cities.
        QCOMPARE(Catalog.Name(Catalog.Search(u"nowhere"_s, January).value(0)), u"Old Spring"_s);
        QCOMPARE(Catalog.Find(u"Asia/Calcutta"), Catalog.Find(u"Asia/Kolkata"));
    }

    void citiesReadAsTheLibraryGivesThem()
    {
        // The reader unpacks the records itself; the library's own getters
        // (English under this test's locale) are the reference.
        const std::vector<TGeonamesCity> Cities = ReadGeonamesCities(u"en-US"_s);
        QCOMPARE(qsizetype(Cities.size()), qsizetype(geonames_get_n_cities()));
        QVERIFY(Cities.size() > 24000);
        for (int i = 0; i < int(Cities.size()); ++i) {
            GeonamesCity* City = geonames_get_city(i);
            const TGeonamesCity& Read = Cities[std::size_t(i)];
            const bool Same = Read.Name == QString::fromUtf8(geonames_city_get_name(City))
                              && Read.State == QString::fromUtf8(geonames_city_get_state(City))
                              && Read.CountryCode == QString::fromUtf8(geonames_city_get_country_code(City))
                              && Read.TimeZone == QString::fromUtf8(geonames_city_get_timezone(City))
                              && Read.Population == geonames_city_get_population(City) && Read.LocalName.isEmpty()
                              && Read.Latitude == geonames_city_get_latitude(City)
                              && Read.Longitude == geonames_city_get_longitude(City);
            geonames_city_free(City);
            QVERIFY2(Same, qPrintable(QString::number(i) + u' ' + Read.Name));
        }
    }

    void tzLinks()
    {
        const QHash<QString, QString> Links =
            ParseTzLinks("# comment\nZ Asia/Kolkata 5:53:28 - LMT 1854 Jun 28\nL Asia/Kolkata Asia/Calcutta\n"
                         "L  Europe/Kyiv   Europe/Kiev  \nL broken\n");
        QCOMPARE(Links.size(), 2);
        QCOMPARE(Links.value(u"Asia/Calcutta"_s), u"Asia/Kolkata"_s);
        QCOMPARE(Links.value(u"Europe/Kiev"_s), u"Europe/Kyiv"_s);
    }

    void findsInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("zone");
        QTest::newRow("city") << u"東京"_s << u"Asia/Tokyo"_s;
        QTest::newRow("country") << u"ドイツ"_s << u"Europe/Berlin"_s;
        QTest::newRow("zone name") << u"日本標準時"_s << u"Asia/Tokyo"_s;
        QTest::newRow("English still") << u"Tokyo"_s << u"Asia/Tokyo"_s;
    }

    void findsInTheUsersLanguage()
    {
        QFETCH(QString, query);
        QFETCH(QString, zone);
        QVERIFY(Ids(Japanese, query).contains(zone));
        if (!query.front().isLetter() || query.front().unicode() > 0x7F)
            QVERIFY(!Ids(English, query).contains(zone));
    }

    void nothingForNonsense()
    {
        QVERIFY(Ids(English, u"qqqzzz"_s).isEmpty());
        // Kana keep their voicing marks: ヘルリン is not ベルリン.
        QVERIFY(Ids(Japanese, u"ベルリン"_s).contains(u"Europe/Berlin"_s));
        QVERIFY(Ids(Japanese, u"ヘルリン"_s).isEmpty());
    }

    void emptyQueryListsEveryZoneByOffset()
    {
        const QList<int> All = English.Search(u"  "_s, January);
        QCOMPARE(All.size(), English.Size());
        QVERIFY(English.Size() > 300);
        for (qsizetype i = 1; i < All.size(); ++i)
            QVERIFY(English.OffsetAt(All[i - 1], January) <= English.OffsetAt(All[i], January));
    }

    void rowTexts_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::newRow("Tokyo") << u"Asia/Tokyo"_s << u"(UTC+09:00) Tokyo, Japan — Asia/Tokyo"_s
                               << u"(UTC+09:00) 東京, 日本 — Asia/Tokyo"_s;
        QTest::newRow("Kathmandu") << u"Asia/Kathmandu"_s << u"(UTC+05:45) Kathmandu, Nepal — Asia/Kathmandu"_s
                                   << u"(UTC+05:45) カトマンズ, ネパール — Asia/Kathmandu"_s;
        QTest::newRow("St. John's, half an hour") << u"America/St_Johns"_s
                                                  << u"(UTC-03:30) St. John’s, Canada — America/St_Johns"_s
                                                  << u"(UTC-03:30) セントジョンズ, カナダ — America/St_Johns"_s;
    }

    void rowTexts()
    {
        QFETCH(QString, zone);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        QCOMPARE(English.RowText(English.Find(zone), January), english);
        QCOMPARE(Japanese.RowText(Japanese.Find(zone), January), japanese);
    }
};

QTEST_GUILESS_MAIN(TestZoneCatalog)
#include "TestZoneCatalog.moc"
