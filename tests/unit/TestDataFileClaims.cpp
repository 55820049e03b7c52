#include "clock/data/DataFileClaims.h"

#include <QtTest>

// The claims on their own: who takes over a file, and what a numbered name is.
class TestDataFileClaims : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberedNames_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("second");
        QTest::newRow("plain") << "/d/Tokyo.dat" << "/d/Tokyo (2).dat";
        QTest::newRow("dots in the name") << "/d/St. John's.dat" << "/d/St. John's (2).dat";
        QTest::newRow("default name") << "/d/(new).dat" << "/d/(new) (2).dat";
    }

    void numberedNames()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, second);
        TDataFileClaims claims;
        const auto first = claims.NewClock();
        const auto other = claims.NewClock();
        claims.Written(first, wanted);
        QCOMPARE(claims.FileFor(first, wanted), wanted);
        QCOMPARE(claims.FileFor(other, wanted), second);
    }

    void aLoadTakesOverTheFileOfAClosedClockOnly()
    {
        TDataFileClaims claims;
        const auto first = claims.NewClock();
        const auto twin = claims.NewClock();
        claims.Loaded(first, "/d/Oslo.dat");
        claims.Loaded(twin, "/d/./Oslo.dat"); // the same file, opened while the first is open
        QCOMPARE(claims.FileFor(twin, "/d/Oslo.dat"), "/d/Oslo (2).dat");

        claims.Closed(first);
        QCOMPARE(claims.FileFor(twin, "/d/Oslo.dat"), "/d/Oslo (2).dat"); // still held
        const auto reopened = claims.NewClock();
        claims.Loaded(reopened, "/d/Oslo.dat");
        QCOMPARE(claims.FileFor(reopened, "/d/Oslo.dat"), "/d/Oslo.dat");
    }
};

QTEST_GUILESS_MAIN(TestDataFileClaims)
#include "TestDataFileClaims.moc"
