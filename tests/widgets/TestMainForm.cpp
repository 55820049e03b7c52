#include "app/MainUnit.h"
#include "app/TFormTabsBar.h"
#include "app/TInAppWindowMenu.h"
#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "clock/data/ClockDataFile.h"
#include "common/EPendulorError.h"
#include "platform/IStyleService.h"
#include "platform/IWindowSystem.h"
#include "widgets/doubles/TFakeMessageBoxes.h"
#include "widgets/doubles/TFrameFixture.h"
#include "widgets/doubles/TMainFormTestAccess.h"
#include "widgets/doubles/TFakeStyleService.h"
#include "widgets/doubles/TFakeWindowSystem.h"

#include <QAccessible>
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using TAccess = TMainFormTestAccess;

namespace {

// An object whose event handler fails, as a command would.
class TThrowingObject final : public QObject {
public:
    QString Message;
    bool event(QEvent* Event) override
    {
        if (Event->type() == QEvent::User)
            throw EPendulorError(Message);
        return QObject::event(Event);
    }
};

// "Section/Key=Value" for every line of a written settings file, in order.
QStringList Lines(const QByteArray& Bytes)
{
    QString text = QString::fromUtf8(Bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList result;
    QString section;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'['))
            section = line.mid(1, line.size() - 2);
        else if (!line.isEmpty())
            result << section + u'/' + line;
    }
    return result;
}

QString Value(const QStringList& Lines, const QString& SectionKey)
{
    for (const QString& line : Lines)
        if (line.startsWith(SectionKey + u'='))
            return line.mid(SectionKey.size() + 1);
    return QStringLiteral("<absent>");
}

QStringList Keys(const QStringList& Lines)
{
    QStringList keys;
    for (const QString& line : Lines)
        keys << line.left(line.indexOf(u'='));
    return keys;
}

// Equal bounds, give or take the 2 px frame the offscreen platform pretends
// to draw (it keeps it after the frame is switched off).
bool Near(const QRect& A, const QRect& B)
{
    return std::abs(A.left() - B.left()) <= 2 && std::abs(A.top() - B.top()) <= 2 && A.size() == B.size();
}

QString ErrorTexts(const TFakeMessageBoxes& Boxes)
{
    QStringList texts;
    for (const auto& shown : Boxes.Shown)
        texts << shown.Text;
    return texts.join(u'|');
}

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newClockShowsItsLinesUncut_data();
    void newClockShowsItsLinesUncut();
    void emptyAreaSaysHowToBegin();
    void firstRunUsesTheDefaults();
    void settingsAreReadAsStored_data();
    void settingsAreReadAsStored();
    void settingsRoundTripInKeyOrder();
    void byteOrderMarkAndEmptyCaptionSurvive();
    void tabsKeyOnlyWhileTheTabBarShows();
    void badSettingsStillBringTheFrameUp_data();
    void badSettingsStillBringTheFrameUp();
    void unreadableSettingsAreReportedAndKept();
    void dataFolderThatCannotBeMadePutsSettingsBesideTheExecutable();
    void pathsFollowTheDataHome_data();
    void pathsFollowTheDataHome();
    void fileNewShowsDateAndTimeAtOnce();
    void clocksOfTheFrameTickOnOneTimer();
    void newClockWithoutALayoutIsPlacedOneStepOn();
    void firstClockResetsTheLayoutToCascade();
    void closeAsksTheClocksLastToFirst();
    void clockThatCannotBeSavedKeepsEverythingOpen();
    void savedClockSetIsReopenedAtTheNextStart();
    void exceptionEventShowsOrRefocuses_data();
    void exceptionEventShowsOrRefocuses();
    void errorsInEventHandlersReachTheHandler();
    void failedCloseKeepsTheWindowOpen();
    void windowMenuKeepsOneShowMenuBarItem();
    void menuBarComesBackThroughEveryWayIn();
    void tilingMakesRowsAndColumns_data();
    void tilingMakesRowsAndColumns();
    void layoutFromTheMenuWithoutClocksIsRemembered();
    void cascadeKeepsSizesAndPutsTheFrontWindowLast();
    void tabsForEveryClockWhenTheBarShows();
    void tabCaptionsFollowTheTabSetting_data();
    void tabCaptionsFollowTheTabSetting();
    void screenReadersFindNamesAndNoHiddenList();
    void titleBarOffAndOnRestoresTheBounds();
    void menusCarryTheirCaptionsAndShortcuts();
    void destroyingTheFrameRunsNoHandlerOfItsOwn();
    void aServiceMissingIsRefused_data();
    void aServiceMissingIsRefused();
};

