#include "app/TFormTabsBar.h"
#include "app/TInAppWindowMenu.h"
#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "app/data/FrameSettingsFile.h"
#include "app/data/ResizeEdge.h"
#include "clock/TMDIChild.h"
#include "widgets/doubles/TFrameFixture.h"
#include "widgets/doubles/TMainFormTestAccess.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest>

using TAccess = TMainFormTestAccess;

namespace {

QString Saved(const QByteArray& Ini, const QString& Key)
{
    for (const QByteArray& line : Ini.split('\n'))
        if (line.startsWith(Key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(Key.size() + 1)).trimmed();
    return QStringLiteral("<absent>");
}

// The top-level popup menu showing now, if any.
QMenu* ShownPopup()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void ClosePopups()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void Press(QWidget* Widget, const QPoint& At, Qt::MouseButton Button = Qt::LeftButton)
{
    QMouseEvent press(QEvent::MouseButtonPress, At, Widget->mapToGlobal(At), Button, Button, Qt::NoModifier);
    QApplication::sendEvent(Widget, &press);
}

void MoveWithLeft(QWidget* Widget, const QPoint& At, const QPoint& Global)
{
    QMouseEvent move(QEvent::MouseMove, At, Global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Widget, &move);
}

void Release(QWidget* Widget, const QPoint& At)
{
    QMouseEvent release(QEvent::MouseButtonRelease, At, Widget->mapToGlobal(At), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(Widget, &release);
}

// Drags the bare surface from the screen point From by Delta with the left
// button: press, a first move there (where the drag starts), then the moves.
void DragSurface(TMainForm& Frame, const QPoint& From, const QPoint& Delta)
{
    QWidget* viewport = TAccess::Area(Frame).viewport();
    const QPoint local = viewport->mapFromGlobal(From);
    Press(viewport, local);
    MoveWithLeft(viewport, local, From);
    MoveWithLeft(viewport, local + Delta / 2, From + Delta / 2);
    MoveWithLeft(viewport, local + Delta, From + Delta);
    Release(viewport, local + Delta);
    QCoreApplication::processEvents();
}

} // namespace

class TestFrameView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rotatePassesThePlaces_data();
    void rotatePassesThePlaces();
    void viewMarksFollowTheScreen();
    void openingViewWithoutClocksKeepsTheCloseButtonMark();
    void clockMenuBarItemLeavesTheViewMark();
    void systemCommand9001TogglesTheMenuBar();
    void setTitleAcceptsAnEmptyTextThatSurvivesARestart();
    void setTitleCancelledKeepsTheCaption();
    void locateCenterUsesTheWorkAreaSizeOnly_data();
    void locateCenterUsesTheWorkAreaSizeOnly();
    void cursorFollowsTheEdgeBands();
    void surfaceDragMovesTheFrame_data();
    void surfaceDragMovesTheFrame();
    void edgeDragSizesOnlyAFrameWithoutTitleBar_data();
    void edgeDragSizesOnlyAFrameWithoutTitleBar();
    void edgeDragStopsAtTheSmallestFrame();
    void dragIsHandedToTheWindowManagerWhenItTakesIt();
    void freeBarPartMovesATiledFrame_data();
    void freeBarPartMovesATiledFrame();
    void contextMenuOnlyOnTheFreeSurface();
    void clockCaptionWithoutIconsHasNoWindowMenu();
    void windowMenuOpensWithoutAltSpace();
    void viewCommandsAreEnabled();
};

void TestFrameView::rotatePassesThePlaces_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
}

void TestFrameView::rotatePassesThePlaces()
{
    QFETCH(int, count);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    frame.resize(900, 700);
    for (int i = 0; i < count; ++i)
        FrameAction(frame, "FileNew1").trigger();
    FrameAction(frame, "VerticalSpread1").trigger(); // distinct places and sizes
    FrameAction(frame, "Cascade1").trigger();
    const QList<QMdiSubWindow*> before = TAccess::SubWindows(frame); // A, B, C
    QList<QRect> places;
    for (QMdiSubWindow* w : before)
        places.append(w->geometry());
    QAction* layout = TAccess::LastAction(frame);

    FrameAction(frame, "Rotate1").trigger();
    QCoreApplication::processEvents();

    QCOMPARE(TAccess::LastAction(frame), layout);
    if (count == 0)
        return;
    if (count == 1) {
        QCOMPARE(before[0]->geometry(), places[0]);
        return;
    }
    // A to PB, B to PC, C to PA; sizes stay.
    for (int i = 0; i < count; ++i) {
        const int next = (i + 1) % count;
        QCOMPARE(before[i]->pos(), places[next].topLeft());
        QCOMPARE(before[i]->size(), places[i].size());
    }
    // C is in front, over the others.
    QCOMPARE(TAccess::SubWindows(frame).first(), before[count - 1]);
    const QPoint inC = before[count - 1]->geometry().topLeft() + QPoint(5, 5);
    QWidget* hit = TAccess::Area(frame).viewport()->childAt(inC);
    QVERIFY(hit == before[count - 1] || before[count - 1]->isAncestorOf(hit));
}

