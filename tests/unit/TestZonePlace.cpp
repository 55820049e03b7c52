#include "datetime/GeonamesCities.h"
#include "datetime/ZonePlace.h"

#include <QTest>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

// Expected places: zone.tab and zone1970.tab of the system's tz database,
// converted by hand (degrees + minutes / 60 + seconds / 3600), and GeoNames'
// coordinates as libgeonames' own getters give them.

namespace {

constexpr double Unknown = 999;

QString Text(const std::optional<TGeoPlace>& Place)
{
    return Place ? QString::asprintf("%.6f %.6f", Place->Latitude, Place->Longitude) : u"none"_s;
}

bool Same(const std::optional<TGeoPlace>& Place, double Latitude, double Longitude)
{
    if (Latitude == Unknown)
        return !Place;
    return Place && std::abs(Place->Latitude - Latitude) < 1e-6 && std::abs(Place->Longitude - Longitude) < 1e-6;
}

TGeonamesCity City(const QString& Name, const QString& Zone, double Latitude, double Longitude, quint32 People,
                   const QString& LocalName = {}, const QStringList& OtherNames = {})
{
    TGeonamesCity C;
    C.Name = Name;
    C.LocalName = LocalName;
    C.OtherNames = OtherNames;
    C.TimeZone = Zone;
    C.Population = People;
    C.Latitude = Latitude;
    C.Longitude = Longitude;
    return C;
}

} // namespace