void TestMainForm::firstRunUsesTheDefaults()
{
    TFrameFixture f;
    TMainForm& frame = f.Make();
    QCOMPARE(frame.frameGeometry(), QRect(400, 300, 400, 300));
    QVERIFY(FrameAction(frame, "ShowTitleBar1").isChecked());
    QVERIFY(!frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(FrameAction(frame, "ShowMenuBar1").isChecked());
    QVERIFY(frame.IsMenuBarShown());
    QVERIFY(!FrameAction(frame, "ShowTabs1").isChecked());
    QVERIFY(TAccess::TabsBar(frame).isHidden());
    QVERIFY(!FrameAction(frame, "ShowCloseButton1").isChecked());
    QVERIFY(!FrameAction(frame, "StayOnTop1").isChecked());
    QVERIFY(!frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowCascade1"));
    QCOMPARE(TAccess::AlphaBlendValue(frame), 255);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Pendulor"));
    QCOMPARE(TAccess::StyleName(frame), QStringLiteral("Windows"));
    QCOMPARE(TAccess::MDIChildCount(frame), 0);
    QVERIFY(!TAccess::IsStyleChanged(frame));
    QVERIFY(TAccess::SaveDataFiles(frame));
    QCOMPARE(TAccess::IniFileName(frame), f.IniPath());
    QVERIFY(QDir(f.Folder()).exists());
    QVERIFY(f.Boxes.Shown.isEmpty());
    // The style list: sorted, the active one selected, never shown.
    QCOMPARE(TAccess::StyleList(frame).count(), 4);
    QCOMPARE(TAccess::StyleList(frame).item(0)->text(), QStringLiteral("Amethyst Kamri"));
    QCOMPARE(TAccess::StyleList(frame).currentItem()->text(), QStringLiteral("Windows"));
    QVERIFY(TAccess::StyleList(frame).isHidden());
}

void TestMainForm::settingsAreReadAsStored_data()
{
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<int>("tileMode");       // -1: cascade remembered, 9: none remembered
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QString>("style");      // the style activated
    QTest::addColumn<bool>("closeButton");

    QTest::newRow("cascade") << QByteArray("LastTileMode=-1") << -1 << 255 << "Windows" << false;
    QTest::newRow("horizontal") << QByteArray("LastTileMode=0") << 0 << 255 << "Windows" << false;
    QTest::newRow("vertical") << QByteArray("LastTileMode=1") << 1 << 255 << "Windows" << false;
    QTest::newRow("other mode") << QByteArray("LastTileMode=7") << 9 << 255 << "Windows" << false;
    QTest::newRow("mode not a number") << QByteArray("LastTileMode=abc") << -1 << 255 << "Windows" << false;
    QTest::newRow("hex alpha, low 8 bits") << QByteArray("AlphaBlendValue=0x1C8") << -1 << 0xC8 << "Windows" << false;
    QTest::newRow("dollar hex") << QByteArray("AlphaBlendValue=$10") << -1 << 16 << "Windows" << false;
    QTest::newRow("style in other case") << QByteArray("StyleName=CARBON") << -1 << 255 << "Carbon" << false;
    QTest::newRow("style not on offer") << QByteArray("StyleName=Nowhere") << -1 << 255 << "Windows" << false;
    QTest::newRow("bool any number") << QByteArray("ShowCloseButton=-3") << -1 << 255 << "Windows" << true;
    QTest::newRow("bool not a number") << QByteArray("ShowCloseButton=yes") << -1 << 255 << "Windows" << false;
}

void TestMainForm::settingsAreReadAsStored()
{
    QFETCH(QByteArray, option);
    QFETCH(int, tileMode);
    QFETCH(int, alpha);
    QFETCH(QString, style);
    QFETCH(bool, closeButton);

    TFrameFixture f;
    f.WriteIni("[option]\r\n" + option + "\r\n");
    TMainForm& frame = f.Make();
    switch (tileMode) {
    case -1: QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowCascade1")); break;
    case 0:
        QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowTileHorizontal1"));
        QCOMPARE(TAccess::TileMode(frame), TAccess::TileHorizontal);
        break;
    case 1:
        QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowTileVertical1"));
        QCOMPARE(TAccess::TileMode(frame), TAccess::TileVertical);
        break;
    default: QCOMPARE(TAccess::LastAction(frame), nullptr); break;
    }
    QCOMPARE(TAccess::AlphaBlendValue(frame), alpha);
    QCOMPARE(f.Styles.Active, style);
    QCOMPARE(TAccess::StyleList(frame).currentItem()->text(), style);
    QCOMPARE(FrameAction(frame, "ShowCloseButton1").isChecked(), closeButton);
    if (option.startsWith("StyleName")) // kept as read, also when unknown
        QCOMPARE(TAccess::StyleName(frame), QString::fromLatin1(option.mid(10)));
    // A remembered layout of none must not fail when executed.
    frame.OpenClockFile(QString());
    TAccess::ExecuteLastAction(frame);
}

void TestMainForm::settingsRoundTripInKeyOrder()
{
    TFrameFixture f;
    f.WriteIni("; hand-written\r\n[POSITION]\r\nWidth=0x1F4\r\nHeight=$12C\r\nLeft=abc\r\nTop= -20\r\n"
               "Extra=1\r\n[OPTION]\r\nShowTitleBar=1\r\nShowMenuBar=0\r\nShowCloseButton=x\r\n"
               "StayOnTop=5\r\nLastTileMode=1\r\nAlphaBlendValue=0x1C8\r\nCaption=World clock\r\n"
               "StyleName=amethyst kamri\r\n");
    TMainForm& frame = f.Make();
    QCOMPARE(frame.frameGeometry(), QRect(350, -20, 500, 300)); // off-screen top kept
    QVERIFY(!frame.IsMenuBarShown());
    QVERIFY(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(frame.FormCloseQuery());

    const QStringList lines = Lines(f.ReadIni());
    QCOMPARE(Keys(lines), (QStringList{
        "PROGRAM/Name", "PROGRAM/Path", "PROGRAM/Version", "PROGRAM/IniFile", "PROGRAM/LastClose",
        "POSITION/Width", "POSITION/Height", "POSITION/Left", "POSITION/Top",
        "OPTION/ShowTitleBar", "OPTION/ShowMenuBar", "OPTION/ShowCloseButton", "OPTION/StayOnTop",
        "OPTION/LastTileMode", "OPTION/AlphaBlendValue", "OPTION/Caption", "OPTION/StyleName"}));
    QCOMPARE(Value(lines, "PROGRAM/Name"), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QCOMPARE(Value(lines, "PROGRAM/Path"), QCoreApplication::applicationDirPath());
    QCOMPARE(Value(lines, "PROGRAM/Version"), QStringLiteral("V1.2"));
    QCOMPARE(Value(lines, "PROGRAM/IniFile"), f.IniPath());
    QVERIFY(!Value(lines, "PROGRAM/LastClose").isEmpty());
    QCOMPARE(Value(lines, "POSITION/Width"), QStringLiteral("500"));
    QCOMPARE(Value(lines, "POSITION/Height"), QStringLiteral("300"));
    QCOMPARE(Value(lines, "POSITION/Left"), QStringLiteral("350"));
    QCOMPARE(Value(lines, "POSITION/Top"), QStringLiteral("-20"));
    QCOMPARE(Value(lines, "OPTION/ShowTitleBar"), QStringLiteral("1"));
    QCOMPARE(Value(lines, "OPTION/ShowMenuBar"), QStringLiteral("0"));
    QCOMPARE(Value(lines, "OPTION/ShowCloseButton"), QStringLiteral("0"));
    QCOMPARE(Value(lines, "OPTION/StayOnTop"), QStringLiteral("1"));
    QCOMPARE(Value(lines, "OPTION/LastTileMode"), QStringLiteral("1"));
    QCOMPARE(Value(lines, "OPTION/AlphaBlendValue"), QStringLiteral("200"));
    QCOMPARE(Value(lines, "OPTION/Caption"), QStringLiteral("World clock"));
    QCOMPARE(Value(lines, "OPTION/StyleName"), QStringLiteral("amethyst kamri"));

    // The written file reads back to the same frame.
    TMainForm& again = f.Make();
    QCOMPARE(again.frameGeometry(), QRect(350, -20, 500, 300));
    QCOMPARE(again.windowTitle(), QStringLiteral("World clock"));
    QCOMPARE(TAccess::AlphaBlendValue(again), 200);
    QCOMPARE(TAccess::LastAction(again), &FrameAction(again, "WindowTileVertical1"));
    QVERIFY(FrameAction(again, "StayOnTop1").isChecked());
    QVERIFY(!FrameAction(again, "ShowMenuBar1").isChecked());
}

void TestMainForm::byteOrderMarkAndEmptyCaptionSurvive()
{
    TFrameFixture f;
    f.WriteIni("\xEF\xBB\xBF[OPTION]\r\nCaption=\r\nStyleName=" + QStringLiteral(u"時計").toUtf8() + "\r\n");
    TMainForm& frame = f.Make();
    QCOMPARE(frame.windowTitle(), QString()); // present but empty: no default
    QVERIFY(frame.FormCloseQuery());
    const QByteArray written = f.ReadIni();
    QVERIFY(written.startsWith("\xEF\xBB\xBF[PROGRAM]\r\n"));
    const QStringList lines = Lines(written);
    QCOMPARE(Value(lines, "OPTION/Caption"), QString());
    QCOMPARE(Value(lines, "OPTION/StyleName"), QStringLiteral(u"時計"));
    QCOMPARE(f.Make().windowTitle(), QString());
}

void TestMainForm::tabsKeyOnlyWhileTheTabBarShows()
{
    TFrameFixture f;
    f.WriteIni("[OPTION]\r\nShowTabs=1\r\n");
    TMainForm& frame = f.MakeShown();
    QVERIFY(!TAccess::TabsBar(frame).isHidden()); // applied at the first showing
    QVERIFY(frame.FormCloseQuery());
    QCOMPARE(Value(Lines(f.ReadIni()), "OPTION/ShowTabs"), QStringLiteral("1"));

    FrameAction(frame, "ShowTabs1").trigger(); // off
    QVERIFY(TAccess::TabsBar(frame).isHidden());
    QVERIFY(frame.FormCloseQuery());
    QCOMPARE(Value(Lines(f.ReadIni()), "OPTION/ShowTabs"), QStringLiteral("<absent>"));
    QVERIFY(!FrameAction(f.Make(), "ShowTabs1").isChecked());
}

void TestMainForm::badSettingsStillBringTheFrameUp_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QRect>("bounds");

    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 7919) & 0xFF));
    QTest::newRow("binary garbage") << garbage << QRect(400, 300, 400, 300);
    // Too small: the smallest frame its menu bar allows, placed as its default.
    QTest::newRow("negative size") << QByteArray("[POSITION]\nWidth=-400\nHeight=-1\n") << QRect(540, 420, 0, 0);
    QTest::newRow("zero size") << QByteArray("[POSITION]\nWidth=0\nHeight=0\nLeft=0\nTop=0\n") << QRect(0, 0, 0, 0);
    QTest::newRow("huge size and place")
        << QByteArray("[POSITION]\nWidth=100000\nHeight=100000\nLeft=100000\nTop=-100000\n")
        << QRect(30000, -30000, 2400, 900);
    QTest::newRow("out of 32 bits") << QByteArray("[POSITION]\nWidth=99999999999\n") << QRect(400, 300, 400, 300);
}