void TestFrameView::viewMarksFollowTheScreen()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    // Marks that disagree with the screen are set right when the menu opens.
    TAccess::SetTitleBar(frame, false);
    frame.SetMenuBarShown(false);
    TAccess::TabsBar(frame).show();
    FrameAction(frame, "ShowCloseButton1").setChecked(true); // the clock has no close box
    FrameAction(frame, "StayOnTop1").setChecked(true);       // not refreshed
    Q_EMIT FrameMenu(frame, "View1").aboutToShow();
    QVERIFY(!FrameAction(frame, "ShowTitleBar1").isChecked());
    QVERIFY(!FrameAction(frame, "ShowMenuBar1").isChecked());
    QVERIFY(FrameAction(frame, "ShowTabs1").isChecked());
    QVERIFY(!FrameAction(frame, "ShowCloseButton1").isChecked());
    QVERIFY(FrameAction(frame, "StayOnTop1").isChecked());

    frame.ClockWindows().first()->SetCloseBox(true);
    Q_EMIT FrameMenu(frame, "View1").aboutToShow();
    QVERIFY(FrameAction(frame, "ShowCloseButton1").isChecked());
}

void TestFrameView::openingViewWithoutClocksKeepsTheCloseButtonMark()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    for (const bool mark : {true, false}) {
        FrameAction(frame, "ShowCloseButton1").setChecked(mark);
        Q_EMIT FrameMenu(frame, "View1").aboutToShow();
        QCOMPARE(FrameAction(frame, "ShowCloseButton1").isChecked(), mark);
    }
}

void TestFrameView::clockMenuBarItemLeavesTheViewMark()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    TMDIChild* clock = frame.ClockWindows().first();
    clock->ContextMenu();
    clock->MenuBar2->trigger();
    QVERIFY(!frame.IsMenuBarShown());
    QVERIFY(!clock->MenuBar2->isChecked());
    // Only the clock's own item changed its mark; the saved option is View's.
    QVERIFY(FrameAction(frame, "ShowMenuBar1").isChecked());
    QVERIFY(frame.FormCloseQuery());
    QCOMPARE(Saved(f.ReadIni(), "ShowMenuBar"), QStringLiteral("1"));
}

void TestFrameView::systemCommand9001TogglesTheMenuBar()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    TAccess::WMSysCommand(frame, 9001);
    QVERIFY(!frame.IsMenuBarShown());
    QVERIFY(!FrameAction(frame, "ShowMenuBar1").isChecked());
    TAccess::WMSysCommand(frame, 9002);
    QVERIFY(!frame.IsMenuBarShown());
    TAccess::WMSysCommand(frame, 9001);
    QVERIFY(frame.IsMenuBarShown());
    QVERIFY(FrameAction(frame, "ShowMenuBar1").isChecked());
}

void TestFrameView::setTitleAcceptsAnEmptyTextThatSurvivesARestart()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    f.Boxes.Inputs = {QString()};
    FrameAction(frame, "SetTitle1").trigger();
    QCOMPARE(f.Boxes.Shown.size(), 1);
    QCOMPARE(f.Boxes.Shown.first().Kind, TFakeMessageBoxes::TKind::Input);
    QCOMPARE(f.Boxes.Shown.first().Caption, QStringLiteral("Pendulor"));
    QCOMPARE(f.Boxes.Shown.first().Text, QStringLiteral("New Title"));
    QCOMPARE(frame.windowTitle(), QString());
    QVERIFY(frame.FormCloseQuery());

    const QByteArray written = f.ReadIni();
    QVERIFY(written.contains("Caption=\r\n"));
    TFrameFixture g;
    g.WriteIni(written);
    QCOMPARE(g.Make().windowTitle(), QString());
}

