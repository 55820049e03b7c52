#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "clock/TSunMark.h"
#include "datetime/UnixTime.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeWakeTimer.h"
#include "widgets/doubles/TSettableNow.h"

#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate).toMSecsSinceEpoch();
}

// This PC's reading at an instant: its local time is UTC here.
TNowReading PcAt(qint64 UtcMs) { return {UtcMs, 0}; }

QColor TimeColour(TMDIChild* Clock) { return Clock->LabelTime2->palette().color(QPalette::WindowText); }

} // namespace

// Clocks showing a chosen moment through their ticker: they stand still, new
// and edited clocks show it too, nothing a clock stores moves, and now comes
// back at once. Expected times are New York's (EST -5, EDT -4 from
// 2026-03-08) and fixed offsets worked out by hand.
class TestClockMoment : public QObject {
    Q_OBJECT

    TSettableNow Now;
    TClockDoubles Doubles{Now};
    std::unique_ptr<QMdiArea> Area;
    TFakeWakeTimer* Wake = nullptr;
    std::unique_ptr<TClockTicker> Ticker;

    TMDIChild* NewClock(const QString& Zone = QString(), TDateTime Offset = 0)
    {
        auto* clock = new TMDIChild(Doubles.Services(*Ticker));
        Area->addSubWindow(clock);
        clock->SetLocale(1033);
        clock->SetLineFormat(TMDIChild::LineDate, {true, u"yyyy/mm/dd"_s, false, {}, u"yyyy/mm/dd"_s});
        clock->SetLineFormat(TMDIChild::LineTime, {true, u"hh:nn:ss"_s, false, {}, u"hh:nn:ss"_s});
        clock->SetOffset(Offset);
        clock->SetTimeZone(Zone);
        clock->show();
        Wake->Fire(); // its tick at once
        return clock;
    }

private Q_SLOTS:
    void init()
    {
        Now.SetUtc(Utc("2026-01-05T13:07:09Z"), 0);
        Area = std::make_unique<QMdiArea>();
        Area->resize(800, 600);
        Area->show();
        auto wake = std::make_unique<TFakeWakeTimer>();
        Wake = wake.get();
        Ticker = std::make_unique<TClockTicker>(&Now, std::move(wake));
    }
    void cleanup()
    {
        Area.reset();
        Ticker.reset();
    }

    void aMomentStandsStillWithoutWakeUps()
    {
        TMDIChild* newYork = NewClock(u"America/New_York"_s);
        TMDIChild* fixed = NewClock(QString(), 9.0 / 24);
        QCOMPARE(newYork->LabelTime2->text(), u"08:07:09"_s);
        const QString title = newYork->windowTitle();
        const TClockData stored = newYork->ClockData();
        const QColor plain = TimeColour(newYork);

        // Summer: New York is on daylight time at the moment, not now.
        Ticker->ShowMoment(PcAt(Utc("2026-07-01T12:00:00Z")));
        QCOMPARE(newYork->LabelDate2->text(), u"2026/07/01"_s);
        QCOMPARE(newYork->LabelTime2->text(), u"08:00:00"_s);
        QCOMPARE(newYork->ShownOffsetMs(), -4 * 3600000LL);
        QCOMPARE(fixed->LabelTime2->text(), u"21:00:00"_s);
        QVERIFY(!Wake->Armed);
        QCOMPARE(Ticker->Deadline(), TClockTicker::NoDeadline);
        // What the clock stores and its caption stay as at now.
        QCOMPARE(newYork->ClockData(), stored);
        QCOMPARE(newYork->windowTitle(), title);
        QVERIFY(TimeColour(newYork) != plain);

        // Time passes and the wall clock is even set: the lines stand still.
        Now.SetUtc(Utc("2026-01-05T13:09:00Z"), 0);
        Wake->Fire(TWakeReason::ClockSet);
        QCOMPARE(newYork->LabelTime2->text(), u"08:00:00"_s);
        QCOMPARE(fixed->LabelTime2->text(), u"21:00:00"_s);

        Ticker->ShowNow();
        QCOMPARE(newYork->LabelTime2->text(), u"08:09:00"_s);
        QCOMPARE(newYork->ShownOffsetMs(), -5 * 3600000LL);
        QCOMPARE(fixed->LabelTime2->text(), u"22:09:00"_s);
        QVERIFY(Wake->Armed);
        QCOMPARE(Wake->Deadline, Utc("2026-01-05T13:09:01Z"));
        QCOMPARE(TimeColour(newYork), plain);
    }