void TestMainForm::badSettingsStillBringTheFrameUp()
{
    QFETCH(QByteArray, content);
    QFETCH(QRect, bounds);
    TFrameFixture f;
    f.WriteIni(content);
    TMainForm& frame = f.MakeShown();
    QVERIFY(frame.isVisible());
    frame.hide();
    if (bounds.width() > 0) {
        QVERIFY2(Near(frame.frameGeometry(), bounds), qPrintable(QDebug::toString(frame.frameGeometry())));
    } else {
        QCOMPARE(frame.frameGeometry().topLeft(), bounds.topLeft());
        QVERIFY(frame.width() >= 120 && frame.width() <= 300);
        QVERIFY(frame.height() >= 60 && frame.height() <= 150);
    }
}

void TestMainForm::unreadableSettingsAreReportedAndKept()
{
    TFrameFixture f;
    QVERIFY(QDir().mkpath(f.IniPath())); // a folder where the file should be: exists, cannot be read
    TMainForm& frame = f.Make();
    QCOMPARE(f.Boxes.Shown.size(), 1);
    QVERIFY2(f.Boxes.Shown[0].Text.contains(QStringLiteral("could not be read")), qPrintable(ErrorTexts(f.Boxes)));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Pendulor")); // defaults
    // At close nothing replaces what could not be read; the frame still closes.
    QVERIFY(frame.FormCloseQuery());
    QVERIFY(QFileInfo(f.IniPath()).isDir());
    QCOMPARE(f.Boxes.Shown.size(), 2);
}

void TestMainForm::dataFolderThatCannotBeMadePutsSettingsBesideTheExecutable()
{
    TFrameFixture f;
    QFile blocker(f.Home.filePath(QStringLiteral("Quorvane")));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
    blocker.close();
    TMainForm& frame = f.Make();
    const QString beside = QCoreApplication::applicationDirPath() + u'/' +
                           QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                           QStringLiteral(".ini");
    QCOMPARE(TAccess::IniFileName(frame), beside);
    QCOMPARE(TAccess::DataFolder(frame), f.Folder()); // clocks are still addressed there
}

void TestMainForm::pathsFollowTheDataHome_data()
{
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("folder");

    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QTest::newRow("xdg") << QByteArray("/data/x") << QByteArray("/home/u") << "/data/x/Quorvane/" + base;
    QTest::newRow("xdg with slash") << QByteArray("/data/x/") << QByteArray("/home/u") << "/data/x/Quorvane/" + base;
    QTest::newRow("default") << QByteArray() << QByteArray("/home/u")
                             << "/home/u/.local/share/Quorvane/" + base;
    QTest::newRow("relative xdg ignored") << QByteArray("rel") << QByteArray("/home/u")
                                          << "/home/u/.local/share/Quorvane/" + base;
    QTest::newRow("no home at all") << QByteArray() << QByteArray() << "Quorvane/" + base;
}

void TestMainForm::pathsFollowTheDataHome()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QString, folder);
    const QByteArray oldHome = qgetenv("HOME");
    xdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg);
    home.isEmpty() ? qunsetenv("HOME") : qputenv("HOME", home);
    const QString dataFolder = GetDataFolder(QStringLiteral("Quorvane"));
    const QString ini = GetIniFileName(QStringLiteral("Quorvane"));
    qputenv("HOME", oldHome);
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(dataFolder, folder);
    QCOMPARE(ini, folder + u'/' + QFileInfo(folder).fileName() + QStringLiteral(".ini"));
}