void TestFrameView::setTitleCancelledKeepsTheCaption()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    f.Boxes.Inputs = {QStringLiteral("World")};
    FrameAction(frame, "SetTitle1").trigger();
    QCOMPARE(frame.windowTitle(), QStringLiteral("World"));
    FrameAction(frame, "SetTitle1").trigger(); // no input queued: Cancel
    QCOMPARE(f.Boxes.Shown.last().Caption, QStringLiteral("World"));
    QCOMPARE(frame.windowTitle(), QStringLiteral("World"));
}

void TestFrameView::locateCenterUsesTheWorkAreaSizeOnly_data()
{
    QTest::addColumn<QSize>("work");
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("odd leftovers round down") << QSize(1001, 777) << QSize(400, 300) << QPoint(300, 238);
    // -101 div 2 is -50: toward zero.
    QTest::newRow("larger than the work area") << QSize(300, 200) << QSize(401, 301) << QPoint(-50, -50);
}

void TestFrameView::locateCenterUsesTheWorkAreaSizeOnly()
{
    QFETCH(QSize, work);
    QFETCH(QSize, frameSize);
    QFETCH(QPoint, expected);
    TFrameFixture f;
    f.WriteIni(QStringLiteral("[POSITION]\r\nLeft=7\r\nTop=9\r\nWidth=%1\r\nHeight=%2\r\n")
                   .arg(frameSize.width())
                   .arg(frameSize.height())
                   .toUtf8());
    TMainForm& frame = f.Make();
    f.Screen.Work = work;
    FrameAction(frame, "LocateCenter1").trigger();
    QCOMPARE(frame.frameGeometry(), QRect(expected, frameSize));
}

void TestFrameView::cursorFollowsTheEdgeBands()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    const QRect outer = frame.frameGeometry();
    QWidget* viewport = TAccess::Area(frame).viewport();
    const QPoint right(outer.right() - 2, outer.center().y());
    TAccess::FormMouseMove(frame, Qt::NoButton, frame.mapFromGlobal(right), right);
    QCOMPARE(TAccess::ResizeCursor(frame), short(CursorSizeWE));
    QCOMPARE(viewport->cursor().shape(), Qt::SizeHorCursor);
    // The row T+H-m leaves the cursor as it was.
    const QPoint row(outer.center().x(), outer.top() + outer.height() - ResizeMargin);
    TAccess::FormMouseMove(frame, Qt::NoButton, frame.mapFromGlobal(row), row);
    QCOMPARE(TAccess::ResizeCursor(frame), short(CursorSizeWE));
    TAccess::FormMouseMove(frame, Qt::NoButton, frame.mapFromGlobal(outer.center()), outer.center());
    QCOMPARE(TAccess::ResizeCursor(frame), short(CursorDefault));
    QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(TAccess::GetResizeEdge(frame, 105, 105, 100, 400, 100, 300), 4);
    QCOMPARE(TAccess::ResizeCursor(frame), short(CursorSizeNWSE));
}

void TestFrameView::surfaceDragMovesTheFrame_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("with title bar") << true;
    QTest::newRow("without title bar") << false;
}

void TestFrameView::surfaceDragMovesTheFrame()
{
    QFETCH(bool, titleBar);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    if (!titleBar)
        FrameAction(frame, "ShowTitleBar1").trigger();
    QCoreApplication::processEvents();
    const QRect before = frame.frameGeometry();
    const QWidget* viewport = TAccess::Area(frame).viewport();
    DragSurface(frame, viewport->mapToGlobal(viewport->rect().center()), QPoint(100, 50));
    QCOMPARE(f.Screen.Moves, 1); // offered to the window manager first
    QTRY_COMPARE(frame.frameGeometry(), before.translated(100, 50));
}

void TestFrameView::edgeDragSizesOnlyAFrameWithoutTitleBar_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QMargins>("grown"); // left, top, right, bottom
    QTest::newRow("right band, title bar") << true << "right" << QPoint(60, 0) << QMargins();
    QTest::newRow("right band") << false << "right" << QPoint(60, 0) << QMargins(0, 0, 60, 0);
    QTest::newRow("bottom-right corner") << false << "bottom-right" << QPoint(40, 30) << QMargins(0, 0, 40, 30);
    QTest::newRow("left band") << false << "left" << QPoint(-25, 0) << QMargins(25, 0, 0, 0);
}

