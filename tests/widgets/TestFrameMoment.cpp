#include "app/TTimeStrip.h"
#include "clock/TMDIChild.h"
#include "widgets/doubles/TFrameFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLabel>
#include <QSlider>
#include <QTimeZone>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// This PC's time rounded down to a quarter hour, plus Hours: what the slider
// shows after that many Page Ups (worked out with Qt's own zone rules).
qint64 ExpectedMoment(int Hours)
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 offset = QTimeZone::systemTimeZone().offsetFromUtc(now) * 1000LL;
    const qint64 local = now.toMSecsSinceEpoch() + offset;
    return local - local % (15 * 60000) - offset + Hours * 3600000LL;
}

QString ZoneTime(qint64 UtcMs, const QString& Zone)
{
    return QDateTime::fromMSecsSinceEpoch(UtcMs, Qt::UTC).toTimeZone(QTimeZone(Zone.toUtf8())).toString(u"HH:mm"_s);
}

QString WriteClock(const QTemporaryDir& Dir, const QString& Name, const QString& Zone)
{
    const QString path = Dir.filePath(Name + u".dat"_s);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(u"[NAME]\r\nCaption=%1\r\nLocaleID=1033\r\nTimeZone=%2\r\n\r\n[TIME]\r\nUseFormatList=1\r\n"
                   "ListFormat=hh:nn\r\n\r\n"_s.arg(Name, Zone).toUtf8());
    return path;
}

TMDIChild* ClockNamed(TMainForm& Frame, const QString& Name)
{
    for (TMDIChild* clock : Frame.ClockWindows())
        if (clock->ClockName() == Name)
            return clock;
    return nullptr;
}

} // namespace

// The time slider in the frame, as a user drives it by the keyboard.
class TestFrameMoment : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysMoveEveryClockAndNowComesBack()
    {
        TFrameFixture f;
        f.WriteIni("[OPTION]\r\nCaption=World\r\n");
        TMainForm& frame = f.MakeShown();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        frame.OpenClockFile(WriteClock(f.Home, u"Tokyo"_s, u"Asia/Tokyo"_s));
        frame.OpenClockFile(WriteClock(f.Home, u"New York"_s, u"America/New_York"_s));
        TMDIChild* tokyo = ClockNamed(frame, u"Tokyo"_s);
        TMDIChild* newYork = ClockNamed(frame, u"New York"_s);
        QVERIFY(tokyo && newYork);
        const QString tokyoTitle = tokyo->windowTitle();

        auto* strip = frame.findChild<TTimeStrip*>();
        QVERIFY(strip && strip->isHidden());
        QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(strip->isVisible());
        QVERIFY(frame.findChild<QAction*>(u"TimeSlider1"_s)->isChecked());
        auto* slider = frame.findChild<QSlider*>(u"TimeSlider"_s);
        QCOMPARE(QApplication::focusWidget(), slider);

        const qint64 before = ExpectedMoment(3);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(slider, Qt::Key_PageUp);
        if (ExpectedMoment(3) != before)
            QSKIP("a quarter hour began during the steps");
        QCOMPARE(strip->Moment(), std::optional<qint64>(before));
        QCOMPARE(tokyo->LabelTime2->text(), ZoneTime(before, u"Asia/Tokyo"_s));
        QCOMPARE(newYork->LabelTime2->text(), ZoneTime(before, u"America/New_York"_s));
        QVERIFY2(frame.windowTitle().startsWith(u"World — shown: "_s) && frame.windowTitle().endsWith(u" (not now)"_s),
                 qPrintable(frame.windowTitle()));
        QCOMPARE(tokyo->windowTitle(), tokyoTitle);

        // A clock made meanwhile shows the moment too.
        frame.OpenClockFile(WriteClock(f.Home, u"Lord Howe"_s, u"Australia/Lord_Howe"_s));
        TMDIChild* lordHowe = ClockNamed(frame, u"Lord Howe"_s);
        QVERIFY(lordHowe);
        QCOMPARE(lordHowe->LabelTime2->text(), ZoneTime(before, u"Australia/Lord_Howe"_s));

        // Copied from anywhere in the frame: the instant, then a line per clock.
        QApplication::clipboard()->clear();
        QTest::keyClick(&frame, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QDateTime::fromMSecsSinceEpoch(before, Qt::UTC).toString(u"yyyy-MM-dd'T'HH:mm:ss'Z'"_s));
        QVERIFY2(lines.contains(u"Tokyo\t%1\t%2\tUTC+09:00"_s.arg(tokyo->LabelDate2->text(),
                                                                  ZoneTime(before, u"Asia/Tokyo"_s))),
                 qPrintable(lines.join(u" | "_s)));

        // Home: every clock at now again, the title plain.
        QTest::keyClick(slider, Qt::Key_Home);
        QVERIFY(!strip->Moment());
        const QString nowTokyo = ZoneTime(QDateTime::currentMSecsSinceEpoch(), u"Asia/Tokyo"_s);
        QCOMPARE(tokyo->LabelTime2->text(), nowTokyo);
        QCOMPARE(frame.windowTitle(), u"World"_s);

        // Hiding the strip during a moment brings now back as well.
        QTest::keyClick(slider, Qt::Key_PageDown);
        QVERIFY(strip->Moment());
        QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(strip->isHidden());
        QCOMPARE(frame.windowTitle(), u"World"_s);
        QCOMPARE(lordHowe->LabelTime2->text(), ZoneTime(QDateTime::currentMSecsSinceEpoch(), u"Australia/Lord_Howe"_s));
    }

    // Closed while a moment is shown: the settings keep the plain caption and
    // that the slider was shown.
    void aMomentIsNeverSaved()
    {
        TFrameFixture f;
        f.WriteIni("[OPTION]\r\nCaption=World\r\n");
        TMainForm& frame = f.MakeShown();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(frame.findChild<QSlider*>(u"TimeSlider"_s), Qt::Key_PageUp);
        QVERIFY(frame.windowTitle().endsWith(u"(not now)"_s));
        QVERIFY(frame.FormCloseQuery());
        const QString ini = QString::fromUtf8(f.ReadIni());
        QVERIFY2(ini.contains(u"\r\nCaption=World\r\n"_s), qPrintable(ini));
        QVERIFY(ini.contains(u"\r\nTimeSlider=1\r\n"_s));
        QVERIFY(!ini.contains(u"not now"_s));
    }
};

QTEST_MAIN(TestFrameMoment)
#include "TestFrameMoment.moc"