void TestMainForm::fileNewShowsDateAndTimeAtOnce()
{
    TFrameFixture f;
    TMainForm& frame = f.Make();
    FrameAction(frame, "FileNew1").trigger();
    const QList<TMDIChild*> clocks = frame.ClockWindows();
    QCOMPARE(clocks.size(), 1);
    TMDIChild* clock = clocks.first();
    QVERIFY(!clock->LabelDate2->text().isEmpty());
    QVERIFY(!clock->LabelTime2->text().isEmpty());
    QCOMPARE(clock->ClockName(), QStringLiteral("(new)"));
    QCOMPARE(clock->DataFileName2, f.Folder() + QStringLiteral("/(new).dat"));
    QVERIFY(TAccess::IsStyleChanged(frame));
    QVERIFY(!clock->HasCloseBox());
    QVERIFY(clock->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(FrameAction(frame, "WindowCascade1").isEnabled());

    FrameAction(frame, "ShowCloseButton1").trigger(); // existing clocks and new ones follow the mark
    QVERIFY(clock->HasCloseBox());
    FrameAction(frame, "FileNew1").trigger();
    QVERIFY(frame.ClockWindows().first()->HasCloseBox());
}

void TestMainForm::clocksOfTheFrameTickOnOneTimer()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    for (int i = 0; i < 3; ++i)
        FrameAction(frame, "FileNew1").trigger();
    const QList<TMDIChild*> clocks = frame.ClockWindows();
    TClockTicker* timer = clocks.first()->Timer1;
    QVERIFY(timer->IsActive());
    const QString seconds = QStringLiteral("hh:nn:ss");
    for (TMDIChild* clock : clocks) {
        QCOMPARE(clock->Timer1, timer);
        clock->LabelTime2->setText(QStringLiteral("-"));
        clock->SetLineFormat(TMDIChild::LineTime, {true, seconds, false, {}, seconds}); // ticks at once
    }
    for (TMDIChild* clock : clocks)
        QTRY_VERIFY_WITH_TIMEOUT(clock->LabelTime2->text() != QStringLiteral("-"), 2000);
    // Then the next wake-up is the next second, not sooner.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QVERIFY2(timer->Deadline() > now - 1000 && timer->Deadline() <= now / 1000 * 1000 + 1000,
             qPrintable(QString::number(timer->Deadline() - now)));

    for (TMDIChild* clock : clocks)
        clock->close();
    QTRY_VERIFY(!timer->IsActive()); // no clock left: the frame no longer wakes up
    FrameAction(frame, "FileNew1").trigger();
    QVERIFY(timer->IsActive());
}

void TestMainForm::newClockWithoutALayoutIsPlacedOneStepOn()
{
    TFrameFixture f;
    f.WriteIni("[POSITION]\r\nWidth=700\r\nHeight=500\r\n[OPTION]\r\nLastTileMode=7\r\n");
    TMainForm& frame = f.MakeShown();
    for (int i = 0; i < 3; ++i) {
        FrameAction(frame, "FileNew1").trigger();
        TAccess::LastAction(frame) = nullptr; // the first clock chose cascade; none again
    }
    const QList<QMdiSubWindow*> windows = TAccess::Area(frame).subWindowList(QMdiArea::CreationOrder);
    const int step = windows[1]->x() - windows[0]->x();
    QVERIFY(step > 0);
    QCOMPARE(windows[2]->pos(), windows[1]->pos() + QPoint(step, step));
    const QSize client = windows[2]->widget()->size();
    QVERIFY(client.width() >= TMDIChild::InitialClientSize.width());
    QVERIFY(client.height() >= TMDIChild::InitialClientSize.height());
}

void TestMainForm::newClockShowsItsLinesUncut_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: File > New
    QTest::newRow("new clock") << QByteArray();
    QTest::newRow("no time format (date and long time)")
        << QByteArray("[NAME]\r\nCaption=Anchorage\r\n[TIME]\r\nUseFormatList=1\r\n");
    QTest::newRow("long name in a large font")
        << QByteArray("[NAME]\r\nCaption=Santa Cruz de la Sierra, Bolivia\r\nFontSize=30\r\n");
}

void TestMainForm::newClockShowsItsLinesUncut()
{
    QFETCH(QByteArray, file);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    frame.resize(1200, 800);
    if (file.isEmpty()) {
        FrameAction(frame, "FileNew1").trigger();
    } else {
        QDir().mkpath(f.Folder());
        const QString path = f.Folder() + QStringLiteral("/clock.dat");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        frame.OpenClockFile(path);
    }
    QCoreApplication::processEvents();
    TMDIChild* clock = frame.ClockWindows().first();
    for (auto line : {TMDIChild::LineName, TMDIChild::LineDate, TMDIChild::LineTime}) {
        const QLabel* label = clock->Label(line);
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text() + QStringLiteral(" in %1 px").arg(label->width())));
        QVERIFY2(metrics.height() <= label->height(), qPrintable(label->text()));
    }
}

void TestMainForm::emptyAreaSaysHowToBegin()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    frame.resize(900, 500);
    QCoreApplication::processEvents();
    QWidget* viewport = TAccess::Area(frame).viewport();
    // Pixels far from the ground's colour outside the clock windows.
    const auto hintPixels = [&] {
        const QImage image = viewport->grab().toImage();
        QRegion free(viewport->rect());
        for (QMdiSubWindow* window : TAccess::Area(frame).subWindowList())
            free -= window->geometry();
        const QColor ground = image.pixelColor(image.width() - 1, image.height() - 1);
        const qreal ratio = image.devicePixelRatio(); // the image is in device pixels
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const int distance = std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green())
                                     + std::abs(c.blue() - ground.blue());
                if (distance > 150 && free.contains(QPoint(int(x / ratio), int(y / ratio))))
                    ++count;
            }
        return count;
    };
    QVERIFY(hintPixels() > 50);
    FrameAction(frame, "FileNew1").trigger();
    QCoreApplication::processEvents();
    QCOMPARE(hintPixels(), 0);
    QVERIFY(frame.ClockWindows().first()->close());
    QCoreApplication::processEvents();
    QVERIFY(hintPixels() > 50);
}