void TestFrameView::edgeDragSizesOnlyAFrameWithoutTitleBar()
{
    QFETCH(bool, titleBar);
    QFETCH(QString, where);
    QFETCH(QPoint, delta);
    QFETCH(QMargins, grown);
    TFrameFixture f;
    f.WriteIni("[POSITION]\r\nLeft=200\r\nTop=150\r\nWidth=400\r\nHeight=300\r\n");
    TMainForm& frame = f.MakeShown();
    frame.SetMenuBarShown(false); // the top band lies on the bare surface too
    if (!titleBar)
        FrameAction(frame, "ShowTitleBar1").trigger();
    QCoreApplication::processEvents();
    const QRect before = frame.frameGeometry();
    const QWidget* viewport = TAccess::Area(frame).viewport();
    const QRect surface(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    QVERIFY2(before.right() - surface.right() < ResizeMargin, "the band must lie on the bare surface");
    const QPoint from = where == "right"  ? QPoint(surface.right() - 1, surface.center().y())
                        : where == "left" ? QPoint(surface.left() + 1, surface.center().y())
                                          : surface.bottomRight() - QPoint(1, 1);
    DragSurface(frame, from, delta);
    QCoreApplication::processEvents();
    if (titleBar) {
        QCOMPARE(frame.frameGeometry(), before);
        QVERIFY(f.Screen.Resizes.isEmpty());
        QCOMPARE(f.Screen.Moves, 0);
    } else {
        QCOMPARE(f.Screen.Resizes.size(), 1);
        QTRY_COMPARE(frame.frameGeometry(), before.marginsAdded(grown));
    }
}

void TestFrameView::edgeDragStopsAtTheSmallestFrame()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "ShowTitleBar1").trigger();
    QCoreApplication::processEvents();
    const QRect before = frame.frameGeometry();
    QWidget* viewport = TAccess::Area(frame).viewport();
    DragSurface(frame, viewport->mapToGlobal(QPoint(1, viewport->height() / 2)), QPoint(2000, 0));
    QCOMPARE(frame.frameGeometry().right(), before.right()); // the other edge stays
    QVERIFY(frame.width() >= FrameMinimumWidth);
    QCOMPARE(frame.width(), std::max(FrameMinimumWidth, frame.minimumSizeHint().width()));
}

void TestFrameView::dragIsHandedToTheWindowManagerWhenItTakesIt()
{
    TFrameFixture f;
    f.Screen.TakesMoves = true;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "ShowTitleBar1").trigger();
    QCoreApplication::processEvents();
    const QRect before = frame.frameGeometry();
    QWidget* viewport = TAccess::Area(frame).viewport();
    DragSurface(frame, viewport->mapToGlobal(viewport->rect().center()), QPoint(30, 30));
    const QPoint corner = viewport->mapToGlobal(viewport->rect().bottomRight() - QPoint(1, 1));
    DragSurface(frame, corner, QPoint(30, 30));
    QCOMPARE(f.Screen.Moves, 1);
    QCOMPARE(f.Screen.Resizes, (QList<Qt::Edges>{Qt::BottomEdge | Qt::RightEdge}));
    QCOMPARE(frame.frameGeometry(), before); // the window manager moves it, not we
}

void TestFrameView::freeBarPartMovesATiledFrame_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<bool>("onItem"); // on a menu title or a tab: not a move
    QTest::newRow("menu bar, free part") << "menu" << false;
    QTest::newRow("menu bar, a menu's title") << "menu" << true;
    QTest::newRow("tab bar, free part") << "tabs" << false;
    QTest::newRow("tab bar, a tab") << "tabs" << true;
}

