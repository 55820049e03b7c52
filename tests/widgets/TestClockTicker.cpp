#include "app/MainUnit.h"
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "common/EPendulorError.h"
#include "widgets/doubles/TSettableNow.h"

#include <QDate>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

TDateTime Moment(int H, int N, int S)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(2026, 1, 5))) + (H * 3600 + N * 60 + S) / 86400.0;
}

// A clock whose "now" fails, as a broken time source would.
class TFailingNow final : public INowSource {
public:
    TDateTime Now() const override { throw EPendulorError(QStringLiteral("no time")); }
};

} // namespace

class TestClockTicker : public QObject {
    Q_OBJECT

    TSettableNow Now{Moment(13, 7, 9)};
    std::unique_ptr<QMdiArea> Area;

    TMDIChild* NewClock(TClockTicker* Ticker, const INowSource* Source = nullptr)
    {
        auto* clock = new TMDIChild({nullptr, Source ? Source : &Now, nullptr, nullptr, nullptr, Ticker});
        Area->addSubWindow(clock);
        clock->SetLocale(1033);
        clock->SetLineFormat(TMDIChild::LineDate, {true, QStringLiteral("yyyy/mm/dd"), false, {}, QStringLiteral("yyyy/mm/dd")});
        clock->SetLineFormat(TMDIChild::LineTime, {true, QStringLiteral("hh:nn:ss"), false, {}, QStringLiteral("hh:nn:ss")});
        clock->show();
        return clock;
    }

private Q_SLOTS:
    void init()
    {
        SaveDataFiles = false; // closing a clock must write nothing here
        Now.Set(Moment(13, 7, 9));
        Area = std::make_unique<QMdiArea>();
        Area->resize(800, 600);
        Area->show();
    }
    void cleanup() { Area.reset(); }

    void clocksOfOneTickerTickTogether()
    {
        TClockTicker ticker;
        QList<TMDIChild*> clocks{NewClock(&ticker), NewClock(&ticker), NewClock(&ticker)};
        clocks[1]->SetOffset(9.0 / 24);
        for (TMDIChild* clock : clocks)
            QCOMPARE(clock->Timer1, ticker.Timer());
        QCOMPARE(ticker.Count(), 3);

        ticker.Tick();
        QCOMPARE(clocks[0]->LabelTime2->text(), QStringLiteral("13:07:09"));
        QCOMPARE(clocks[1]->LabelTime2->text(), QStringLiteral("22:07:09"));
        QCOMPARE(clocks[2]->LabelDate2->text(), QStringLiteral("2026/01/05"));
        Now.Set(Moment(13, 7, 10));
        ticker.Tick();
        for (TMDIChild* clock : {clocks[0], clocks[2]})
            QCOMPARE(clock->LabelTime2->text(), QStringLiteral("13:07:10"));
    }

    void removedAndDeletedClocksNoLongerTick_data()
    {
        QTest::addColumn<int>("gone"); // which of three clocks goes
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("last") << 2;
    }
    void removedAndDeletedClocksNoLongerTick()
    {
        QFETCH(int, gone);
        TClockTicker ticker;
        QList<TMDIChild*> clocks{NewClock(&ticker), NewClock(&ticker), NewClock(&ticker)};
        delete clocks.takeAt(gone);
        QCOMPARE(ticker.Count(), 2);
        ticker.Tick(); // would touch the deleted clock
        for (TMDIChild* clock : clocks)
            QCOMPARE(clock->LabelTime2->text(), QStringLiteral("13:07:09"));

        ticker.Remove(clocks[0]);
        ticker.Remove(clocks[0]); // twice is harmless
        Now.Set(Moment(13, 7, 11));
        ticker.Tick();
        QCOMPARE(clocks[0]->LabelTime2->text(), QStringLiteral("13:07:09"));
        QCOMPARE(clocks[1]->LabelTime2->text(), QStringLiteral("13:07:11"));
    }

    void timerRunsOnlyWhileClocksAreAdded()
    {
        TClockTicker ticker;
        QVERIFY(!ticker.Timer()->isActive()); // an empty frame never wakes up
        TMDIChild* a = NewClock(&ticker);
        QVERIFY(ticker.Timer()->isActive());
        QCOMPARE(ticker.Timer()->interval(), 251);
        TMDIChild* b = NewClock(&ticker);
        delete a;
        QVERIFY(ticker.Timer()->isActive());
        delete b;
        QVERIFY(!ticker.Timer()->isActive());
        NewClock(&ticker);
        QVERIFY(ticker.Timer()->isActive());
    }

    void clockWithoutATickerTicksByItself()
    {
        TMDIChild* clock = NewClock(nullptr);
        QVERIFY(clock->Timer1);
        QVERIFY(clock->Timer1->isActive());
        QCOMPARE(clock->Timer1->interval(), 251);
        TClockTicker frameTicker;
        QVERIFY(NewClock(&frameTicker)->Timer1 != clock->Timer1);
        QTRY_COMPARE_WITH_TIMEOUT(clock->LabelTime2->text(), QStringLiteral("13:07:09"), 2000);
    }

    void failingClockDoesNotStopTheOthers()
    {
        TClockTicker ticker;
        TFailingNow failing;
        TMDIChild* before = NewClock(&ticker);
        NewClock(&ticker, &failing);
        TMDIChild* after = NewClock(&ticker);
        QVERIFY_THROWS_EXCEPTION(EPendulorError, ticker.Tick());
        QCOMPARE(before->LabelTime2->text(), QStringLiteral("13:07:09"));
        QCOMPARE(after->LabelTime2->text(), QStringLiteral("13:07:09"));
    }

    void tickerGoneBeforeItsClocks()
    {
        auto ticker = std::make_unique<TClockTicker>();
        QPointer<TMDIChild> clock = NewClock(ticker.get());
        ticker.reset();
        QVERIFY(clock);
        delete clock; // must not reach the deleted ticker
    }
};

QTEST_MAIN(TestClockTicker)
#include "TestClockTicker.moc"
