#include "app/TTimeStrip.h"
#include "unit/doubles/TPcInZone.h"

#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

qint64 Utc(const char* Iso)
{
    return QDateTime::fromString(QString::fromLatin1(Iso), Qt::ISODate).toMSecsSinceEpoch();
}

QString Iso(std::optional<qint64> UtcMs)
{
    return UtcMs ? QDateTime::fromMSecsSinceEpoch(*UtcMs, Qt::UTC).toString(Qt::ISODate) : u"now"_s;
}

} // namespace

// The slider on its own, on a PC in Berlin at 00:07 on the day its clocks go
// forward (2027-03-28, 02:00 CET becomes 03:00 CEST at 01:00Z).
class TestTimeStrip : public QObject {
    Q_OBJECT

    struct TShadeAsk {
        qint64 First;
        int Steps;
    };

    TPcInZone Berlin{u"Europe/Berlin"_s, Utc("2027-03-27T23:07:00Z")};
    QList<TShadeAsk> Asked;
    std::unique_ptr<TTimeStrip> Strip;

    QSlider* Slider() const { return Strip->findChild<QSlider*>(u"TimeSlider"_s); }
    QString ReadOut() const { return Strip->findChild<QLabel*>(u"TimeSliderReadOut"_s)->text(); }

private Q_SLOTS:
    void init()
    {
        Asked.clear();
        Strip = std::make_unique<TTimeStrip>(Berlin, [this](qint64 First, int Steps) {
            Asked.append({First, Steps});
            return std::vector<TShade>(std::size_t(Steps), TShade::AllAwake);
        });
        Strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(Strip.get()));
        Strip->FocusSlider();
    }
    void cleanup() { Strip.reset(); }

    void keys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("readOut");
        QTest::newRow("nothing") << QList<int>{} << u"now"_s << u"Now"_s;
        QTest::newRow("Right: 15 min on from the quarter")
            << QList<int>{Qt::Key_Right} << u"2027-03-27T23:15:00Z"_s << u"Sun 28 Mar 2027 00:15 · in 8 min"_s;
        QTest::newRow("Left: 15 min back")
            << QList<int>{Qt::Key_Left} << u"2027-03-27T22:45:00Z"_s << u"Sat 27 Mar 2027 23:45 · 22 min ago"_s;
        // Three hours of elapsed time; Berlin's clock shows four more.
        QTest::newRow("Page Up three times across the change")
            << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp} << u"2027-03-28T02:00:00Z"_s
            << u"Sun 28 Mar 2027 04:00 · in 2 h 53 min"_s;
        QTest::newRow("Page Down") << QList<int>{Qt::Key_PageDown} << u"2027-03-27T22:00:00Z"_s
                                   << u"Sat 27 Mar 2027 23:00 · 1 h 7 min ago"_s;
        QTest::newRow("Home: now again") << QList<int>{Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Home} << u"now"_s
                                         << u"Now"_s;
        QTest::newRow("back to the middle is still the moment")
            << QList<int>{Qt::Key_Right, Qt::Key_Left} << u"2027-03-27T23:00:00Z"_s
            << u"Sun 28 Mar 2027 00:00 · 7 min ago"_s;
    }
    void keys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, moment);
        QFETCH(QString, readOut);
        QSignalSpy changed(Strip.get(), &TTimeStrip::MomentChanged);
        for (int key : keys)
            QTest::keyClick(Slider(), Qt::Key(key));
        QCOMPARE(Iso(Strip->Moment()), moment);
        QCOMPARE(ReadOut(), readOut);
        if (!keys.isEmpty())
            QCOMPARE(Iso(changed.last().at(0).value<std::optional<qint64>>()), moment);
        QCOMPARE(Strip->findChild<QPushButton*>(u"TimeSliderNow"_s)->isEnabled(), moment != u"now"_s);
    }

    // The slider reaches 48 hours either way, no further.
    void rangeIsTwoDaysEitherWay()
    {
        Slider()->setValue(Slider()->maximum() + 10);
        QCOMPARE(Iso(Strip->Moment()), u"2027-03-29T23:00:00Z"_s);
        QTest::keyClick(Slider(), Qt::Key_End);
        QCOMPARE(Iso(Strip->Moment()), u"2027-03-29T23:00:00Z"_s);
        Slider()->setValue(Slider()->minimum());
        QCOMPARE(Iso(Strip->Moment()), u"2027-03-25T23:00:00Z"_s);
    }

    // A picked day keeps the slider's time of day, and the shading follows.
    void aPickedDayKeepsTheTimeOfDay()
    {
        QTest::keyClick(Slider(), Qt::Key_PageUp); // 01:00 local
        auto* day = Strip->findChild<QDateEdit*>(u"TimeSliderDay"_s);
        QCOMPARE(day->date(), QDate(2027, 3, 28));
        QCOMPARE(day->minimumDate(), QDate(1900, 1, 1));
        QCOMPARE(day->maximumDate(), QDate(2100, 12, 31));
        Asked.clear();
        Q_EMIT day->userDateChanged(QDate(1976, 12, 11)); // as the calendar's pick
        QCOMPARE(Iso(Strip->Moment()), u"1976-12-11T00:00:00Z"_s);
        QCOMPARE(Slider()->value(), 0);
        QCOMPARE(ReadOut().left(22), u"Sat 11 Dec 1976 01:00 "_s);
        QCOMPARE(Asked.size(), 1);
        QCOMPARE(Iso(Asked[0].First), u"1976-12-09T00:00:00Z"_s);
        QCOMPARE(Asked[0].Steps, 385);
        // The slider moves around that day.
        QTest::keyClick(Slider(), Qt::Key_PageDown);
        QCOMPARE(Iso(Strip->Moment()), u"1976-12-10T23:00:00Z"_s);
        QCOMPARE(day->date(), QDate(1976, 12, 11)); // 00:00 in Berlin
    }

    void nowButtonAndShadingAtNow()
    {
        // At now the shading is around now's quarter hour.
        QVERIFY(!Asked.isEmpty());
        QCOMPARE(Iso(Asked.last().First), u"2027-03-25T23:00:00Z"_s);
        QTest::keyClick(Slider(), Qt::Key_Right);
        QSignalSpy changed(Strip.get(), &TTimeStrip::MomentChanged);
        QTest::mouseClick(Strip->findChild<QPushButton*>(u"TimeSliderNow"_s), Qt::LeftButton);
        QCOMPARE(changed.size(), 1);
        QVERIFY(!changed[0].at(0).value<std::optional<qint64>>());
        QCOMPARE(Slider()->value(), 0);
        QSignalSpy copy(Strip.get(), &TTimeStrip::CopyRequested);
        QTest::mouseClick(Strip->findChild<QPushButton*>(u"TimeSliderCopy"_s), Qt::LeftButton);
        QCOMPARE(copy.size(), 1);
    }
};

QTEST_MAIN(TestTimeStrip)
#include "TestTimeStrip.moc"
