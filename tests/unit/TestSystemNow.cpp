#include "datetime/INowSource.h"
#include "datetime/UnixTime.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <ctime>

// The PC's local time as the clocks read it.
class TestSystemNow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        qunsetenv("TZ");
        tzset();
    }

    void agreesWithQtLocalTime()
    {
        const QDateTime Qt = QDateTime::currentDateTime();
        const TDateTime Ours = TSystemNow().Now();
        const double QtDays = QDate(1899, 12, 30).daysTo(Qt.date()) + Qt.time().msecsSinceStartOfDay() / 86400000.0;
        // Two readings a moment apart: within two seconds of each other.
        QVERIFY2(std::fabs(Ours - QtDays) < 2.0 / 86400, qPrintable(QString::number(Ours - QtDays)));
    }

    void followsTheZone_data()
    {
        QTest::addColumn<QByteArray>("Zone");
        QTest::addColumn<int>("OffsetMinutes");
        QTest::newRow("UTC") << QByteArray("UTC0") << 0;
        QTest::newRow("nine hours ahead") << QByteArray("JST-9") << 9 * 60;
        QTest::newRow("five and a half ahead") << QByteArray("IST-5:30") << 5 * 60 + 30;
        QTest::newRow("five behind") << QByteArray("EST5") << -5 * 60;
    }

    void followsTheZone()
    {
        QFETCH(QByteArray, Zone);
        QFETCH(int, OffsetMinutes);
        qputenv("TZ", "UTC0");
        const TDateTime Utc = TSystemNow().Now();
        qputenv("TZ", Zone);
        // A new source checks the zone at its first reading.
        const TDateTime Local = TSystemNow().Now();
        const double Minutes = (Local - Utc) * 1440;
        QVERIFY2(std::fabs(Minutes - OffsetMinutes) < 0.1, qPrintable(QString::number(Minutes)));

        // The UTC reading carries the same offset and the same moment.
        const TSystemNow Source;
        const TNowReading Reading = Source.Read();
        QCOMPARE(Reading.LocalOffsetSeconds, OffsetMinutes * 60);
        QVERIFY(std::llabs(Reading.UtcMs - QDateTime::currentMSecsSinceEpoch()) < 2000);
        const double Days = UnixTime::ToDateTime(Reading.UtcMs + Reading.LocalOffsetSeconds * 1000LL);
        QVERIFY(std::fabs(Source.Now() - Days) < 2.0 / 86400);
    }
};

QTEST_GUILESS_MAIN(TestSystemNow)
#include "TestSystemNow.moc"
