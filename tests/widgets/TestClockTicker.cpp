#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "common/EPendulorError.h"
#include "datetime/UnixTime.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeWakeTimer.h"
#include "widgets/doubles/TSettableNow.h"

#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

TDateTime Moment(int H, int N, int S, int Ms = 0)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(2026, 1, 5))) + ((H * 3600 + N * 60 + S) * 1000 + Ms) / 86400000.0;
}

// The same moment as a deadline: this PC's local time is UTC here.
qint64 At(int H, int N, int S, int Ms = 0)
{
    return UnixTime::FromDateTime(Moment(H, N, S, Ms));
}

QString Shown(qint64 Deadline)
{
    return QDateTime::fromMSecsSinceEpoch(Deadline, Qt::UTC).toString(Qt::ISODateWithMs);
}

// A ticker on the test's "now" that wakes when the test fires it.
struct TTickerOnFake {
    explicit TTickerOnFake(const INowSource& Now)
    {
        auto wake = std::make_unique<TFakeWakeTimer>();
        Wake = wake.get();
        Ticker = std::make_unique<TClockTicker>(&Now, std::move(wake));
    }
    TFakeWakeTimer* Wake;
    std::unique_ptr<TClockTicker> Ticker;
};

// A clock whose "now" fails, as a broken time source would.
class TFailingNow final : public INowSource {
public:
    TDateTime Now() const override { throw EPendulorError(QStringLiteral("no time")); }
};

} // namespace

class TestClockTicker : public QObject {
    Q_OBJECT

    TSettableNow Now{Moment(13, 7, 9)};
    TClockDoubles Doubles{Now};
    std::unique_ptr<QMdiArea> Area;

    TMDIChild* NewClock(TClockTicker* Ticker, const INowSource* Source = nullptr,
                        const QString& TimeFormat = QStringLiteral("hh:nn:ss"))
    {
        TClockServices services = Doubles.Services(*Ticker);
        services.Now = Source ? Source : &Now;
        auto* clock = new TMDIChild(services);
        Area->addSubWindow(clock);
        clock->SetLocale(1033);
        clock->SetLineFormat(TMDIChild::LineDate, {true, QStringLiteral("yyyy/mm/dd"), false, {}, QStringLiteral("yyyy/mm/dd")});
        clock->SetLineFormat(TMDIChild::LineTime, {true, TimeFormat, false, {}, TimeFormat});
        clock->show();
        return clock;
    }

private Q_SLOTS:
    void init()
    {
        Now.Set(Moment(13, 7, 9));
        Area = std::make_unique<QMdiArea>();
        Area->resize(800, 600);
        Area->show();
    }
    void cleanup() { Area.reset(); }