void TestMainForm::firstClockResetsTheLayoutToCascade()
{
    TFrameFixture f;
    f.WriteIni("[OPTION]\r\nLastTileMode=1\r\n");
    TMainForm& frame = f.MakeShown();
    QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowTileVertical1"));
    FrameAction(frame, "FileNew1").trigger();
    QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowCascade1"));
    FrameAction(frame, "VerticalSpread1").trigger();
    FrameAction(frame, "FileNew1").trigger(); // a further clock re-applies the chosen layout
    QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowTileVertical1"));
    const QList<QMdiSubWindow*> windows = TAccess::SubWindows(frame);
    QCOMPARE(windows[0]->y(), windows[1]->y());
    QVERIFY(windows[0]->x() != windows[1]->x());
}

void TestMainForm::closeAsksTheClocksLastToFirst()
{
    // Two clocks of one name: the one asked first (the back one) keeps the
    // name's file, the front one (first in the list) is numbered.
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->SetOffset(-3.0 / 24);
    FrameAction(frame, "FileNew1").trigger();
    TMDIChild* front = frame.ClockWindows().first();
    front->SetOffset(9.0 / 24);
    QCOMPARE(frame.ClockWindows().size(), 2);

    QVERIFY(frame.close());
    QVERIFY(!frame.isVisible());
    TClockData back;
    ReadClockDataFile(f.Folder() + QStringLiteral("/(new).dat"), 1033, back);
    QCOMPARE(qRound(back.OffsetTime * 24 * 60), -3 * 60);
    TClockData numbered;
    ReadClockDataFile(f.Folder() + QStringLiteral("/(new) (2).dat"), 1033, numbered);
    QCOMPARE(qRound(numbered.OffsetTime * 24 * 60), 9 * 60);

    const QStringList lines = Lines(f.ReadIni());
    QCOMPARE(Value(lines, "DATAFILE/FileName0"), f.Folder() + QStringLiteral("/(new) (2).dat"));
    QCOMPARE(Value(lines, "DATAFILE/FileName1"), f.Folder() + QStringLiteral("/(new).dat"));
    QCOMPARE(Value(lines, "DATAFILE/FileName2"), QStringLiteral("<absent>"));
}

void TestMainForm::clockThatCannotBeSavedKeepsEverythingOpen()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->SetClockName(QStringLiteral("Tokyo"));
    // Its data file cannot be written: a folder holds the name.
    QVERIFY(QDir().mkpath(f.Folder() + QStringLiteral("/Tokyo.dat")));
    f.Boxes.Answers = {TMessageAnswer::No}; // not "close without saving it"

    QVERIFY(!frame.close());
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.ClockWindows().size(), 1);
    QCOMPARE(f.Boxes.Shown.size(), 1);
    QCOMPARE(f.Boxes.Shown[0].Kind, TFakeMessageBoxes::TKind::Ask);
    QVERIFY2(f.Boxes.Shown[0].Text.contains(QStringLiteral("The clock \"Tokyo\": Cannot ")),
             qPrintable(f.Boxes.Shown[0].Text));
    QVERIFY(!QFile::exists(f.IniPath())); // the frame did not go on to close

    // Once the file can be written, closing works and nothing is lost.
    QVERIFY(QDir(f.Folder() + QStringLiteral("/Tokyo.dat")).removeRecursively());
    QVERIFY(frame.close());
    TClockData data;
    ReadClockDataFile(f.Folder() + QStringLiteral("/Tokyo.dat"), 1033, data);
    QCOMPARE(data.Name, QStringLiteral("Tokyo"));
}

void TestMainForm::savedClockSetIsReopenedAtTheNextStart()
{
    TFrameFixture f;
    {
        TMainForm& frame = f.MakeShown();
        for (const char* name : {"A", "B", "C"}) {
            FrameAction(frame, "FileNew1").trigger();
            frame.ClockWindows().first()->SetClockName(QString::fromLatin1(name));
        }
        QCOMPARE(frame.ClockWindows().first()->ClockName(), QStringLiteral("C"));
        QVERIFY(frame.close());
    }
    TMainForm& frame = f.MakeShown();
    QStringList names;
    for (TMDIChild* clock : frame.ClockWindows())
        names << clock->ClockName();
    QCOMPARE(names, (QStringList{"C", "B", "A"})); // the front clock is in front again
    QVERIFY(TAccess::IsStyleChanged(frame));
}

void TestMainForm::exceptionEventShowsOrRefocuses_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown"); // empty: nothing shown

    QTest::newRow("plain") << "Cannot open file \"x.dat\"" << "E.Message=\"Cannot open file \"x.dat\"\"";
    QTest::newRow("sixteen F") << "Access violation at FFFFFFFFFFFFFFFF." << QString();
    QTest::newRow("sixteen f lower case") << "address ffffffffffffffff" << "E.Message=\"address ffffffffffffffff\"";
    QTest::newRow("fifteen F") << "FFFFFFFFFFFFFFF" << "E.Message=\"FFFFFFFFFFFFFFF\"";
    QTest::newRow("empty") << "" << "E.Message=\"\"";
}

void TestMainForm::exceptionEventShowsOrRefocuses()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    FrameAction(frame, "FileNew1").trigger();
    frame.ExceptionEvent(&frame, EPendulorError(message));
    if (shown.isEmpty()) {
        QVERIFY(f.Boxes.Shown.isEmpty());
        QCOMPARE(frame.ClockWindows().size(), 2);
    } else {
        QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain), QList<QString>{shown});
        QCOMPARE(f.Boxes.Shown[0].Caption, QStringLiteral("Testmainform"));
    }
}

void TestMainForm::errorsInEventHandlersReachTheHandler()
{
    TFrameFixture f;
    f.Make();
    TThrowingObject failing;
    failing.Message = QStringLiteral(u"SetPath Failed HRESULT=-2147024809 ä");
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(f.Boxes.Texts(TFakeMessageBoxes::TKind::Plain),
             QList<QString>{QStringLiteral(u"E.Message=\"SetPath Failed HRESULT=-2147024809 ä\"")});
    // The loop goes on.
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(f.Boxes.Shown.size(), 2);
}

void TestMainForm::failedCloseKeepsTheWindowOpen()
{
    // A clock closed by its own close box whose file cannot be written stays.
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    QVERIFY(QDir().mkpath(f.Folder() + QStringLiteral("/(new).dat")));
    QPointer<TMDIChild> clock = frame.ClockWindows().first();
    QVERIFY(!clock->close());
    QCoreApplication::processEvents();
    QVERIFY(clock);
    QVERIFY(clock->isVisible());
    QCOMPARE(f.Boxes.Shown.size(), 1);
}

