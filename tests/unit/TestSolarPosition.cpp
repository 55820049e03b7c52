#include "datetime/SolarPosition.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <optional>

// Every expected value below comes from PyEphem 4.1.4 (Debian python3-ephem)
// with the almanac convention: observer.pressure = 0, observer.horizon =
// '-0:34', upper limb, elevation 0; altitudes are its Sun.alt (centre, no
// refraction). Places are GeoNames' coordinates of the cities.

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate).toMSecsSinceEpoch();
}

constexpr qint64 TwoMinutesMs = 2 * 60 * 1000;
// "No event" in the tables.
constexpr qint64 None = -1;

const TGeoPlace Tokyo{35.6895, 139.69171};
const TGeoPlace Reykjavik{64.13548, -21.89541};
const TGeoPlace Tromso{69.6489, 18.95508};
const TGeoPlace Sydney{-33.86785, 151.20732};
const TGeoPlace NewYork{40.71427, -74.00597};
const TGeoPlace Quito{-0.22985, -78.52495};

QString Text(std::optional<qint64> UtcMs)
{
    return UtcMs ? QDateTime::fromMSecsSinceEpoch(*UtcMs, Qt::UTC).toString(Qt::ISODate) : QStringLiteral("none");
}

bool Near(std::optional<qint64> Got, qint64 Expected)
{
    if (Expected == None)
        return !Got;
    return Got && std::llabs(*Got - Expected) <= TwoMinutesMs;
}

} // namespace

Q_DECLARE_METATYPE(TGeoPlace)