class TestZonePlace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coordinates_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("degrees and minutes") << "+3541+13946"_ba << 35 + 41 / 60.0 << 139 + 46 / 60.0;
        QTest::newRow("with seconds, west")
            << "+404251-0740023"_ba << 40 + 42 / 60.0 + 51 / 3600.0 << -(74 + 23 / 3600.0);
        QTest::newRow("south") << "-3352+15113"_ba << -(33 + 52 / 60.0) << 151 + 13 / 60.0;
        QTest::newRow("south and west") << "-2332-04637"_ba << -(23 + 32 / 60.0) << -(46 + 37 / 60.0);
        // Zero degrees: the sign still counts.
        QTest::newRow("just south of the equator") << "-0013-07830"_ba << -13 / 60.0 << -(78 + 30 / 60.0);
        QTest::newRow("seconds, south and east") << "-690022+0393524"_ba << -(69 + 22 / 3600.0)
                                                 << 39 + 35 / 60.0 + 24 / 3600.0;
        QTest::newRow("no longitude") << "+3541"_ba << Unknown << Unknown;
        QTest::newRow("short longitude") << "+3541+1394"_ba << Unknown << Unknown;
        QTest::newRow("seconds on one side only") << "+354116+13946"_ba << Unknown << Unknown;
        QTest::newRow("minutes over 59") << "+3561+13946"_ba << Unknown << Unknown;
        QTest::newRow("seconds over 59") << "+354160+1394400"_ba << Unknown << Unknown;
        QTest::newRow("beyond the pole") << "+9100+00000"_ba << Unknown << Unknown;
        QTest::newRow("beyond the date line") << "+0000+18100"_ba << Unknown << Unknown;
        QTest::newRow("no sign") << "3541+13946"_ba << Unknown << Unknown;
        QTest::newRow("not a digit") << "+35a1+13946"_ba << Unknown << Unknown;
        QTest::newRow("empty") << QByteArray() << Unknown << Unknown;
    }

    void coordinates()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const std::optional<TGeoPlace> Got = ParseZoneTabCoordinates(text);
        QVERIFY2(Same(Got, latitude, longitude), qPrintable(Text(Got)));
    }

    void zoneTab()
    {
        const QHash<QString, TGeoPlace> Places = ParseZoneTab(
            "# tz zone descriptions\n"
            "JP,AU\t+353916+1394441\tAsia/Tokyo\tEyre Bird Observatory\n"
            "IN\t+2232+08822\tAsia/Kolkata\n"
            "XX\tbroken\tNowhere/Bad\n"
            "no tabs here\n"
            "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\r\n");
        QCOMPARE(Places.size(), 3);
        QVERIFY(Same(Places.value(u"Asia/Kolkata"_s), 22 + 32 / 60.0, 88 + 22 / 60.0));
        QVERIFY(Places.contains(u"America/New_York"_s));
        QVERIFY(!Places.contains(u"Nowhere/Bad"_s));
    }

    void principalPlace_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("Tokyo") << u"Asia/Tokyo"_s << 35 + 39 / 60.0 + 16 / 3600.0 << 139 + 44 / 60.0 + 41 / 3600.0;
        QTest::newRow("New York") << u"America/New_York"_s << 40 + 42 / 60.0 + 51 / 3600.0 << -(74 + 23 / 3600.0);
        QTest::newRow("former id") << u"Asia/Calcutta"_s << 22 + 32 / 60.0 << 88 + 22 / 60.0;
        QTest::newRow("backward id") << u"US/Eastern"_s << 40 + 42 / 60.0 + 51 / 3600.0 << -(74 + 23 / 3600.0);
        // zone1970.tab lists Amsterdam under Brussels; zone.tab has its own.
        QTest::newRow("only in zone.tab") << u"Europe/Amsterdam"_s << 52 + 22 / 60.0 << 4 + 54 / 60.0;
        QTest::newRow("unknown") << u"Mars/Olympus_Mons"_s << Unknown << Unknown;
        QTest::newRow("Etc") << u"Etc/GMT-9"_s << Unknown << Unknown;
        QTest::newRow("UTC") << u"UTC"_s << Unknown << Unknown;
        QTest::newRow("empty") << QString() << Unknown << Unknown;
    }

    void principalPlace()
    {
        QFETCH(QString, zone);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const std::optional<TGeoPlace> Got = ZonePrincipalPlace(zone);
        QVERIFY2(Same(Got, latitude, longitude), qPrintable(Text(Got)));
    }

    void clockPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        // GeoNames' Delhi, not the zone's Kolkata.
        QTest::newRow("a city of the zone") << u"Delhi"_s << u"Asia/Kolkata"_s << 28.65195 << 77.23149;
        QTest::newRow("any case") << u"delhi"_s << u"Asia/Kolkata"_s << 28.65195 << 77.23149;
        QTest::newRow("blanks around") << u" DELHI "_s << u"Asia/Kolkata"_s << 28.65195 << 77.23149;
        QTest::newRow("clock in a former id") << u"Delhi"_s << u"Asia/Calcutta"_s << 28.65195 << 77.23149;
        // libgeonames files Kyiv under Europe/Kiev.
        QTest::newRow("city in a former id") << u"Kyiv"_s << u"Europe/Kyiv"_s << 50.45466 << 30.5238;
        QTest::newRow("other name") << u"Kiev"_s << u"Europe/Kyiv"_s << 50.45466 << 30.5238;
        QTest::newRow("without accents") << u"Sao Paulo"_s << u"America/Sao_Paulo"_s << -23.5475 << -46.63611;
        // Springfield, Missouri has the most people of the zone's Springfields.
        QTest::newRow("most people") << u"Springfield"_s << u"America/Chicago"_s << 37.21533 << -93.29824;
        QTest::newRow("city of another zone") << u"Delhi"_s << u"Europe/Berlin"_s << 52.5 << 13 + 22 / 60.0;
        QTest::newRow("not a city") << u"Office"_s << u"Asia/Tokyo"_s << 35 + 39 / 60.0 + 16 / 3600.0
                                    << 139 + 44 / 60.0 + 41 / 3600.0;
        QTest::newRow("no name") << QString() << u"Asia/Kolkata"_s << 22 + 32 / 60.0 << 88 + 22 / 60.0;
        QTest::newRow("no zone") << u"Delhi"_s << QString() << Unknown << Unknown;
        QTest::newRow("Etc zone") << u"Tokyo"_s << u"Etc/GMT-9"_s << Unknown << Unknown;
    }

    void clockPlace()
    {
        QFETCH(QString, name);
        QFETCH(QString, zone);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const std::optional<TGeoPlace> Got = ClockPlace(name, zone);
        QVERIFY2(Same(Got, latitude, longitude), qPrintable(Text(Got)));
    }

    void cityTable()
    {
        const QHash<QString, QString> Links{{u"Asia/Calcutta"_s, u"Asia/Kolkata"_s}};
        const std::vector<TGeonamesCity> Cities{
            City(u"Delhi"_s, u"Asia/Calcutta"_s, 28.65195, 77.23149, 10927986, u"デリー"_s),
            City(u"Mumbai"_s, u"Asia/Kolkata"_s, 19.07283, 72.88261, 12691836, {}, {u"Bombay"_s}),
            City(u"Delhi"_s, u"America/New_York"_s, 42.27814, -74.91599, 2900),
            City(u"Delhi"_s, u"America/New_York"_s, 39.0, -84.0, 1000),
        };
        const TCityPlaces Places(Cities, Links);
        QVERIFY(Same(Places.Find(u"Delhi", u"Asia/Kolkata"_s), 28.65195, 77.23149));
        QVERIFY(Same(Places.Find(u"デリー", u"Asia/Kolkata"_s), 28.65195, 77.23149));
        QVERIFY(Same(Places.Find(u"bombay", u"Asia/Calcutta"_s), 19.07283, 72.88261));
        QVERIFY(Same(Places.Find(u"Delhi", u"America/New_York"_s), 42.27814, -74.91599));
        QVERIFY(!Places.Find(u"Delhi", u"Europe/Berlin"_s));
        QVERIFY(!Places.Find(u"Del", u"Asia/Kolkata"_s));
        QVERIFY(!Places.Find(u"Delhi Cantonment", u"Asia/Kolkata"_s));
        // Four names of the two Indian cities and one Delhi of New York: the
        // smaller one of the zone is not kept.
        QCOMPARE(Places.Names(), std::size_t(5));
    }
};

QTEST_GUILESS_MAIN(TestZonePlace)
#include "TestZonePlace.moc"