void TestMainForm::windowMenuKeepsOneShowMenuBarItem()
{
    TFrameFixture f;
    TMainForm& frame = f.Make();
    TInAppWindowMenu* menu = &TAccess::SystemMenu(frame);
    for (int i = 0; i < 3; ++i)
        TAccess::AddSystemMenuItem(frame);
    QCOMPARE(menu->CommandAt(0), int(TInAppWindowMenu::ShowMenuBarCommand));
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Show MenuBar(&B)"));
    QCOMPARE(menu->CommandAt(1), 0);
    QCOMPARE(menu->CommandAt(2), int(TInAppWindowMenu::ScRestore));
    for (int command : {TInAppWindowMenu::ScMove, TInAppWindowMenu::ScSize, TInAppWindowMenu::ScMinimize,
                        TInAppWindowMenu::ScMaximize, TInAppWindowMenu::ScClose})
        QVERIFY(menu->IndexOfCommand(command) > 2);
    int showItems = 0;
    for (QAction* item : menu->actions())
        showItems += item->data().toInt() == TInAppWindowMenu::ShowMenuBarCommand;
    QCOMPARE(showItems, 1);
}

void TestMainForm::menuBarComesBackThroughEveryWayIn()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    QVERIFY(frame.menuBar()->isVisible());
    FrameAction(frame, "ShowMenuBar1").trigger();
    QVERIFY(!frame.menuBar()->isVisible());
    QVERIFY(!FrameAction(frame, "ShowMenuBar1").isChecked());
    FrameAction(frame, "PopupShowMenuBar1").trigger();
    QVERIFY(frame.menuBar()->isVisible());
    QVERIFY(FrameAction(frame, "ShowMenuBar1").isChecked());
    FrameAction(frame, "ShowMenuBar1").trigger();
    TAccess::SystemMenu(frame).actions().at(0)->trigger(); // "Show MenuBar(&B)"
    QVERIFY(frame.menuBar()->isVisible());
    // Shortcuts keep working while the menu bar is away.
    FrameAction(frame, "ShowMenuBar1").trigger();
    frame.activateWindow();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(TAccess::MDIChildCount(frame), 1);
}

void TestMainForm::tilingMakesRowsAndColumns_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("count");
    QTest::newRow("rows of 3") << false << 3;
    QTest::newRow("columns of 3") << true << 3;
    QTest::newRow("grid rows of 5") << false << 5;
    QTest::newRow("grid columns of 7") << true << 7;
}

void TestMainForm::tilingMakesRowsAndColumns()
{
    QFETCH(bool, vertical);
    QFETCH(int, count);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    for (int i = 0; i < count; ++i)
        FrameAction(frame, "FileNew1").trigger();
    FrameAction(frame, vertical ? "VerticalSpread1" : "HorizontalSpread1").trigger();
    QCOMPARE(TAccess::LastAction(frame),
             &FrameAction(frame, vertical ? "WindowTileVertical1" : "WindowTileHorizontal1"));

    // The windows cover the area without overlapping.
    const QRect area = TAccess::Area(frame).viewport()->rect();
    QRegion covered;
    int sum = 0;
    for (QMdiSubWindow* window : TAccess::SubWindows(frame)) {
        QVERIFY(!covered.intersects(window->geometry()));
        covered += window->geometry();
        sum += window->width() * window->height();
    }
    QCOMPARE(covered, QRegion(area));
    QCOMPARE(sum, area.width() * area.height());
    if (count <= 3) {
        const QList<QMdiSubWindow*> windows = TAccess::SubWindows(frame);
        for (QMdiSubWindow* window : windows) {
            if (vertical)
                QCOMPARE(window->height(), area.height()); // side by side
            else
                QCOMPARE(window->width(), area.width()); // one above another
        }
    }
    // Resizing the frame repeats the layout.
    frame.resize(frame.width() + 100, frame.height() + 60);
    QCoreApplication::processEvents();
    QRegion after;
    for (QMdiSubWindow* window : TAccess::SubWindows(frame))
        after += window->geometry();
    QCOMPARE(after, QRegion(TAccess::Area(frame).viewport()->rect()));
}

void TestMainForm::layoutFromTheMenuWithoutClocksIsRemembered()
{
    TFrameFixture f;
    TMainForm& frame = f.Make();
    QVERIFY(!FrameAction(frame, "WindowTileVertical1").isEnabled());
    FrameAction(frame, "VerticalSpread1").trigger(); // the menu item runs even without clocks
    QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowTileVertical1"));
    QVERIFY(frame.FormCloseQuery());
    QCOMPARE(Value(Lines(f.ReadIni()), "OPTION/LastTileMode"), QStringLiteral("1"));
    FrameAction(frame, "Cascade1").trigger();
    QVERIFY(frame.FormCloseQuery());
    QCOMPARE(Value(Lines(f.ReadIni()), "OPTION/LastTileMode"), QStringLiteral("-1"));
}

void TestMainForm::cascadeKeepsSizesAndPutsTheFrontWindowLast()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    frame.resize(900, 700);
    for (int i = 0; i < 3; ++i)
        FrameAction(frame, "FileNew1").trigger();
    QMdiSubWindow* front = TAccess::SubWindows(frame).first();
    FrameAction(frame, "VerticalSpread1").trigger(); // change the sizes, then cascade again
    FrameAction(frame, "Cascade1").trigger();
    QCOMPARE(TAccess::LastAction(frame), &FrameAction(frame, "WindowCascade1"));
    const QList<QMdiSubWindow*> windows = TAccess::SubWindows(frame); // front first
    QCOMPARE(windows.first(), front);
    for (int i = 0; i + 1 < windows.size(); ++i) {
        QVERIFY(windows[i]->x() > windows[i + 1]->x());
        QVERIFY(windows[i]->y() > windows[i + 1]->y());
    }
    QCOMPARE(windows.last()->pos(), QPoint(0, 0));
    QVERIFY(front->width() >= 100 && front->height() >= 100);
    QVERIFY(TAccess::Area(frame).viewport()->rect().contains(front->geometry()));
    // The front window is on top where it overlaps the others.
    const QPoint inFront = front->geometry().topLeft() + QPoint(5, 5);
    QCOMPARE(TAccess::Area(frame).viewport()->childAt(inFront)->window(), front->window());
    QVERIFY(TAccess::Area(frame).viewport()->childAt(inFront) == front ||
            front->isAncestorOf(TAccess::Area(frame).viewport()->childAt(inFront)));
}

