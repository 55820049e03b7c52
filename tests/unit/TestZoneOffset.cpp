#include "datetime/TZoneOffset.h"
#include "datetime/UnixTime.h"

#include <QDateTime>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    const QDateTime At = QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate);
    return At.toMSecsSinceEpoch();
}

} // namespace

// Offsets of real zones around their transitions; the expected values were
// read with zdump from the system's tz database.
class TestZoneOffset : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transitions_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<qint64>("change"); // the transition, UTC
        QTest::addColumn<int>("before");    // seconds east of UTC one second before
        QTest::addColumn<int>("after");     // and at the transition and one second after

        QTest::newRow("Berlin spring") << u"Europe/Berlin"_s << Utc("2026-03-29T01:00:00Z") << 3600 << 7200;
        QTest::newRow("Berlin autumn") << u"Europe/Berlin"_s << Utc("2026-10-25T01:00:00Z") << 7200 << 3600;
        QTest::newRow("New York spring") << u"America/New_York"_s << Utc("2026-03-08T07:00:00Z") << -18000 << -14400;
        QTest::newRow("New York autumn") << u"America/New_York"_s << Utc("2026-11-01T06:00:00Z") << -14400 << -18000;
        QTest::newRow("Santiago autumn") << u"America/Santiago"_s << Utc("2026-04-05T03:00:00Z") << -10800 << -14400;
        QTest::newRow("Santiago spring") << u"America/Santiago"_s << Utc("2026-09-06T04:00:00Z") << -14400 << -10800;
        QTest::newRow("Lord Howe half hour back")
            << u"Australia/Lord_Howe"_s << Utc("2026-04-04T15:00:00Z") << 39600 << 37800;
        QTest::newRow("Lord Howe half hour on")
            << u"Australia/Lord_Howe"_s << Utc("2026-10-03T15:30:00Z") << 37800 << 39600;
        QTest::newRow("Chatham autumn") << u"Pacific/Chatham"_s << Utc("2026-04-04T14:00:00Z") << 49500 << 45900;
        QTest::newRow("Chatham spring") << u"Pacific/Chatham"_s << Utc("2026-09-26T14:00:00Z") << 45900 << 49500;
    }

    void transitions()
    {
        QFETCH(QString, zone);
        QFETCH(qint64, change);
        QFETCH(int, before);
        QFETCH(int, after);

        TZoneOffset Zone(zone);
        QVERIFY(Zone.IsKnown());
        QCOMPARE(Zone.SecondsAt(change - 1000), before);
        // The answer is kept exactly until the transition.
        QCOMPARE(Zone.HoldsUntil(), change);
        QCOMPARE(Zone.SecondsAt(change - 1), before);
        QCOMPARE(Zone.SecondsAt(change), after);
        QCOMPARE(Zone.SecondsAt(change + 1000), after);
        // A clock set back asks again.
        QCOMPARE(Zone.SecondsAt(change - 1000), before);
    }

    void zonesWithoutDaylightSaving_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("seconds");
        QTest::newRow("Kathmandu +05:45") << u"Asia/Kathmandu"_s << 5 * 3600 + 45 * 60;
        QTest::newRow("Tokyo +09:00") << u"Asia/Tokyo"_s << 9 * 3600;
    }

    void zonesWithoutDaylightSaving()
    {
        QFETCH(QString, zone);
        QFETCH(int, seconds);
        TZoneOffset Zone(zone);
        for (const char* At : {"2026-01-15T12:00:00Z", "2026-07-15T12:00:00Z", "2026-12-31T23:59:59Z"})
            QCOMPARE(Zone.SecondsAt(Utc(At)), seconds);
        // Nothing ahead to wait for (the database may end its table in 2038).
        QVERIFY(Zone.HoldsUntil() >= Utc("2038-01-01T00:00:00Z"));
    }

    void unknownZones_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::newRow("empty") << QString();
        QTest::newRow("made up") << u"Mars/Olympus_Mons"_s;
        QTest::newRow("wrong case of a real one") << u"europe/berlin "_s;
    }

    void unknownZones()
    {
        QFETCH(QString, zone);
        TZoneOffset Zone(zone);
        QVERIFY(!Zone.IsKnown());
        QCOMPARE(Zone.Id(), zone);
        QCOMPARE(Zone.SecondsAt(Utc("2026-07-01T00:00:00Z")), 0);
    }

    void unixTimeMatchesCalendarDates_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<double>("days");
        QTest::newRow("1970") << qint64(0) << 25569.0;
        QTest::newRow("2026-01-05 12:00") << Utc("2026-01-05T12:00:00Z") << 46027.5;
        QTest::newRow("1899-12-30 18:00") << Utc("1899-12-30T18:00:00Z") << 0.75;
        QTest::newRow("1969-12-31 06:00") << Utc("1969-12-31T06:00:00Z") << 25568.25;
    }

    void unixTimeMatchesCalendarDates()
    {
        QFETCH(qint64, ms);
        QFETCH(double, days);
        QCOMPARE(UnixTime::ToDateTime(ms), days);
        QCOMPARE(UnixTime::FromDateTime(days), ms);
    }
};

QTEST_GUILESS_MAIN(TestZoneOffset)
#include "TestZoneOffset.moc"