    void newAndEditedClocksShowTheMoment()
    {
        Ticker->ShowMoment(PcAt(Utc("2027-03-14T07:30:00Z")));
        TMDIChild* newYork = NewClock(u"America/New_York"_s);
        QCOMPARE(newYork->LabelTime2->text(), u"03:30:00"_s);
        // Its caption and offset were taken from now, before the moment.
        QCOMPARE(newYork->ClockData().OffsetTime, -5.0 / 24);
        TMDIChild* plain = NewClock();
        QCOMPARE(plain->LabelTime2->text(), u"07:30:00"_s);

        plain->SetOffset(-3.5 / 24); // as an edit does
        newYork->SetTimeZone(u"Asia/Tokyo"_s);
        Wake->Fire();
        QCOMPARE(plain->LabelTime2->text(), u"04:00:00"_s);
        QCOMPARE(newYork->LabelTime2->text(), u"16:30:00"_s);
        QCOMPARE(newYork->ClockData().OffsetTime, 9.0 / 24);
    }

    // New York on 2026-12-11: sunrise 12:09:55Z, sunset 21:28:39Z (PyEphem
    // 4.1.4, almanac horizon, zone.tab's place of New York).
    void theSunAtTheShownMoment_data()
    {
        QTest::addColumn<QString>("instant");
        QTest::addColumn<bool>("up");
        QTest::newRow("before sunrise") << u"2026-12-11T12:05:00Z"_s << false;
        QTest::newRow("after sunrise") << u"2026-12-11T12:15:00Z"_s << true;
        QTest::newRow("before sunset") << u"2026-12-11T21:24:00Z"_s << true;
        QTest::newRow("after sunset") << u"2026-12-11T21:33:00Z"_s << false;
    }
    void theSunAtTheShownMoment()
    {
        QFETCH(QString, instant);
        QFETCH(bool, up);
        TMDIChild* newYork = NewClock(u"America/New_York"_s);
        auto* mark = newYork->findChild<TSunMark*>();
        QVERIFY(mark && mark->isVisible());
        Ticker->ShowMoment(PcAt(Utc(qPrintable(instant))));
        QCOMPARE(mark->IsUp(), up);
        // A clock with a fixed offset has no place, and no mark.
        QVERIFY(!NewClock(QString(), 9.0 / 24)->findChild<TSunMark*>());
        newYork->SetTimeZone(QString());
        QVERIFY(!newYork->findChild<TSunMark*>());
    }

    // What the time line is drawn in: a line's own colour, and a moment's
    // mark over it, reach the pixels, not only the palette.
    void theMarkAndOwnColoursAreDrawn()
    {
        TMDIChild* clock = NewClock();
        TLineStyle red = clock->LineStyle(TMDIChild::LineTime);
        red.seFont = false;
        red.FontColor = 0x000000FF; // 0x00BBGGRR
        clock->SetLineStyle(TMDIChild::LineTime, red);
        const auto drawn = [clock](const QColor& Colour) {
            const QImage image = clock->LabelTime2->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == Colour)
                        return true;
            return false;
        };
        QVERIFY(drawn(QColor(Qt::red)));
        Ticker->ShowMoment(PcAt(Utc("2027-03-14T07:30:00Z")));
        QVERIFY(!drawn(QColor(Qt::red)));
        QVERIFY(drawn(TimeColour(clock)));
        Ticker->ShowNow();
        QVERIFY(drawn(QColor(Qt::red)));
    }

    void nowIsBackAtOnceAndTwiceIsHarmless()
    {
        TMDIChild* clock = NewClock();
        Ticker->ShowNow(); // not showing a moment: nothing happens
        QCOMPARE(clock->LabelTime2->text(), u"13:07:09"_s);
        Ticker->ShowMoment(PcAt(Utc("1976-12-11T12:00:00Z")));
        QCOMPARE(clock->LabelDate2->text(), u"1976/12/11"_s);
        QVERIFY(Ticker->Moment().has_value());
        Ticker->ShowNow();
        QVERIFY(!Ticker->Moment().has_value());
        QCOMPARE(clock->LabelDate2->text(), u"2026/01/05"_s);
    }
};

QTEST_MAIN(TestClockMoment)
#include "TestClockMoment.moc"