void TestFrameView::freeBarPartMovesATiledFrame()
{
    QFETCH(QString, bar);
    QFETCH(bool, onItem);
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "ShowTitleBar1").trigger();
    frame.resize(700, 400);
    for (int i = 0; i < 2; ++i)
        FrameAction(frame, "FileNew1").trigger();
    if (bar == QStringLiteral("tabs") && !FrameAction(frame, "ShowTabs1").isChecked())
        FrameAction(frame, "ShowTabs1").trigger();
    FrameAction(frame, "VerticalSpread1").trigger(); // no bare surface left
    QCoreApplication::processEvents();

    QWidget* widget = frame.menuBar();
    // Clear of the 8-px bands that size a frame without title bar.
    QPoint at(frame.menuBar()->width() - 30, frame.menuBar()->height() / 2);
    if (bar == QStringLiteral("menu") && onItem)
        at = frame.menuBar()->actionGeometry(frame.menuBar()->actions().first()).center();
    if (bar == QStringLiteral("tabs")) {
        QTabBar* tabs = TAccess::TabsBar(frame).Tabs();
        QVERIFY(tabs->isVisible());
        widget = tabs;
        at = onItem ? tabs->tabRect(0).center() : QPoint(tabs->width() - 30, tabs->height() / 2);
        if (!onItem && tabs->tabAt(at) >= 0) { // tabs fill their bar: take the strip's own room
            widget = &TAccess::TabsBar(frame);
            at = QPoint(tabs->geometry().right() + 1, tabs->geometry().center().y());
        }
    }
    const QRect before = frame.frameGeometry();
    Press(widget, at);
    MoveWithLeft(widget, at, widget->mapToGlobal(at));
    MoveWithLeft(widget, at + QPoint(40, 20), widget->mapToGlobal(at + QPoint(40, 20)));
    Release(widget, at + QPoint(40, 20));
    QCoreApplication::processEvents();
    QCOMPARE(f.Screen.Moves, onItem ? 0 : 1);
    if (!onItem)
        QTRY_COMPARE(frame.frameGeometry(), before.translated(40, 20));
    ClosePopups();
}

void TestFrameView::contextMenuOnlyOnTheFreeSurface()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    const QPoint onBar = frame.menuBar()->rect().center();
    QContextMenuEvent barClick(QContextMenuEvent::Mouse, onBar, frame.menuBar()->mapToGlobal(onBar));
    QApplication::sendEvent(frame.menuBar(), &barClick);
    QVERIFY(!FrameMenu(frame, "PopupMenu1").isVisible());

    QWidget* viewport = TAccess::Area(frame).viewport();
    const QPoint onSurface = viewport->rect().center();
    QContextMenuEvent surfaceClick(QContextMenuEvent::Mouse, onSurface, viewport->mapToGlobal(onSurface));
    QApplication::sendEvent(viewport, &surfaceClick);
    QVERIFY(FrameMenu(frame, "PopupMenu1").isVisible());
    ClosePopups();
}

void TestFrameView::clockCaptionWithoutIconsHasNoWindowMenu()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    FrameAction(frame, "FileNew1").trigger();
    TMDIChild* clock = frame.ClockWindows().first();
    const QPoint caption(clock->width() / 2, clock->widget()->y() / 2);
    for (const bool icons : {false, true}) {
        clock->SetCloseBox(icons);
        QCoreApplication::processEvents();
        // The window menu runs its own loop: look, then close it.
        bool windowMenuShown = false;
        bool contextMenuShown = false;
        QTimer::singleShot(50, [&] {
            windowMenuShown = clock->systemMenu() && clock->systemMenu()->isVisible();
            contextMenuShown = FrameMenu(frame, "PopupMenu1").isVisible()
                               || (clock->PopupMenu2 && clock->PopupMenu2->isVisible());
            ClosePopups();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, caption, clock->mapToGlobal(caption));
        QApplication::sendEvent(clock, &click);
        QTest::qWait(100);
        QCOMPARE(windowMenuShown, icons);
        QVERIFY(!contextMenuShown);
    }
}

void TestFrameView::windowMenuOpensWithoutAltSpace()
{
    TFrameFixture f;
    TMainForm& frame = f.MakeShown();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTRY_VERIFY(TAccess::SystemMenu(frame).isVisible());
    ClosePopups();
    QTRY_VERIFY(!TAccess::SystemMenu(frame).isVisible());

    QWidget* viewport = TAccess::Area(frame).viewport();
    Press(viewport, viewport->rect().center(), Qt::MiddleButton);
    QVERIFY(TAccess::SystemMenu(frame).isVisible());
    QCOMPARE(ShownPopup(), &TAccess::SystemMenu(frame));
    ClosePopups();
}

void TestFrameView::viewCommandsAreEnabled()
{
    TFrameFixture f;
    TMainForm& frame = f.Make();
    for (const char* item : {"Rotate1", "LocateCenter1", "SetTitle1"})
        QVERIFY2(FrameAction(frame, item).isEnabled(), item);
}

int main(int argc, char** argv)
{
    TPendulorApplication app(argc, argv);
    TestFrameView test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestFrameView.moc"