    void clocksOfOneTickerTickTogether()
    {
        TTickerOnFake fake(Now);
        TClockTicker& ticker = *fake.Ticker;
        QList<TMDIChild*> clocks{NewClock(&ticker), NewClock(&ticker), NewClock(&ticker)};
        clocks[1]->SetOffset(9.0 / 24);
        for (TMDIChild* clock : clocks)
            QCOMPARE(clock->Timer1, &ticker);
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
        TTickerOnFake fake(Now);
        TClockTicker& ticker = *fake.Ticker;
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

    void wakesOnlyWhileClocksAreAdded()
    {
        TTickerOnFake fake(Now);
        TClockTicker& ticker = *fake.Ticker;
        QVERIFY(!ticker.IsActive()); // an empty frame never wakes up
        TMDIChild* a = NewClock(&ticker);
        QVERIFY(ticker.IsActive());
        QCOMPARE(ticker.Deadline(), TClockTicker::AtOnce); // a new clock ticks at once
        TMDIChild* b = NewClock(&ticker);
        delete a;
        QVERIFY(ticker.IsActive());
        delete b;
        QVERIFY(!ticker.IsActive());
        NewClock(&ticker);
        QVERIFY(ticker.IsActive());
        ticker.Stop(); // ticks by hand from here
        ticker.Tick();
        QVERIFY(!ticker.IsActive());
        ticker.Start();
        QCOMPARE(fake.Wake->Deadline, At(13, 7, 10));
    }

    // Each wake-up is the earliest next change of all clocks, and ticks the
    // clocks whose change has come.
    void sleepsUntilTheEarliestChange()
    {
        Now.Set(Moment(13, 7, 9, 400));
        TTickerOnFake fake(Now);
        TClockTicker& ticker = *fake.Ticker;
        TMDIChild* seconds = NewClock(&ticker);
        TMDIChild* minutes = NewClock(&ticker, nullptr, QStringLiteral("hh:nn"));
        fake.Wake->Fire(); // the new clocks' tick at once
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 7, 10)));
        QCOMPARE(Shown(minutes->NextChange()), Shown(At(13, 8, 0)));

        // 50 seconds: 50 wake-ups, and the minutes clock ticks at none of them.
        for (int s = 10; s < 60; ++s) {
            Now.Set(UnixTime::ToDateTime(fake.Wake->Deadline));
            fake.Wake->Fire();
            QCOMPARE(seconds->LabelTime2->text(), QStringLiteral("13:07:%1").arg(s));
            QCOMPARE(minutes->NextChange(), At(13, 8, 0));
        }
        Now.Set(UnixTime::ToDateTime(fake.Wake->Deadline));
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 8, 0)));
        fake.Wake->Fire();
        QCOMPARE(seconds->LabelTime2->text(), QStringLiteral("13:08:00"));
        QCOMPARE(minutes->LabelTime2->text(), QStringLiteral("13:08"));
        QCOMPARE(Shown(minutes->NextChange()), Shown(At(13, 9, 0)));

        // Woken early (a counting timer's cap): nothing is due, the deadline stays.
        Now.Set(Moment(13, 8, 0, 500));
        seconds->LabelTime2->setText(QStringLiteral("-"));
        fake.Wake->Fire();
        QCOMPARE(seconds->LabelTime2->text(), QStringLiteral("-"));
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 8, 1)));
    }

    // The wall clock set: every clock ticks at once, whatever its deadline,
    // and the next wake-up is worked out from the new time.
    void clockSetTicksEveryClockAtOnce()
    {
        TTickerOnFake fake(Now);
        TClockTicker& ticker = *fake.Ticker;
        TMDIChild* minutes = NewClock(&ticker, nullptr, QStringLiteral("hh:nn"));
        TMDIChild* seconds = NewClock(&ticker);
        fake.Wake->Fire();
        QCOMPARE(minutes->LabelTime2->text(), QStringLiteral("13:07"));
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 7, 10)));

        Now.Set(Moment(15, 30, 20, 250)); // the clock jumps ahead between two deadlines
        fake.Wake->Fire(TWakeReason::ClockSet);
        QVERIFY(fake.Wake->Armed);
        QCOMPARE(minutes->LabelTime2->text(), QStringLiteral("15:30"));
        QCOMPARE(seconds->LabelTime2->text(), QStringLiteral("15:30:20"));
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(15, 30, 21)));

        Now.Set(Moment(9, 0, 0, 999)); // and back, where every old deadline is far ahead
        ticker.Remove(seconds);
        fake.Wake->Fire(TWakeReason::ClockSet);
        QCOMPARE(minutes->LabelTime2->text(), QStringLiteral("09:00"));
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(9, 1, 0)));
    }

    // A changed format, offset or zone shows at the next wake-up, which is at once.
    void editedClockTicksAtOnce()
    {
        TTickerOnFake fake(Now);
        TMDIChild* clock = NewClock(fake.Ticker.get(), nullptr, QStringLiteral("hh:nn"));
        fake.Wake->Fire();
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 8, 0)));
        clock->SetLineFormat(TMDIChild::LineTime, {true, QStringLiteral("hh:nn:ss"), false, {}, QStringLiteral("hh:nn:ss")});
        QCOMPARE(fake.Wake->Deadline, TClockTicker::AtOnce);
        fake.Wake->Fire();
        QCOMPARE(clock->LabelTime2->text(), QStringLiteral("13:07:09"));
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 7, 10)));
        clock->SetOffset(1.0 / 24);
        QCOMPARE(fake.Wake->Deadline, TClockTicker::AtOnce);
        fake.Wake->Fire();
        QCOMPARE(clock->LabelTime2->text(), QStringLiteral("14:07:09"));
    }

    void clockOnATickerOfItsOwnTicksByItself()
    {
        TClockTicker own(&Now); // as a clock shown on its own is given
        TMDIChild* clock = NewClock(&own);
        QVERIFY(clock->Timer1);
        QVERIFY(clock->Timer1->IsActive());
        TTickerOnFake fake(Now);
        QVERIFY(NewClock(fake.Ticker.get())->Timer1 != clock->Timer1);
        QTRY_COMPARE_WITH_TIMEOUT(clock->LabelTime2->text(), QStringLiteral("13:07:09"), 2000);
        // Its "now" stands still: it looks again within a second, never in a loop.
        QVERIFY(clock->Timer1->IsActive());
        QCOMPARE(Shown(clock->Timer1->Deadline()), Shown(At(13, 7, 10)));
    }

    void failingClockDoesNotStopTheOthers()
    {
        TTickerOnFake fake(Now);
        TClockTicker& ticker = *fake.Ticker;
        TFailingNow failing;
        TMDIChild* before = NewClock(&ticker);
        NewClock(&ticker, &failing);
        TMDIChild* after = NewClock(&ticker);
        QVERIFY_THROWS_EXCEPTION(EPendulorError, ticker.Tick());
        QCOMPARE(before->LabelTime2->text(), QStringLiteral("13:07:09"));
        QCOMPARE(after->LabelTime2->text(), QStringLiteral("13:07:09"));
        // Still armed: the others go on, the failing one is tried a second later.
        QVERIFY(fake.Wake->Armed);
        QCOMPARE(Shown(fake.Wake->Deadline), Shown(At(13, 7, 10)));
    }

    void tickerGoneBeforeItsClocks()
    {
        auto ticker = std::make_unique<TClockTicker>(&Now);
        QPointer<TMDIChild> clock = NewClock(ticker.get());
        ticker.reset();
        QVERIFY(clock);
        delete clock; // must not reach the deleted ticker
    }
};

QTEST_MAIN(TestClockTicker)
#include "TestClockTicker.moc"
