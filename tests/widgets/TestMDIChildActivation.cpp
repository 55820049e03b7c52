#include "clock/TMDIChild.h"
#include "widgets/doubles/TClockDoubles.h"

#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include <map>

namespace {

// Counts the paint events of the windows it watches.
class TPaintCounter final : public QObject {
public:
    std::map<QObject*, int> Paints;
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint)
            ++Paints[Watched];
        return false;
    }
};

} // namespace

class TestMDIChildActivation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void activationRepaintsOnlyTheWindowsItChanges_data();
    void activationRepaintsOnlyTheWindowsItChanges();
};

void TestMDIChildActivation::activationRepaintsOnlyTheWindowsItChanges_data()
{
    // Which clock is activated after five were added one after another
    // (5 = a new one); the fifth added (index 4) is active before.
    QTest::addColumn<int>("activated");
    QTest::newRow("new clock") << 5;
    QTest::newRow("first clock") << 0;
    QTest::newRow("middle clock") << 2;
}

void TestMDIChildActivation::activationRepaintsOnlyTheWindowsItChanges()
{
    QFETCH(int, activated);
    TClockDoubles doubles;
    QMdiArea area;
    area.resize(1400, 900);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    TPaintCounter counter;
    QList<TMDIChild*> clocks;
    const auto add = [&] {
        auto* clock = new TMDIChild(doubles.Services());
        clock->installEventFilter(&counter);
        area.addSubWindow(clock);
        clock->show();
        clock->InitNewClock();
        clocks.append(clock);
    };
    for (int i = 0; i < 5; ++i)
        add();
    QCoreApplication::processEvents();
    QCOMPARE(area.activeSubWindow(), clocks[4]);

    counter.Paints.clear();
    if (activated == clocks.size())
        add();
    else
        area.setActiveSubWindow(clocks[activated]);
    QCoreApplication::processEvents();

    QCOMPARE(area.activeSubWindow(), clocks[activated]);
    for (int i = 0; i < clocks.size(); ++i) {
        // The new active and the one that lost the activation show the change.
        const int expected = (i == activated || i == 4) ? 1 : 0;
        QVERIFY2(counter.Paints[clocks[i]] >= expected, qPrintable(QStringLiteral("clock %1").arg(i)));
        if (expected == 0)
            QVERIFY2(counter.Paints[clocks[i]] == 0, qPrintable(QStringLiteral("clock %1 repainted").arg(i)));
        QVERIFY(clocks[i]->updatesEnabled());
    }
    // A clock held back during the activation still repaints later.
    counter.Paints.clear();
    clocks[1]->setWindowTitle(QStringLiteral("+0900"));
    QCoreApplication::processEvents();
    QCOMPARE(counter.Paints[clocks[1]] > 0, true);
}

QTEST_MAIN(TestMDIChildActivation)
#include "TestMDIChildActivation.moc"
