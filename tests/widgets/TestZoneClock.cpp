#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "widgets/doubles/TClockDoubles.h"
#include "widgets/doubles/TFakeClockFrame.h"
#include "widgets/doubles/TSettableNow.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate).toMSecsSinceEpoch();
}

constexpr int TokyoPc = 9 * 3600; // this PC's offset from UTC in most cases here

// New York's clock with the date and the time with seconds, on a PC in Tokyo.
TClockData NewYork(const QString& Zone = u"America/New_York"_s)
{
    TClockData d;
    d.Name = u"New York"_s;
    d.OffsetTime = 3 / 24.0; // whatever the file held: the zone decides
    d.TimeZone = Zone;
    d.DateFormat = {true, u"yyyy-mm-dd"_s, false, QString(), u"yyyy-mm-dd"_s};
    d.TimeFormat = {true, u"hh:nn:ss"_s, false, QString(), u"hh:nn:ss"_s};
    return d;
}

QString FileText(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

// A clock that follows a time zone: UTC converted by the zone's rules, its
// offset from this PC in the caption, tag and file.
class TestZoneClock : public QObject {
    Q_OBJECT

    TSettableNow FixedNow;
    TClockDoubles Doubles{FixedNow};
    TFakeClockFrame Frame;
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<QMdiArea> Area;

    TMDIChild* NewClock(const TClockData& Data)
    {
        TClockServices services = Doubles.Services();
        services.Frame = &Frame;
        auto* child = new TMDIChild(services);
        Area->addSubWindow(child);
        child->SetClockData(Data);
        child->Timer1->Stop(); // ticks only when a test says so
        child->show();
        child->Timer1Timer();
        return child;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Area = std::make_unique<QMdiArea>();
        Area->resize(900, 700);
        Area->show();
    }

    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        Frame = TFakeClockFrame();
        Frame.DataFolder = Folder->path();
        Frame.Settings = Folder->path();
        FixedNow.SetUtc(Utc("2026-12-10T03:00:00Z"), TokyoPc);
    }

    void cleanup()
    {
        Frame.SaveFiles = false;
        for (QMdiSubWindow* w : Area->subWindowList())
            delete w;
    }

    void showsTheZonesTime()
    {
        TMDIChild* clock = NewClock(NewYork());
        QCOMPARE(clock->LabelDate2->text(), u"2026-12-09"_s);
        QCOMPARE(clock->LabelTime2->text(), u"22:00:00"_s);
        QCOMPARE(clock->windowTitle(), u"-1400"_s);
        QCOMPARE(clock->Tag(), -1400);
        QCOMPARE(clock->ClockData().OffsetTime, -14 / 24.0);
        QCOMPARE(clock->toolTip() + clock->widget()->toolTip(), u"America/New_York"_s);
    }

    void followsTheZonesTransitions_data()
    {
        QTest::addColumn<qint64>("change");
        QTest::addColumn<QString>("timeBefore");
        QTest::addColumn<QString>("captionBefore");
        QTest::addColumn<QString>("timeAfter");
        QTest::addColumn<QString>("captionAfter");
        QTest::newRow("spring") << Utc("2026-03-08T07:00:00Z") << u"01:59:59"_s << u"-1400"_s << u"03:00:00"_s
                                << u"-1300"_s;
        QTest::newRow("autumn") << Utc("2026-11-01T06:00:00Z") << u"01:59:59"_s << u"-1300"_s << u"01:00:00"_s
                                << u"-1400"_s;
    }

    void followsTheZonesTransitions()
    {
        QFETCH(qint64, change);
        QFETCH(QString, timeBefore);
        QFETCH(QString, captionBefore);
        QFETCH(QString, timeAfter);
        QFETCH(QString, captionAfter);
        FixedNow.SetUtc(change - 1000, TokyoPc);
        TMDIChild* clock = NewClock(NewYork());
        QCOMPARE(clock->LabelTime2->text(), timeBefore);
        QCOMPARE(clock->windowTitle(), captionBefore);
        FixedNow.SetUtc(change, TokyoPc);
        clock->Timer1Timer();
        QCOMPARE(clock->LabelTime2->text(), timeAfter);
        QCOMPARE(clock->windowTitle(), captionAfter);
        QCOMPARE(clock->Tag(), captionAfter.toInt());
    }

    void followsThisPcsZone()
    {
        TMDIChild* clock = NewClock(NewYork());
        // This PC moves to Berlin: the clock's time stays, its offset from
        // the PC changes.
        FixedNow.SetUtc(Utc("2026-12-10T03:00:00Z"), 3600);
        clock->Timer1Timer();
        QCOMPARE(clock->LabelTime2->text(), u"22:00:00"_s);
        QCOMPARE(clock->windowTitle(), u"-0600"_s);
        QCOMPARE(clock->Tag(), -600);
    }

    void captionShowingTheNameIsLeftAlone()
    {
        FixedNow.SetUtc(Utc("2026-03-08T06:59:59Z"), TokyoPc);
        TMDIChild* clock = NewClock(NewYork());
        clock->setWindowTitle(u"New York"_s); // the frame's tab mode
        FixedNow.SetUtc(Utc("2026-03-08T07:00:00Z"), TokyoPc);
        clock->Timer1Timer();
        QCOMPARE(clock->windowTitle(), u"New York"_s);
        QCOMPARE(clock->Tag(), -1300); // what the frame shows when the tabs go
    }

    void savesTheZoneAndItsOffsetFromThisPc()
    {
        TMDIChild* clock = NewClock(NewYork());
        QVERIFY(clock->close());
        const QString text = FileText(QDir(Frame.DataFolder).filePath(u"New York.dat"_s));
        QVERIFY2(text.contains(u"Offset=-1400\r\nTimeZone=America/New_York\r\n\r\n[DATE]"_s), qPrintable(text));
    }

    void unknownZoneRunsOnItsOffsetAndIsKept()
    {
        TClockData data = NewYork(u"America/Atlantis"_s);
        data.OffsetTime = -14 / 24.0;
        TMDIChild* clock = NewClock(data);
        // Local time (12:00 in Tokyo) minus fourteen hours.
        QCOMPARE(clock->LabelTime2->text(), u"22:00:00"_s);
        QCOMPARE(clock->windowTitle(), u"-1400"_s);
        QVERIFY2(clock->widget()->toolTip().contains(u"Unknown time zone \"America/Atlantis\""_s),
                 qPrintable(clock->widget()->toolTip()));
        QCOMPARE(clock->Hint(), u"New York"_s);
        QVERIFY(clock->close());
        const QString text = FileText(QDir(Frame.DataFolder).filePath(u"New York.dat"_s));
        QVERIFY2(text.contains(u"Offset=-1400\r\nTimeZone=America/Atlantis\r\n"_s), qPrintable(text));
    }

    void farZoneStoresTheDefaultOffset()
    {
        // Kiritimati (+14) from a PC in Pago Pago (-11) is 25 hours ahead.
        FixedNow.SetUtc(Utc("2026-12-10T03:00:00Z"), -11 * 3600);
        TMDIChild* clock = NewClock(NewYork(u"Pacific/Kiritimati"_s));
        QCOMPARE(clock->windowTitle(), u"+2500"_s);
        QCOMPARE(clock->LabelTime2->text(), u"17:00:00"_s);
        QVERIFY(clock->close());
        const QString text = FileText(QDir(Frame.DataFolder).filePath(u"New York.dat"_s));
        QVERIFY2(text.contains(u"Offset=+0000\r\nTimeZone=Pacific/Kiritimati\r\n"_s), qPrintable(text));
    }
};

QTEST_MAIN(TestZoneClock)
#include "TestZoneClock.moc"
