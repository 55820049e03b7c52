#include "datetime/NextLineChange.h"
#include "datetime/TCompiledFormat.h"
#include "datetime/TFormatSettings.h"
#include "datetime/TZoneOffset.h"

#include <QDateTime>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODateWithMs).toMSecsSinceEpoch();
}

TFormatSettings Settings()
{
    TFormatSettings fs;
    fs.TimeAMString = u"AM"_s;
    fs.TimePMString = u"PM"_s;
    fs.ShortDateFormat = u"m/d/yyyy"_s;
    fs.LongDateFormat = u"dddd, mmmm d, yyyy"_s;
    fs.ShortTimeFormat = u"h:nn AMPM"_s;
    fs.LongTimeFormat = u"h:nn:ss AMPM"_s;
    return fs;
}

TLineChanges Changes(const QString& Format)
{
    return TCompiledFormat(Format, Settings()).Changes();
}

constexpr qint64 Never = std::numeric_limits<qint64>::max();

} // namespace

// When a clock's lines change next: the table of cases, with expected instants
// worked out by hand from the format's finest unit and the clock's offset.
class TestNextLineChange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void finestUnitOfAFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("skipsAtMidnight");
        QTest::newRow("date") << u"yyyy/mm/dd"_s << int(TChangeUnit::Minute) << false;
        QTest::newRow("minutes") << u"hh:nn"_s << int(TChangeUnit::Minute) << false;
        QTest::newRow("seconds") << u"hh:nn:ss"_s << int(TChangeUnit::Second) << false;
        QTest::newRow("milliseconds") << u"hh:nn:ss.zzz"_s << int(TChangeUnit::Millisecond) << false;
        QTest::newRow("long time by token") << u"tt"_s << int(TChangeUnit::Second) << false;
        QTest::newRow("short time by token") << u"t"_s << int(TChangeUnit::Minute) << false;
        QTest::newRow("quoted letters are text") << u"'ss zzz'"_s << int(TChangeUnit::Minute) << false;
        QTest::newRow("c") << u"c"_s << int(TChangeUnit::Second) << true;
        QTest::newRow("empty renders as c") << QString() << int(TChangeUnit::Second) << true;
        QTest::newRow("text only") << u"'noon'"_s << int(TChangeUnit::Minute) << false;
    }
    void finestUnitOfAFormat()
    {
        QFETCH(QString, format);
        QFETCH(int, unit);
        QFETCH(bool, skipsAtMidnight);
        const TLineChanges changes = Changes(format);
        QCOMPARE(int(changes.Finest), unit);
        QCOMPARE(changes.SkipsAtMidnight, skipsAtMidnight);
    }

    void nextChange_data()
    {
        QTest::addColumn<qint64>("now");            // UTC
        QTest::addColumn<qint64>("offsetMs");       // the clock's time minus UTC
        QTest::addColumn<qint64>("offsetUntil");    // its zone's next transition
        QTest::addColumn<qint64>("pcUntil");        // this PC's next transition
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<qint64>("expected");

        const QString date = u"yyyy/mm/dd"_s;
        QTest::newRow("seconds") << Utc("2027-03-10T12:00:00.400Z") << 0LL << Never << Never << date
                                 << u"hh:nn:ss"_s << Utc("2027-03-10T12:00:01.000Z");
        QTest::newRow("seconds on the second") << Utc("2027-03-10T12:00:01.000Z") << 0LL << Never << Never << date
                                               << u"hh:nn:ss"_s << Utc("2027-03-10T12:00:02.000Z");
        QTest::newRow("minutes only") << Utc("2027-03-10T12:00:30Z") << 0LL << Never << Never << date << u"hh:nn"_s
                                      << Utc("2027-03-10T12:01:00Z");
        QTest::newRow("twelve-hour minutes") << Utc("2027-03-10T11:59:59.999Z") << 0LL << Never << Never << date
                                             << u"h:nn AM/PM"_s << Utc("2027-03-10T12:00:00Z");
        QTest::newRow("milliseconds") << Utc("2027-03-10T12:00:00.400Z") << 0LL << Never << Never << date
                                      << u"hh:nn:ss.zzz"_s << Utc("2027-03-10T12:00:00.651Z");
        QTest::newRow("milliseconds in the date line") << Utc("2027-03-10T12:00:00.400Z") << 0LL << Never << Never
                                                       << u"zzz"_s << u"hh:nn"_s << Utc("2027-03-10T12:00:00.651Z");
        // Amsterdam's mean time, +00:19:32: its minute turns at :28 of a UTC minute.
        QTest::newRow("Amsterdam 1936") << Utc("1936-01-10T12:00:05Z") << 1172000LL << Utc("1936-05-15T01:40:28Z")
                                        << Never << date << u"hh:nn"_s << Utc("1936-01-10T12:00:28Z");
        QTest::newRow("Amsterdam 1936 on its minute") << Utc("1936-01-10T12:00:28Z") << 1172000LL
                                                      << Utc("1936-05-15T01:40:28Z") << Never << date << u"hh:nn"_s
                                                      << Utc("1936-01-10T12:01:28Z");
        QTest::newRow("half-hour offset, seconds") << Utc("2027-03-10T12:00:00.400Z") << -12600000LL << Never << Never
                                                   << date << u"hh:nn:ss"_s << Utc("2027-03-10T12:00:01Z");
        // Real transitions fall on a minute of the old offset; these are
        // placed between minutes, so that they, not the minute, come first.
        QTest::newRow("zone transition 10 s ahead") << Utc("2027-03-28T00:59:45Z") << 3600000LL
                                                    << Utc("2027-03-28T00:59:55Z") << Never << date << u"hh:nn"_s
                                                    << Utc("2027-03-28T00:59:55Z");
        QTest::newRow("this PC's transition ahead") << Utc("2027-11-07T05:59:50.500Z") << -14400000LL << Never
                                                    << Utc("2027-11-07T05:59:55Z") << date << u"hh:nn"_s
                                                    << Utc("2027-11-07T05:59:55Z");
        QTest::newRow("both transitions: the earlier") << Utc("2027-11-07T05:59:50.500Z") << -14400000LL
                                                       << Utc("2027-11-07T05:59:57Z") << Utc("2027-11-07T05:59:53Z")
                                                       << date << u"hh:nn"_s << Utc("2027-11-07T05:59:53Z");
        QTest::newRow("transition past: a stale period wakes nobody") << Utc("2027-03-28T01:00:30Z") << 7200000LL
                                                                      << Utc("2027-03-28T01:00:00Z") << Never << date
                                                                      << u"hh:nn"_s << Utc("2027-03-28T01:01:00Z");
        QTest::newRow("date only") << Utc("2027-03-10T12:00:30Z") << 0LL << Never << Never << date << u"'x'"_s
                                   << Utc("2027-03-10T12:01:00Z");
        QTest::newRow("c at exactly midnight") << Utc("2027-03-10T15:00:00Z") << 9 * 3600000LL << Never << Never
                                               << u"c"_s << u"hh:nn"_s << Utc("2027-03-10T15:00:00.001Z");
        QTest::newRow("c just after midnight") << Utc("2027-03-10T15:00:00.001Z") << 9 * 3600000LL << Never << Never
                                               << u"c"_s << u"hh:nn"_s << Utc("2027-03-10T15:00:01Z");
        QTest::newRow("before 1970") << Utc("1969-12-31T23:59:30.250Z") << 0LL << Never << Never << date
                                     << u"hh:nn:ss"_s << Utc("1969-12-31T23:59:31Z");
    }
    void nextChange()
    {
        QFETCH(qint64, now);
        QFETCH(qint64, offsetMs);
        QFETCH(qint64, offsetUntil);
        QFETCH(qint64, pcUntil);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(qint64, expected);
        const qint64 next = NextLineChange(now, {offsetMs, offsetUntil}, pcUntil, Changes(date), Changes(time));
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(next, Qt::UTC), QDateTime::fromMSecsSinceEpoch(expected, Qt::UTC));
    }

    // The same instant with the offset and its period read from the tz
    // database, as a zone clock reads them.
    void amsterdamFromTheDatabase()
    {
        TZoneOffset zone(u"Europe/Amsterdam"_s);
        const qint64 now = Utc("1936-01-10T12:00:05Z");
        const int seconds = zone.SecondsAt(now);
        QCOMPARE(seconds, 1172);
        const qint64 next =
            NextLineChange(now, {seconds * 1000LL, zone.HoldsUntil()}, Never, Changes(u"yyyy"_s), Changes(u"hh:nn"_s));
        QCOMPARE(next, Utc("1936-01-10T12:00:28Z"));
        // The last minute before summer time ends at the transition, 01:40:28 UTC.
        const qint64 late = Utc("1936-05-15T01:40:10Z");
        const int winter = zone.SecondsAt(late);
        QCOMPARE(NextLineChange(late, {winter * 1000LL, zone.HoldsUntil()}, Never, Changes(u"yyyy"_s),
                                Changes(u"hh:nn:ss"_s)),
                 Utc("1936-05-15T01:40:11Z"));
        QCOMPARE(NextLineChange(Utc("1936-05-15T01:40:27.500Z"), {winter * 1000LL, zone.HoldsUntil()}, Never,
                                Changes(u"yyyy"_s), Changes(u"hh:nn"_s)),
                 Utc("1936-05-15T01:40:28Z"));
    }
};

QTEST_GUILESS_MAIN(TestNextLineChange)
#include "TestNextLineChange.moc"