// The bar is filled in one go when it shows (the tabs of a set get their
// close buttons together); what comes later is synced one tab at a time.
void TestMainForm::tabsForEveryClockWhenTheBarShows()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    const QStringList names{"Tokyo", "Paris", "Lima", "Oslo"};
    for (const QString& name : names) {
        FrameAction(frame, "FileNew1").trigger();
        frame.ClockWindows().first()->SetClockName(name);
    }
    QTabBar* tabs = TAccess::TabsBar(frame).Tabs();
    const auto closeSide = QTabBar::ButtonPosition(
        tabs->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, tabs));
    const auto verifyTabs = [&](const QStringList& Expected) {
        QCOMPARE(tabs->count(), Expected.size());
        for (int i = 0; i < tabs->count(); ++i) {
            QCOMPARE(tabs->tabText(i), Expected[i]);
            QVERIFY2(tabs->tabButton(i, closeSide), qPrintable(Expected[i]));
        }
        QCOMPARE(TAccess::TabsBar(frame).WindowAt(tabs->currentIndex()), TAccess::Area(frame).activeSubWindow());
    };

    FrameAction(frame, "ShowTabs1").trigger(); // on: four tabs at once, in the order the clocks were made
    QVERIFY(TAccess::TabsBar(frame).isVisible());
    verifyTabs(names);

    frame.ClockWindows().last()->setWindowTitle(QStringLiteral("Kyoto")); // a title change still reaches its tab
    verifyTabs({"Kyoto", "Paris", "Lima", "Oslo"});
    FrameAction(frame, "FileNew1").trigger();
    frame.ClockWindows().first()->setWindowTitle(QStringLiteral("Rome"));
    verifyTabs({"Kyoto", "Paris", "Lima", "Oslo", "Rome"});

    FrameAction(frame, "ShowTabs1").trigger(); // off and on again: the titles come from the names again
    FrameAction(frame, "ShowTabs1").trigger();
    QStringList titles;
    for (QMdiSubWindow* window : TAccess::Area(frame).subWindowList(QMdiArea::CreationOrder))
        titles << window->windowTitle();
    QCOMPARE(titles.first(), QStringLiteral("Tokyo"));
    verifyTabs(titles);
}

namespace {

// Every interface below Root, Root included.
void CollectAccessible(QAccessibleInterface* Root, QList<QAccessibleInterface*>& All, int Depth = 0)
{
    if (!Root || Depth > 30)
        return;
    All << Root;
    for (int i = 0; i < Root->childCount(); ++i)
        CollectAccessible(Root->child(i), All, Depth + 1);
}

bool IsWithin(const QObject* Object, const QObject* Ancestor)
{
    for (; Object; Object = Object->parent())
        if (Object == Ancestor)
            return true;
    return false;
}

} // namespace

// What assistive technology sees of the frame: each clock window named by
// its lines, every button of the tab bar named, the style list nowhere.
void TestMainForm::screenReadersFindNamesAndNoHiddenList()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    for (const QString& name : {QStringLiteral("Tokyo"), QStringLiteral("R&D")}) {
        FrameAction(frame, "FileNew1").trigger();
        frame.ClockWindows().first()->SetClockName(name);
    }
    FrameAction(frame, "ShowTabs1").trigger();
    QVERIFY(TAccess::TabsBar(frame).isVisible());
    QList<QAccessibleInterface*> all;
    CollectAccessible(QAccessible::queryAccessibleInterface(&frame), all);

    QStringList clockNames;
    QStringList tabBarNames;
    for (QAccessibleInterface* item : all) {
        QVERIFY2(!IsWithin(item->object(), &TAccess::StyleList(frame)), qPrintable(item->text(QAccessible::Name)));
        if (qobject_cast<TMDIChild*>(item->object()))
            clockNames << item->text(QAccessible::Name);
        const QAccessible::Role role = item->role();
        const bool button = role == QAccessible::PushButton || role == QAccessible::ButtonMenu
                            || role == QAccessible::ButtonDropDown || role == QAccessible::PageTab;
        // A tab is no object of its own: its tab bar stands for it.
        const QObject* owner = item->object() ? item->object() : item->parent() ? item->parent()->object() : nullptr;
        if (button && IsWithin(owner, &TAccess::TabsBar(frame))) {
            QVERIFY2(!item->text(QAccessible::Name).isEmpty(), qPrintable(owner->metaObject()->className()));
            tabBarNames << item->text(QAccessible::Name);
        }
    }
    clockNames.sort();
    const auto lines = [](TMDIChild* Clock) {
        return Clock->LabelName2->text() + QStringLiteral(", ") + Clock->LabelDate2->text() + QStringLiteral(", ")
               + Clock->LabelTime2->text();
    };
    QStringList expected{lines(frame.ClockWindows().at(0)), lines(frame.ClockWindows().at(1))};
    expected.sort();
    QCOMPARE(clockNames, expected);
    QVERIFY2(clockNames.first().startsWith(QStringLiteral("R&D, ")), qPrintable(clockNames.first()));
    QVERIFY2(tabBarNames.contains(QStringLiteral("All tabs")), qPrintable(tabBarNames.join(u'|')));
    QVERIFY2(tabBarNames.contains(QStringLiteral("Tokyo")), qPrintable(tabBarNames.join(u'|')));
}

void TestMainForm::tabCaptionsFollowTheTabSetting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("tabCaption");
    QTest::addColumn<QString>("offsetCaption");

    QTest::newRow("east") << "Tokyo" << 9 * 60 << "Tokyo" << "+0900";
    QTest::newRow("zero") << "London" << 0 << "London" << "+0000";
    QTest::newRow("west") << "St. John's" << -(5 * 60 + 30) << "St" << "-0530";
    QTest::newRow("path-like") << "C:\\a/b.c.d" << 60 << "b.c" << "+0100";
    QTest::newRow("path characters") << "A<B>|\"" << 0 << "A<B>|\"" << "+0000";
    QTest::newRow("ampersand") << "R&D" << 0 << "R&D" << "+0000";
}