class TestSolarPosition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void altitude_data()
    {
        QTest::addColumn<TGeoPlace>("place");
        QTest::addColumn<qint64>("utc");
        QTest::addColumn<double>("degrees");
        QTest::newRow("Tokyo near noon, June") << Tokyo << Utc("2026-06-21T02:45:00Z") << 77.7398;
        QTest::newRow("Sydney, southern winter") << Sydney << Utc("2026-06-21T02:00:00Z") << 32.6877;
        QTest::newRow("New York, west") << NewYork << Utc("2026-03-08T17:00:00Z") << 44.5640;
        QTest::newRow("Reykjavik at midnight, December") << Reykjavik << Utc("2026-12-21T00:00:00Z") << -46.9430;
        QTest::newRow("Quito, equinox afternoon") << Quito << Utc("2026-09-23T20:00:00Z") << 46.5875;
        QTest::newRow("Tromsø at noon in polar night") << Tromso << Utc("2026-12-21T10:45:00Z") << -3.0895;
    }

    void altitude()
    {
        QFETCH(TGeoPlace, place);
        QFETCH(qint64, utc);
        QFETCH(double, degrees);
        const double Got = SunAltitude(place, utc);
        QVERIFY2(std::abs(Got - degrees) < 0.03, qPrintable(QString::number(Got, 'f', 4)));
    }

    void sunriseAndSunset_data()
    {
        QTest::addColumn<TGeoPlace>("place");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("offset");
        QTest::addColumn<qint64>("rise");
        QTest::addColumn<qint64>("set");
        QTest::addColumn<bool>("polarDay");
        QTest::addColumn<bool>("polarNight");
        // A local day at +9 starts at 15:00 UTC the day before.
        QTest::newRow("Tokyo, June") << Tokyo << QDate(2026, 6, 21) << 9 * 3600 << Utc("2026-06-20T19:25:38Z")
                                     << Utc("2026-06-21T10:00:17Z") << false << false;
        QTest::newRow("Tokyo, December") << Tokyo << QDate(2026, 12, 21) << 9 * 3600 << Utc("2026-12-20T21:46:51Z")
                                         << Utc("2026-12-21T07:31:20Z") << false << false;
        // The sunset of the day is the previous evening's, just after midnight.
        QTest::newRow("Reykjavik, June") << Reykjavik << QDate(2026, 6, 21) << 0 << Utc("2026-06-21T02:55:25Z")
                                         << Utc("2026-06-21T00:03:10Z") << false << false;
        // The evening sunsets fall half a minute before and after this day.
        QTest::newRow("Reykjavik, a June day without sunset") << Reykjavik << QDate(2026, 6, 16) << 0
                                                              << Utc("2026-06-16T02:56:49Z") << None << false << false;
        QTest::newRow("Reykjavik, December") << Reykjavik << QDate(2026, 12, 21) << 0 << Utc("2026-12-21T11:21:53Z")
                                             << Utc("2026-12-21T15:29:26Z") << false << false;
        QTest::newRow("Tromsø, polar night") << Tromso << QDate(2026, 12, 21) << 3600 << None << None << false << true;
        QTest::newRow("Tromsø, polar day") << Tromso << QDate(2026, 6, 21) << 2 * 3600 << None << None << true << false;
        QTest::newRow("Tromsø, last short day") << Tromso << QDate(2026, 11, 27) << 3600
                                                << Utc("2026-11-27T10:20:12Z") << Utc("2026-11-27T10:42:35Z") << false
                                                << false;
        QTest::newRow("Sydney, southern winter") << Sydney << QDate(2026, 6, 21) << 10 * 3600
                                                 << Utc("2026-06-20T20:59:59Z") << Utc("2026-06-21T06:53:48Z")
                                                 << false << false;
        QTest::newRow("New York, west of Greenwich") << NewYork << QDate(2026, 3, 8) << -5 * 3600
                                                     << Utc("2026-03-08T11:18:52Z") << Utc("2026-03-08T22:55:10Z")
                                                     << false << false;
    }

    void sunriseAndSunset()
    {
        QFETCH(TGeoPlace, place);
        QFETCH(QDate, day);
        QFETCH(int, offset);
        QFETCH(qint64, rise);
        QFETCH(qint64, set);
        QFETCH(bool, polarDay);
        QFETCH(bool, polarNight);
        const TSunDay Got = SunDay(place, day, offset);
        QVERIFY2(Near(Got.RiseUtcMs, rise), qPrintable(Text(Got.RiseUtcMs)));
        QVERIFY2(Near(Got.SetUtcMs, set), qPrintable(Text(Got.SetUtcMs)));
        QCOMPARE(Got.PolarDay, polarDay);
        QCOMPARE(Got.PolarNight, polarNight);
    }

    void invalidDayHasNoEvents()
    {
        const TSunDay Got = SunDay(Tokyo, QDate(), 0);
        QVERIFY(!Got.RiseUtcMs && !Got.SetUtcMs && !Got.PolarDay && !Got.PolarNight);
    }

    void nextChange_data()
    {
        QTest::addColumn<TGeoPlace>("place");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("next");
        QTest::newRow("Tokyo by day: sunset") << Tokyo << Utc("2026-06-21T00:00:00Z") << Utc("2026-06-21T10:00:17Z");
        QTest::newRow("Tokyo by night: sunrise") << Tokyo << Utc("2026-06-21T12:00:00Z") << Utc("2026-06-21T19:25:51Z");
        QTest::newRow("Sydney by night") << Sydney << Utc("2026-06-21T12:00:00Z") << Utc("2026-06-21T21:00:12Z");
        QTest::newRow("New York by day") << NewYork << Utc("2026-03-08T18:00:00Z") << Utc("2026-03-08T22:55:11Z");
        QTest::newRow("Tromsø, last short day") << Tromso << Utc("2026-11-27T10:30:00Z") << Utc("2026-11-27T10:42:35Z");
        // The first sunrise after polar night is 34 hours away.
        QTest::newRow("Tromsø, polar night ending") << Tromso << Utc("2026-01-14T00:00:00Z")
                                                    << Utc("2026-01-15T10:29:03Z");
        QTest::newRow("Tromsø, polar night") << Tromso << Utc("2026-12-21T00:00:00Z") << None;
        QTest::newRow("Tromsø, polar day") << Tromso << Utc("2026-06-21T00:00:00Z") << None;
    }

    void nextChange()
    {
        QFETCH(TGeoPlace, place);
        QFETCH(qint64, from);
        QFETCH(qint64, next);
        const std::optional<qint64> Got = NextSunChange(place, from);
        QVERIFY2(Near(Got, next), qPrintable(Text(Got)));
        if (!Got)
            return;
        // A clock woken at the instant finds its mark changed, and not a
        // millisecond earlier.
        QCOMPARE(IsSunUp(place, *Got - 1), IsSunUp(place, from));
        QCOMPARE(IsSunUp(place, *Got), !IsSunUp(place, from));
    }

    void upFollowsTheAlmanacHorizon()
    {
        // Half a minute either side of the sunset of the Tokyo table row.
        const qint64 Set = *SunDay(Tokyo, QDate(2026, 6, 21), 9 * 3600).SetUtcMs;
        QVERIFY(IsSunUp(Tokyo, Set - 30000));
        QVERIFY(!IsSunUp(Tokyo, Set + 30000));
        // Already below the geometric horizon while still "up".
        QVERIFY(SunAltitude(Tokyo, Set - 30000) < 0);
    }

    void placeThatIsNoNumberNeverHangs()
    {
        const TGeoPlace Nowhere{std::nan(""), std::nan("")};
        QVERIFY(!IsSunUp(Nowhere, Utc("2026-06-21T00:00:00Z")));
        QVERIFY(!NextSunChange(Nowhere, Utc("2026-06-21T00:00:00Z")));
        const TSunDay Day = SunDay(Nowhere, QDate(2026, 6, 21), 0);
        QVERIFY(!Day.RiseUtcMs && !Day.SetUtcMs && !Day.PolarDay && !Day.PolarNight);
    }
};

QTEST_GUILESS_MAIN(TestSolarPosition)
#include "TestSolarPosition.moc"
