// The region a clock follows, its working week and whether a wall time is
// inside working hours. Countries of zones are those of the tz database's
// zone.tab; weekends those of the CLDR week data (Friday and Saturday in
// Saudi Arabia and Israel, Friday in Iran, Sunday in India).
#include "datetime/WorkingDays.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TWorkingHours)

namespace {

enum : quint8 { Mon = 1, Tue = 2, Wed = 4, Thu = 8, Fri = 16, Sat = 32, Sun = 64 };

int At(int Hour, int Minute) { return Hour * 60 + Minute; }

} // namespace

class TestWorkingDays : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void region_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<uint>("locale");
        QTest::addColumn<QString>("region");

        QTest::newRow("Riyadh") << u"Asia/Riyadh"_s << 1033u << u"SA"_s;
        QTest::newRow("Jerusalem") << u"Asia/Jerusalem"_s << 1033u << u"IL"_s;
        QTest::newRow("Tehran") << u"Asia/Tehran"_s << 1033u << u"IR"_s;
        QTest::newRow("Kolkata") << u"Asia/Kolkata"_s << 1033u << u"IN"_s;
        QTest::newRow("Berlin, whatever the locale") << u"Europe/Berlin"_s << 1041u << u"DE"_s;
        QTest::newRow("a former id") << u"Asia/Calcutta"_s << 1033u << u"IN"_s;
        QTest::newRow("fixed offset: the locale's country") << QString() << 1041u << u"JP"_s;
        QTest::newRow("fixed offset, Arabic (Saudi Arabia)") << QString() << 1025u << u"SA"_s;
        QTest::newRow("a zone of no country") << u"Etc/UTC"_s << 1031u << u"DE"_s;
        QTest::newRow("a zone the database does not know") << u"Mars/Olympus_Mons"_s << 1037u << u"IL"_s;
        QTest::newRow("neither names a country") << QString() << 0x7FFF1234u << QString();
    }
    void region()
    {
        QFETCH(QString, zone);
        QFETCH(uint, locale);
        QFETCH(QString, region);
        QCOMPARE(WorkingRegion(zone, LCID(locale)), region);
    }

    void regionWorkingDays_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<uint>("days");

        QTest::newRow("Saudi Arabia") << u"SA"_s << uint(Sun | Mon | Tue | Wed | Thu);
        QTest::newRow("Israel") << u"IL"_s << uint(Sun | Mon | Tue | Wed | Thu);
        QTest::newRow("Iran") << u"IR"_s << uint(Sat | Sun | Mon | Tue | Wed | Thu);
        QTest::newRow("India") << u"IN"_s << uint(Mon | Tue | Wed | Thu | Fri | Sat);
        QTest::newRow("Germany") << u"DE"_s << uint(Mon | Tue | Wed | Thu | Fri);
        QTest::newRow("Japan") << u"JP"_s << uint(Mon | Tue | Wed | Thu | Fri);
        QTest::newRow("no region") << QString() << uint(Mon | Tue | Wed | Thu | Fri);
        QTest::newRow("not a country code") << u"und_SA"_s << uint(Mon | Tue | Wed | Thu | Fri);
    }
    void regionWorkingDays()
    {
        QFETCH(QString, region);
        QFETCH(uint, days);
        QCOMPARE(uint(RegionWorkingDays(region)), days);
    }

    void defaultFollowsTheZone()
    {
        const TWorkingHours Riyadh = DefaultWorkingHours(u"Asia/Riyadh"_s, 1033);
        QCOMPARE(Riyadh, (TWorkingHours{At(9, 0), At(17, 0), quint8(Sun | Mon | Tue | Wed | Thu)}));
        QCOMPARE(DefaultWorkingHours(u"Europe/Berlin"_s, 1025).Days, quint8(Mon | Tue | Wed | Thu | Fri));
        QCOMPARE(DefaultWorkingHours(QString(), 1025).Days, quint8(Sun | Mon | Tue | Wed | Thu));
    }

    void isWorking_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<uint>("days");
        QTest::addColumn<int>("dayOfWeek");
        QTest::addColumn<int>("minute");
        QTest::addColumn<bool>("working");

        const uint Week = Mon | Tue | Wed | Thu | Fri;
        QTest::newRow("day: the first minute") << At(9, 0) << At(17, 0) << Week << 1 << At(9, 0) << true;
        QTest::newRow("day: a minute early") << At(9, 0) << At(17, 0) << Week << 1 << At(8, 59) << false;
        QTest::newRow("day: the last minute") << At(9, 0) << At(17, 0) << Week << 5 << At(16, 59) << true;
        QTest::newRow("day: the end is out") << At(9, 0) << At(17, 0) << Week << 5 << At(17, 0) << false;
        QTest::newRow("day: Saturday") << At(9, 0) << At(17, 0) << Week << 6 << At(12, 0) << false;
        QTest::newRow("day: Sunday in Riyadh") << At(9, 0) << At(17, 0) << uint(Sun | Mon) << 7 << At(12, 0) << true;
        QTest::newRow("night: the start") << At(22, 0) << At(6, 0) << uint(Mon) << 1 << At(22, 0) << true;
        QTest::newRow("night: before the start") << At(22, 0) << At(6, 0) << uint(Mon) << 1 << At(21, 59) << false;
        QTest::newRow("night: the morning after") << At(22, 0) << At(6, 0) << uint(Mon) << 2 << At(5, 59) << true;
        QTest::newRow("night: the end is out") << At(22, 0) << At(6, 0) << uint(Mon) << 2 << At(6, 0) << false;
        QTest::newRow("night: the morning of its start day") << At(22, 0) << At(6, 0) << uint(Mon) << 1 << At(3, 0) << false;
        QTest::newRow("night: the evening after") << At(22, 0) << At(6, 0) << uint(Mon) << 2 << At(23, 0) << false;
        QTest::newRow("night: Sunday's shift into Monday") << At(22, 0) << At(6, 0) << uint(Sun) << 1 << At(2, 0) << true;
        QTest::newRow("until midnight") << At(16, 0) << 0 << uint(Fri) << 5 << At(23, 59) << true;
        QTest::newRow("until midnight: Saturday") << At(16, 0) << 0 << uint(Fri) << 6 << 0 << false;
        QTest::newRow("a day round: the next morning") << At(8, 0) << At(8, 0) << uint(Wed) << 4 << At(7, 59) << true;
        QTest::newRow("a day round: over") << At(8, 0) << At(8, 0) << uint(Wed) << 4 << At(8, 0) << false;
        QTest::newRow("no day of the week") << At(9, 0) << At(17, 0) << Week << 0 << At(12, 0) << false;
    }
    void isWorking()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(uint, days);
        QFETCH(int, dayOfWeek);
        QFETCH(int, minute);
        QFETCH(bool, working);
        QCOMPARE(IsWorking(TWorkingHours{start, end, quint8(days)}, dayOfWeek, minute), working);
    }

    void firstDayOfWeek_data()
    {
        QTest::addColumn<uint>("locale");
        QTest::addColumn<int>("first");
        QTest::newRow("German (Germany): Monday") << 1031u << 1;
        QTest::newRow("Japanese: Sunday") << 1041u << 7;
        QTest::newRow("English (USA): Sunday") << 1033u << 7;
        QTest::newRow("Persian (Iran): Saturday") << 1065u << 6;
        QTest::newRow("no such locale: Monday") << 0x7FFF1234u << 1;
    }
    void firstDayOfWeek()
    {
        QFETCH(uint, locale);
        QFETCH(int, first);
        QCOMPARE(LocaleFirstDayOfWeek(LCID(locale)), first);
    }

    void validity_data()
    {
        QTest::addColumn<TWorkingHours>("hours");
        QTest::addColumn<bool>("valid");
        QTest::newRow("default") << TWorkingHours{540, 1020, 31} << true;
        QTest::newRow("no day") << TWorkingHours{540, 1020, 0} << false;
        QTest::newRow("a day beyond Sunday") << TWorkingHours{540, 1020, 0x80 | 1} << false;
        QTest::newRow("end at 24:00") << TWorkingHours{540, 1440, 1} << false;
        QTest::newRow("negative start") << TWorkingHours{-1, 1020, 1} << false;
        QTest::newRow("night shift") << TWorkingHours{1380, 360, 1} << true;
    }
    void validity()
    {
        QFETCH(TWorkingHours, hours);
        QFETCH(bool, valid);
        QCOMPARE(IsValidWorkingHours(hours), valid);
    }

    void englishDayNames()
    {
        QCOMPARE(EnglishDayName(1), u"Mon"_s);
        QCOMPARE(EnglishDayName(7), u"Sun"_s);
        QCOMPARE(EnglishDayName(8), QString());
        QCOMPARE(DayOfEnglishName(u"thu").value_or(0), 4);
        QCOMPARE(DayOfEnglishName(u"SUN").value_or(0), 7);
        QVERIFY(!DayOfEnglishName(u"Funday"));
        QVERIFY(!DayOfEnglishName(u"Mo"));
        QVERIFY(!DayOfEnglishName(u""));
    }
};

QTEST_GUILESS_MAIN(TestWorkingDays)
#include "TestWorkingDays.moc"
