// The shading of a time slider's track, quarter hour by quarter hour, for
// clocks on real zones. The expected spans are UTC, worked out by hand from
// the zones' offsets (Riyadh +3, Berlin +1 in winter and +2 from 2027-03-28
// 01:00 UTC, Tokyo +9; checked with Python's zoneinfo) and the clocks'
// working days.
#include "datetime/TZoneOffset.h"
#include "datetime/WorkingShade.h"

#include <QDateTime>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 DayMs = 24 * 3600 * 1000LL;
const QStringList DayNames = {u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s, u"Sun"_s};

int MinuteOf(QStringView Text) // "08:30"
{
    return Text.left(2).toInt() * 60 + Text.mid(3, 2).toInt();
}

// "Asia/Tokyo 09:00-17:00 Mon,Tue": a clock on the zone's rules.
TShadeClock ClockOf(const QString& Text)
{
    const QStringList Parts = Text.split(u' ');
    TWorkingHours Hours{MinuteOf(Parts[1]), MinuteOf(Parts[1].mid(6)), 0};
    for (const QString& Day : Parts[2].split(u','))
        Hours.Days |= quint8(1u << DayNames.indexOf(Day));
    auto Zone = std::make_shared<TZoneOffset>(Parts[0]);
    return {[Zone](qint64 UtcMs) { return Zone->SecondsAt(UtcMs); }, Hours};
}

// Whether the UTC instant lies in one of the spans "Mon-Thu 08:00-14:00;
// Sat 22:00-24:00". Days count from the day of First (a UTC midnight): a
// range runs forward from its first day.
bool InSpans(const QString& Spans, qint64 First, qint64 UtcMs)
{
    const int FirstDay = int(QDateTime::fromMSecsSinceEpoch(First, Qt::UTC).date().dayOfWeek()) - 1;
    const int DayIndex = int((UtcMs - First) / DayMs);
    const int Minute = int((UtcMs - First) % DayMs / 60000);
    const auto IndexOf = [FirstDay](const QString& Name) { return (DayNames.indexOf(Name) - FirstDay + 7) % 7; };
    for (const QString& Span : Spans.split(u';', Qt::SkipEmptyParts)) {
        const QStringList Parts = Span.trimmed().split(u' ');
        const QStringList Days = Parts[0].split(u'-');
        const int From = IndexOf(Days[0]), To = IndexOf(Days.value(1, Days[0]));
        const bool OnDay = DayIndex % 7 >= From && DayIndex % 7 <= To;
        if (OnDay && Minute >= MinuteOf(Parts[1]) && Minute < MinuteOf(Parts[1].mid(6)))
            return true;
    }
    return false;
}

const char* Name(TShade Shade)
{
    return Shade == TShade::AllWorking ? "working" : Shade == TShade::AllAwake ? "awake" : "other";
}

} // namespace

