#include "platform/IWakeTimer.h"

#include <QDateTime>
#include <QtTest>

#include <memory>

// The platform's wake-up timers on the real clock: a deadline on the wall
// clock comes, one already passed comes at once, a disarmed one never, and
// the counting timer looks again within its cap.
class TestWakeTimer : public QObject {
    Q_OBJECT

    struct TWakes {
        int Deadlines = 0;
        int ClockSets = 0;
        qint64 At = 0;
    };
    static void Count(IWakeTimer& Timer, TWakes& Wakes)
    {
        Timer.SetHandler([&Wakes](TWakeReason Reason) {
            ++(Reason == TWakeReason::Deadline ? Wakes.Deadlines : Wakes.ClockSets);
            Wakes.At = QDateTime::currentMSecsSinceEpoch();
        });
    }

private Q_SLOTS:
    void wakes_data()
    {
        QTest::addColumn<bool>("wallClock");
        QTest::newRow("wall clock") << true;
        QTest::newRow("counting") << false;
    }
    void wakes()
    {
        QFETCH(bool, wallClock);
        const std::unique_ptr<IWakeTimer> timer = wallClock ? MakeWallClockTimer() : MakeCountingTimer();
        TWakes wakes;
        Count(*timer, wakes);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 deadline = now + 150;
        timer->ArmAt(deadline, now);
        QVERIFY(timer->IsArmed());
        QTRY_COMPARE_WITH_TIMEOUT(wakes.Deadlines, 1, 3000);
        QVERIFY2(wakes.At >= deadline, qPrintable(QString::number(wakes.At - deadline)));
        QVERIFY(!timer->IsArmed());
        QCOMPARE(wakes.ClockSets, 0);

        // Passed already: at once. Re-armed: only the last deadline counts.
        timer->ArmAt(now - 5000, QDateTime::currentMSecsSinceEpoch());
        QTRY_COMPARE_WITH_TIMEOUT(wakes.Deadlines, 2, 1000);
        timer->ArmAt(now - 5000, QDateTime::currentMSecsSinceEpoch());
        timer->ArmAt(QDateTime::currentMSecsSinceEpoch() + 60000, QDateTime::currentMSecsSinceEpoch());
        timer->Disarm();
        QVERIFY(!timer->IsArmed());
        QTest::qWait(300);
        QCOMPARE(wakes.Deadlines, 2);
    }

    // A counting timer cannot see the wall clock being set: it never sleeps
    // longer than its cap, so its owner looks again.
    void countingTimerIsCapped()
    {
        const std::unique_ptr<IWakeTimer> timer = MakeCountingTimer();
        TWakes wakes;
        Count(*timer, wakes);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        timer->ArmAt(now + 3600000, now);
        QTRY_COMPARE_WITH_TIMEOUT(wakes.Deadlines, 1, CountingWakeCapMs + 1000);
        QVERIFY(wakes.At - now < 3600000);
    }
};

QTEST_GUILESS_MAIN(TestWakeTimer)
#include "TestWakeTimer.moc"
