#include "datetime/ChosenMoment.h"
#include "datetime/ClockTime.h"
#include "datetime/MomentText.h"
#include "datetime/TZoneOffset.h"
#include "datetime/UnixTime.h"
#include "unit/doubles/TPcInZone.h"

#include <QDateTime>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate).toMSecsSinceEpoch();
}

QString Shown(TDateTime Local)
{
    return QDateTime::fromMSecsSinceEpoch(UnixTime::FromDateTime(Local), Qt::UTC).toString(u"yyyy-MM-dd HH:mm"_s);
}

} // namespace

// Clocks at a chosen moment, from a PC in Berlin. Expected local times and
// offsets are Python's zoneinfo (tzdata 2025b) for each instant, written in.
class TestChosenMoment : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clockAtTheMoment_data()
    {
        QTest::addColumn<QString>("instant");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("fixedMinutes"); // a clock without zone: its offset from this PC
        QTest::addColumn<QString>("local");
        QTest::addColumn<int>("offsetSeconds");
        // New York moves on 2027-03-14 at 07:00Z; the others do not.
        QTest::newRow("New York before its change") << u"2027-03-14T06:30:00Z"_s << u"America/New_York"_s << 0 << u"2027-03-14 01:30"_s << -18000;
        QTest::newRow("New York after its change") << u"2027-03-14T07:30:00Z"_s << u"America/New_York"_s << 0 << u"2027-03-14 03:30"_s << -14400;
        QTest::newRow("Tokyo across New York's") << u"2027-03-14T07:30:00Z"_s << u"Asia/Tokyo"_s << 0 << u"2027-03-14 16:30"_s << 32400;
        QTest::newRow("Lord Howe in summer time") << u"2027-03-14T07:30:00Z"_s << u"Australia/Lord_Howe"_s << 0 << u"2027-03-14 18:30"_s << 39600;
        QTest::newRow("Kathmandu") << u"2027-03-14T07:30:00Z"_s << u"Asia/Kathmandu"_s << 0 << u"2027-03-14 13:15"_s << 20700;
        // Berlin (this PC) moves on 2027-03-28 at 01:00Z.
        QTest::newRow("New York before Berlin's change") << u"2027-03-28T00:30:00Z"_s << u"America/New_York"_s << 0 << u"2027-03-27 20:30"_s << -14400;
        QTest::newRow("Tokyo after Berlin's change") << u"2027-03-28T01:30:00Z"_s << u"Asia/Tokyo"_s << 0 << u"2027-03-28 10:30"_s << 32400;
        QTest::newRow("fixed +2 h before Berlin's change") << u"2027-03-28T00:30:00Z"_s << QString() << 120 << u"2027-03-28 03:30"_s << 10800;
        QTest::newRow("fixed +2 h after Berlin's change") << u"2027-03-28T01:30:00Z"_s << QString() << 120 << u"2027-03-28 05:30"_s << 14400;
        QTest::newRow("fixed -90 min") << u"2027-03-14T07:30:00Z"_s << QString() << -90 << u"2027-03-14 07:00"_s << -1800;
        // Lord Howe ends its half-hour summer time on 2027-04-03 at 15:00Z.
        QTest::newRow("Lord Howe after its change") << u"2027-04-03T15:30:00Z"_s << u"Australia/Lord_Howe"_s << 0 << u"2027-04-04 02:00"_s << 37800;
        // Berlin's repeated hour: two instants, one local time, two offsets.
        QTest::newRow("Berlin's repeated 02:30, first") << u"2027-10-31T00:30:00Z"_s << u"Europe/Berlin"_s << 0 << u"2027-10-31 02:30"_s << 7200;
        QTest::newRow("Berlin's repeated 02:30, second") << u"2027-10-31T01:30:00Z"_s << u"Europe/Berlin"_s << 0 << u"2027-10-31 02:30"_s << 3600;
        QTest::newRow("Tokyo in the repeated hour") << u"2027-10-31T01:30:00Z"_s << u"Asia/Tokyo"_s << 0 << u"2027-10-31 10:30"_s << 32400;
        QTest::newRow("Kathmandu 30 years on") << u"2056-12-11T12:00:00Z"_s << u"Asia/Kathmandu"_s << 0 << u"2056-12-11 17:45"_s << 20700;
        QTest::newRow("New York 30 years on") << u"2056-12-11T12:00:00Z"_s << u"America/New_York"_s << 0 << u"2056-12-11 07:00"_s << -18000;
        QTest::newRow("Kathmandu 50 years back") << u"1976-12-11T12:00:00Z"_s << u"Asia/Kathmandu"_s << 0 << u"1976-12-11 17:30"_s << 19800;
        QTest::newRow("Lord Howe 50 years back") << u"1976-12-11T12:00:00Z"_s << u"Australia/Lord_Howe"_s << 0 << u"1976-12-11 22:00"_s << 36000;
        QTest::newRow("fixed +2 h 50 years back") << u"1976-12-11T12:00:00Z"_s << QString() << 120 << u"1976-12-11 15:00"_s << 10800;
    }
    void clockAtTheMoment()
    {
        QFETCH(QString, instant);
        QFETCH(QString, zone);
        QFETCH(int, fixedMinutes);
        QFETCH(QString, local);
        QFETCH(int, offsetSeconds);
        const qint64 at = Utc(qPrintable(instant));
        const TPcInZone berlin(u"Europe/Berlin"_s, Utc("2026-12-11T10:00:00Z"));
        TZoneOffset clockZone(zone);
        const TClockReading r = ClockTimeAt(berlin.ReadAt(at), clockZone, fixedMinutes / 1440.0);
        QCOMPARE(Shown(r.Local), local);
        QCOMPARE(r.Offset.OffsetMs, offsetSeconds * 1000LL);
        QCOMPARE(r.UtcMs, at);
    }

    // Leaving now fixes this PC's local time rounded down to a quarter hour.
    void quarterHourFloor_data()
    {
        QTest::addColumn<QString>("pcZone");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("floor");
        QTest::newRow("Berlin") << u"Europe/Berlin"_s << u"2026-12-11T10:07:30Z"_s << u"2026-12-11T10:00:00Z"_s;
        QTest::newRow("on the quarter") << u"Europe/Berlin"_s << u"2026-12-11T10:15:00Z"_s << u"2026-12-11T10:15:00Z"_s;
        // 15:52:30 local rounds to 15:45 local, which is 10:00Z.
        QTest::newRow("Kathmandu's quarter") << u"Asia/Kathmandu"_s << u"2026-12-11T10:07:30Z"_s << u"2026-12-11T10:00:00Z"_s;
        QTest::newRow("Chatham's quarter") << u"Pacific/Chatham"_s << u"2026-12-11T10:29:00Z"_s << u"2026-12-11T10:15:00Z"_s;
        QTest::newRow("before 1970") << u"Europe/Berlin"_s << u"1965-06-01T10:44:59Z"_s << u"1965-06-01T10:30:00Z"_s;
    }
    void quarterHourFloor()
    {
        QFETCH(QString, pcZone);
        QFETCH(QString, now);
        QFETCH(QString, floor);
        const TPcInZone pc(pcZone, Utc(qPrintable(now)));
        QCOMPARE(ChosenMoment::QuarterHourFloor(pc.Read()), Utc(qPrintable(floor)));
    }

    // Sixteen steps are four hours of elapsed time, even across Berlin's
    // change, where this PC's clock shows five.
    void stepsAreElapsedTime()
    {
        const TPcInZone berlin(u"Europe/Berlin"_s, Utc("2027-03-27T23:07:00Z"));
        const qint64 base = ChosenMoment::QuarterHourFloor(berlin.Read());
        QCOMPARE(base, Utc("2027-03-27T23:00:00Z"));
        const qint64 later = ChosenMoment::Shifted(base, 16);
        QCOMPARE(later, Utc("2027-03-28T03:00:00Z"));
        TZoneOffset noZone;
        QCOMPARE(Shown(ClockTimeAt(berlin.ReadAt(later), noZone, 0).Local), u"2027-03-28 05:00"_s);
        QCOMPARE(ChosenMoment::Shifted(base, -ChosenMoment::StepsEachWay), Utc("2027-03-25T23:00:00Z"));
    }

    // A picked day at the slider's time of day, on this PC's clock.
    void localDayTime_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("instant");
        QTest::newRow("winter") << QDate(2027, 1, 15) << u"09:15"_s << u"2027-01-15T08:15:00Z"_s;
        QTest::newRow("summer") << QDate(2027, 6, 1) << u"12:00"_s << u"2027-06-01T10:00:00Z"_s;
        QTest::newRow("in the gap moves on by the gap") << QDate(2027, 3, 28) << u"02:30"_s << u"2027-03-28T01:30:00Z"_s;
        QTest::newRow("just after the gap") << QDate(2027, 3, 28) << u"03:00"_s << u"2027-03-28T01:00:00Z"_s;
        QTest::newRow("repeated: the first instant") << QDate(2027, 10, 31) << u"02:30"_s << u"2027-10-31T00:30:00Z"_s;
        QTest::newRow("after the repeated hour") << QDate(2027, 10, 31) << u"03:00"_s << u"2027-10-31T02:00:00Z"_s;
        QTest::newRow("1900") << QDate(1900, 1, 1) << u"00:00"_s << u"1899-12-31T23:00:00Z"_s;
        QTest::newRow("2100") << QDate(2100, 12, 31) << u"23:45"_s << u"2100-12-31T22:45:00Z"_s;
    }
    void localDayTime()
    {
        QFETCH(QDate, day);
        QFETCH(QString, time);
        QFETCH(QString, instant);
        const TPcInZone berlin(u"Europe/Berlin"_s, Utc("2026-12-11T10:00:00Z"));
        const QTime t = QTime::fromString(time, u"HH:mm"_s);
        const qint64 at = ChosenMoment::LocalDayTime(day, t.hour() * 60 + t.minute(), berlin);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(at, Qt::UTC).toString(Qt::ISODate), instant);
    }

    void distanceText_data()
    {
        QTest::addColumn<qint64>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("days and hours") << qint64(4 * 1440 + 10 * 60 + 15) << u"in 4 d 10 h"_s;
        QTest::newRow("hours and minutes") << qint64(5 * 60 + 52) << u"in 5 h 52 min"_s;
        QTest::newRow("past") << qint64(-(3 * 60)) << u"3 h ago"_s;
        QTest::newRow("minutes") << qint64(15) << u"in 15 min"_s;
        QTest::newRow("whole days") << qint64(2 * 1440) << u"in 2 d"_s;
        QTest::newRow("under a minute") << qint64(0) << u"now"_s;
    }
    void distanceText()
    {
        QFETCH(qint64, minutes);
        QFETCH(QString, text);
        const qint64 now = Utc("2026-12-11T10:07:31Z");
        QCOMPARE(ChosenMoment::DistanceText(now + minutes * 60000, now), text);
    }

    void utcOffsetText_data()
    {
        QTest::addColumn<qint64>("offsetMs");
        QTest::addColumn<QString>("text");
        QTest::newRow("Tokyo") << qint64(32400000) << u"UTC+09:00"_s;
        QTest::newRow("Newfoundland") << qint64(-12600000) << u"UTC-03:30"_s;
        QTest::newRow("UTC") << qint64(0) << u"UTC+00:00"_s;
        QTest::newRow("Kathmandu") << qint64(20700000) << u"UTC+05:45"_s;
        QTest::newRow("local mean time, seconds dropped") << qint64(-(5 * 3600 + 17 * 60 + 32) * 1000LL) << u"UTC-05:17"_s;
    }
    void utcOffsetText()
    {
        QFETCH(qint64, offsetMs);
        QFETCH(QString, text);
        QCOMPARE(UtcOffsetText(offsetMs), text);
    }

    void momentTextIsALinePerClock()
    {
        const QList<TMomentLine> clocks = {
            {u"Tokyo"_s, u"2026/12/12"_s, u"0:30"_s, 32400000},
            {u"New\tYork"_s, u"Friday, December 11, 2026"_s, u"10:30 AM"_s, -18000000},
            {u"Broken\nname"_s, QString(), u"4:30"_s, 0},
        };
        QCOMPARE(MomentText(Utc("2026-12-11T15:30:00Z"), clocks),
                 u"2026-12-11T15:30:00Z\n"
                 "Tokyo\t2026/12/12\t0:30\tUTC+09:00\n"
                 "New York\tFriday, December 11, 2026\t10:30 AM\tUTC-05:00\n"
                 "Broken name\t\t4:30\tUTC+00:00\n"_s);
        QCOMPARE(MomentText(Utc("1976-12-11T12:00:00Z"), {}), u"1976-12-11T12:00:00Z\n"_s);
    }
};

QTEST_APPLESS_MAIN(TestChosenMoment)
#include "TestChosenMoment.moc"
