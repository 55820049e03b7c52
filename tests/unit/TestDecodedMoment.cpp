#include "datetime/TDecodedMoment.h"

#include <QDate>
#include <QTest>

#include <limits>

// The decoder takes a 32-bit path for years 0 to about 2.9 million and a
// 64-bit one elsewhere; both must give QDate's calendar, and the weekday must
// run on without a jump where one path hands over to the other.
class TestDecodedMoment : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesQDateAcrossPathEdges_data();
    void matchesQDateAcrossPathEdges();
    void bothPathsAgreeOverTheFastWindow();
    void daysRunOnWhereTheFastPathStarts();
    void updateMatchesAFreshDecode();
};

namespace {

// Day numbers count from 1899-12-30; the fast path starts at 0000-03-01.
constexpr qint64 MarchOfYearZero = -693'899;

} // namespace

void TestDecodedMoment::matchesQDateAcrossPathEdges_data()
{
    QTest::addColumn<qint64>("center");
    QTest::newRow("fast path ends") << MarchOfYearZero + TDecodedMoment::FastDaysLimit;
    QTest::newRow("everyday dates") << qint64(46'000);
}

void TestDecodedMoment::matchesQDateAcrossPathEdges()
{
    QFETCH(qint64, center);
    const QDate epoch(1899, 12, 30);
    int previousWeekday = 0;
    for (qint64 day = center - 800; day <= center + 800; ++day) {
        const TDecodedMoment m{double(day) + 0.5};
        const QDate d = epoch.addDays(day);
        const int astronomical = d.year() < 0 ? d.year() + 1 : d.year(); // QDate has no year 0
        QVERIFY(m.Valid());
        QCOMPARE(m.Year(), std::int64_t(astronomical));
        QCOMPARE(m.Month(), d.month());
        QCOMPARE(m.Day(), d.day());
        QCOMPARE(m.DayOfWeek(), d.dayOfWeek() % 7 + 1);
        if (previousWeekday != 0)
            QCOMPARE(m.DayOfWeek(), previousWeekday % 7 + 1);
        previousWeekday = m.DayOfWeek();
        QCOMPARE(m.Hour(), 12);
    }
}

void TestDecodedMoment::bothPathsAgreeOverTheFastWindow()
{
    // A stride prime to every calendar cycle, through the whole window.
    for (qint64 z = 0; z < TDecodedMoment::FastDaysLimit; z += 9'973) {
        std::int64_t fastYear = 0, year = 0;
        int fastMonth = 0, fastDay = 0, month = 0, day = 0;
        TDecodedMoment::CivilFromMarchDays(std::uint32_t(z), fastYear, fastMonth, fastDay);
        TDecodedMoment::CivilFromDays(z - 719'468, year, month, day);
        if (fastYear != year || fastMonth != month || fastDay != day)
            QFAIL(qPrintable(QStringLiteral("day %1: %2-%3-%4, expected %5-%6-%7")
                                 .arg(z).arg(fastYear).arg(fastMonth).arg(fastDay).arg(year).arg(month).arg(day)));
    }
}

void TestDecodedMoment::daysRunOnWhereTheFastPathStarts()
{
    // 0000-03-01: each day is the one after the day before, weekday included.
    const TDecodedMoment start{double(MarchOfYearZero)};
    QCOMPARE(start.Year(), std::int64_t(0));
    QCOMPARE(start.Month(), 3);
    QCOMPARE(start.Day(), 1);
    QCOMPARE(start.DayOfWeek(), 4); // a Wednesday
    for (qint64 day = MarchOfYearZero - 800; day < MarchOfYearZero + 800; ++day) {
        const TDecodedMoment a{double(day)};
        const TDecodedMoment b{double(day + 1)};
        QCOMPARE(b.DayOfWeek(), a.DayOfWeek() % 7 + 1);
        const bool sameMonth = b.Year() == a.Year() && b.Month() == a.Month() && b.Day() == a.Day() + 1;
        const bool nextMonth = b.Year() == a.Year() && b.Month() == a.Month() + 1 && b.Day() == 1;
        const bool nextYear = b.Year() == a.Year() + 1 && a.Month() == 12 && a.Day() == 31 && b.Month() == 1
                              && b.Day() == 1;
        QVERIFY2(sameMonth || nextMonth || nextYear, qPrintable(QString::number(day)));
    }
    const TDecodedMoment leapDay{double(MarchOfYearZero - 1)}; // year 0 is a leap year
    QCOMPARE(leapDay.Month(), 2);
    QCOMPARE(leapDay.Day(), 29);
}

// Update keeps the date only within the same day: across midnight (both
// ways), across day 0 where negative moments share the day with positive
// ones, and around undecodable moments it must agree with a new decode.
void TestDecodedMoment::updateMatchesAFreshDecode()
{
    const double ms = 1.0 / 86'400'000.0;
    const double moments[] = {46'000.5, 46'000.99999, 46'000.9999995, 46'001.0, 46'000.0 - ms, 46'000.0,
                              0.25,     -0.25,       -0.75,          0.0,      -1.0 + ms,     -1.25,
                              std::numeric_limits<double>::quiet_NaN(), 46'000.5, 1e300, 46'000.5 + ms,
                              2'958'465.9999,                           -693'594.5, 46'000.5};
    TDecodedMoment updated;
    for (const double m : moments) {
        updated.Update(m);
        const TDecodedMoment fresh(m);
        const QString where = QString::number(m, 'g', 17);
        QVERIFY2(updated.Valid() == fresh.Valid(), qPrintable(where));
        QVERIFY2(updated.Year() == fresh.Year() && updated.Month() == fresh.Month() && updated.Day() == fresh.Day()
                     && updated.DayOfWeek() == fresh.DayOfWeek(),
                 qPrintable(where));
        QVERIFY2(updated.Hour() == fresh.Hour() && updated.Minute() == fresh.Minute()
                     && updated.Second() == fresh.Second() && updated.Millisecond() == fresh.Millisecond()
                     && updated.IsMidnight() == fresh.IsMidnight(),
                 qPrintable(where));
    }
}

QTEST_APPLESS_MAIN(TestDecodedMoment)
#include "TestDecodedMoment.moc"