class TestWorkingShade : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void week_data()
    {
        QTest::addColumn<QStringList>("clocks");
        QTest::addColumn<QString>("first"); // a UTC midnight
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("working"); // UTC spans where every clock works
        QTest::addColumn<QString>("awake");   // UTC spans where every clock is between 07:00 and 22:00

        const QString Riyadh = u"Asia/Riyadh 09:00-17:00 Sun,Mon,Tue,Wed,Thu"_s;
        const QString Berlin = u"Europe/Berlin 09:00-17:00 Mon,Tue,Wed,Thu,Fri"_s;
        const QString Tokyo = u"Asia/Tokyo 09:00-17:00 Mon,Tue,Wed,Thu,Fri"_s;
        const QString Week = u"2027-01-10T00:00:00Z"_s; // a Sunday
        const int WeekSteps = 7 * 96;

        QTest::newRow("Riyadh, Berlin and Tokyo: never all at work")
            << QStringList{Riyadh, Berlin, Tokyo} << Week << WeekSteps << QString() << u"Sun-Sat 06:00-13:00"_s;
        QTest::newRow("Riyadh and Berlin")
            << QStringList{Riyadh, Berlin} << Week << WeekSteps << u"Mon-Thu 08:00-14:00"_s << u"Sun-Sat 06:00-19:00"_s;
        QTest::newRow("Riyadh and Tokyo")
            << QStringList{Riyadh, Tokyo} << Week << WeekSteps << u"Mon-Thu 06:00-08:00"_s << u"Sun-Sat 04:00-13:00"_s;
        QTest::newRow("Riyadh: Sunday to Thursday")
            << QStringList{Riyadh} << Week << WeekSteps << u"Sun-Thu 06:00-14:00"_s << u"Sun-Sat 04:00-19:00"_s;
        QTest::newRow("Tokyo: its morning is the UTC evening before")
            << QStringList{Tokyo} << Week << WeekSteps << u"Mon-Fri 00:00-08:00"_s
            << u"Sun-Sat 00:00-13:00; Sun-Sat 22:00-24:00"_s;
        QTest::newRow("a night shift in Berlin with Tokyo")
            << QStringList{u"Europe/Berlin 22:00-06:00 Mon,Tue,Wed,Thu,Fri"_s, Tokyo} << Week << WeekSteps
            << u"Tue-Fri 00:00-05:00"_s << u"Sun-Sat 06:00-13:00"_s;
        QTest::newRow("Berlin across its March change (Friday to Wednesday)")
            << QStringList{Berlin} << u"2027-03-26T00:00:00Z"_s << 6 * 96
            << u"Fri 08:00-16:00; Mon-Wed 07:00-15:00"_s << u"Fri-Sat 06:00-21:00; Sun-Wed 05:00-20:00"_s;
    }
    void week()
    {
        QFETCH(QStringList, clocks);
        QFETCH(QString, first);
        QFETCH(int, steps);
        QFETCH(QString, working);
        QFETCH(QString, awake);
        std::vector<TShadeClock> Clocks;
        for (const QString& Clock : clocks)
            Clocks.push_back(ClockOf(Clock));
        const qint64 First = QDateTime::fromString(first, Qt::ISODate).toMSecsSinceEpoch();

        const std::vector<TShade> Shades = WorkingShade(Clocks, First, steps);
        QCOMPARE(int(Shades.size()), steps);
        for (int Step = 0; Step < steps; ++Step) {
            const qint64 UtcMs = First + Step * ShadeStepMs;
            const TShade Expected = InSpans(working, First, UtcMs) ? TShade::AllWorking
                                    : InSpans(awake, First, UtcMs) ? TShade::AllAwake
                                                                    : TShade::Other;
            QVERIFY2(Shades[std::size_t(Step)] == Expected,
                     qPrintable(u"%1 UTC: %2, expected %3"_s
                                    .arg(QDateTime::fromMSecsSinceEpoch(UtcMs, Qt::UTC).toString(u"ddd yyyy-MM-dd hh:mm"_s),
                                         QLatin1String(Name(Shades[std::size_t(Step)])), QLatin1String(Name(Expected)))));
        }
    }

    void withoutClocksEveryStepIsOther()
    {
        const std::vector<TShade> Shades = WorkingShade({}, 0, 385);
        QCOMPARE(Shades.size(), std::size_t(385));
        QVERIFY(std::all_of(Shades.begin(), Shades.end(), [](TShade S) { return S == TShade::Other; }));
        QVERIFY(WorkingShade({ClockOf(u"Asia/Tokyo 09:00-17:00 Mon"_s)}, 0, 0).empty());
        QVERIFY(WorkingShade({ClockOf(u"Asia/Tokyo 09:00-17:00 Mon"_s)}, 0, -4).empty());
    }

    // Before 1970 the days still fall on the right weekday: 1969-12-29 was a
    // Monday, so 09:00 UTC on it is inside a UTC clock's Monday.
    void instantsBefore1970()
    {
        const qint64 Monday0900 = -3 * DayMs + 9 * 3600 * 1000LL;
        const TShadeClock Utc{[](qint64) { return 0; }, TWorkingHours{9 * 60, 17 * 60, 1}};
        const std::vector<TShade> Shades = WorkingShade({Utc}, Monday0900 - ShadeStepMs, 2);
        QCOMPARE(Name(Shades[0]), "awake");
        QCOMPARE(Name(Shades[1]), "working");
    }
};

QTEST_GUILESS_MAIN(TestWorkingShade)
#include "TestWorkingShade.moc"