void TestMainForm::tabCaptionsFollowTheTabSetting()
{
    QFETCH(QString, name);
    QFETCH(int, minutes);
    QFETCH(QString, tabCaption);
    QFETCH(QString, offsetCaption);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    TMDIChild* clock = frame.ClockWindows().first();
    clock->SetClockName(name);
    clock->SetOffset(minutes / 1440.0);

    FrameAction(frame, "ShowTabs1").trigger(); // on
    QVERIFY(TAccess::TabsBar(frame).isVisible());
    QCOMPARE(clock->windowTitle(), tabCaption);
    QTabBar* tabs = TAccess::TabsBar(frame).Tabs();
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabToolTip(0), tabCaption);
    QVERIFY(tabs->tabRect(0).width() >= TFormTabsBar::MinTabWidth);
    QVERIFY(tabs->tabRect(0).width() <= TFormTabsBar::MaxTabWidth);

    FrameAction(frame, "ShowTabs1").trigger(); // off
    QVERIFY(TAccess::TabsBar(frame).isHidden());
    QCOMPARE(clock->windowTitle(), offsetCaption);
}

void TestMainForm::titleBarOffAndOnRestoresTheBounds()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    QTRY_VERIFY(frame.frameGeometry().isValid());
    const QRect before = frame.frameGeometry();
    FrameAction(frame, "ShowTitleBar1").trigger(); // off: the client area stays, the caption's height is given up
    QVERIFY(frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect frameless = before.adjusted(0, f.Screen.Caption, 0, 0);
    QTRY_VERIFY2(Near(frame.frameGeometry(), frameless), qPrintable(QDebug::toString(frame.frameGeometry())));

    // Saved frameless, the frame comes back at the same bounds, not lower.
    const QRect saved = frame.frameGeometry();
    QVERIFY(frame.FormCloseQuery());
    {
        const QByteArray written = f.ReadIni();
        TFrameFixture g;
        g.WriteIni(written);
        TMainForm& again = g.Make();
        QVERIFY(again.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!FrameAction(again, "ShowTitleBar1").isChecked());
        QCOMPARE(again.frameGeometry(), saved);
    }

    FrameAction(frame, "ShowTitleBar1").trigger(); // on again
    QVERIFY(!frame.windowFlags().testFlag(Qt::FramelessWindowHint));
    QTRY_VERIFY2(Near(frame.frameGeometry(), before), qPrintable(QDebug::toString(frame.frameGeometry())));
}

void TestMainForm::menusCarryTheirCaptionsAndShortcuts()
{
    TFrameFixture f;
    TMainForm& frame = f.Make();
    const auto captions = [&frame](const char* Menu) {
        QStringList list;
        for (const QAction* item : FrameMenu(frame, Menu).actions())
            list << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return list;
    };
    QCOMPARE(captions("File1"), (QStringList{"&New", "New for a Cit&y...", "&Open", "-", "My &Memo...", "&ShortCut",
                                             "-", "&Clear Restart...", "E&xit"}));
    QCOMPARE(captions("ShortCut1"), (QStringList{"SendTo", "DeskTop", "StartMenu", "StartUp"}));
    QCOMPARE(captions("Window1"),
             (QStringList{"Horizontal Spread", "Vertical Spread", "&Cascade", "-", "Rotate"}));
    QCOMPARE(captions("View1"), (QStringList{"TitleBar", "MenuBar", "WindowTab", "CloseButton", "-",
                                             "Locate Center", "Stay OnTop", "-", "Set Title...", "-",
                                             "Select Style...", "-", "&Time Slider"}));
    QCOMPARE(captions("Help1"), (QStringList{"Help", "About", "Properties", "-", "Donation", "HomeSite",
                                             "-", "Set DateTime"}));
    QCOMPARE(captions("PopupMenu1"),
             (QStringList{"&New", "New for a Cit&y...", "&Open", "-", "Show MenuBar", "E&xit"}));
    QCOMPARE(FrameAction(frame, "FileNew1").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(FrameAction(frame, "FileNewCity1").shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    QCOMPARE(FrameAction(frame, "FileOpen1").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(FrameAction(frame, "Exit1").shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QCOMPARE(FrameAction(frame, "ShowHelp1").shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(FrameAction(frame, "TimeSlider1").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    // Shown as "Alt+Enter"; the keypad's Enter and the main Return key both work.
    QCOMPARE(FrameAction(frame, "Properties1").shortcut().toString(QKeySequence::PortableText),
             QStringLiteral("Alt+Enter"));
    QVERIFY(FrameAction(frame, "Properties1").shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_Return)));
    for (const char* check : {"ShowTitleBar1", "ShowMenuBar1", "ShowTabs1", "ShowCloseButton1", "StayOnTop1"})
        QVERIFY2(FrameAction(frame, check).isCheckable(), check);
}

void TestMainForm::destroyingTheFrameRunsNoHandlerOfItsOwn()
{
    // The clock windows die after the tab bar and the area: a handler of
    // the frame run then reads freed widgets.
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    FrameAction(frame, "FileNew1").trigger();
    FrameAction(frame, "ShowTabs1").trigger();
    int handled = 0;
    QObject::connect(&FrameAction(frame, "WindowCascade1"), &QAction::enabledChanged, [&handled] { ++handled; });
    f.Frame.reset();
    QCOMPARE(handled, 0);
}

namespace {

// Each service of the frame, and how to leave it out of a set.
const struct {
    const char* Name;
    void (*Remove)(TFrameServices&);
} FrameServices[] = {
    {"WindowSystem", [](TFrameServices& S) { S.WindowSystem = nullptr; }},
    {"MessageBoxes", [](TFrameServices& S) { S.MessageBoxes = nullptr; }},
    {"Styles", [](TFrameServices& S) { S.Styles = nullptr; }},
    {"ShellOpen", [](TFrameServices& S) { S.ShellOpen = nullptr; }},
    {"OpenDialog", [](TFrameServices& S) { S.OpenDialog = nullptr; }},
    {"Now", [](TFrameServices& S) { S.Now = nullptr; }},
    {"FontChooser", [](TFrameServices& S) { S.FontChooser = nullptr; }},
    {"Terminate", [](TFrameServices& S) { S.Terminate = nullptr; }},
};

} // namespace

void TestMainForm::aServiceMissingIsRefused_data()
{
    QTest::addColumn<int>("missing");
    for (int i = 0; i < int(std::size(FrameServices)); ++i)
        QTest::newRow(FrameServices[i].Name) << i;
}

void TestMainForm::aServiceMissingIsRefused()
{
    QFETCH(int, missing);
    TFrameFixture f;
    TFrameServices services = f.Services();
    FrameServices[missing].Remove(services);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TMainForm{services});
    QVERIFY(f.Boxes.Shown.isEmpty()); // refused before anything was read or said
}

int main(int argc, char** argv)
{
    TPendulorApplication app(argc, argv);
    TestMainForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMainForm.moc"
