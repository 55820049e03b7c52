// The operations that make the screen match the View settings, the layout
// commands and the frame's window-level handling.
#include "app/MainUnit.h"
#include "app/TFormTabsBar.h"
#include "app/TInAppWindowMenu.h"
#include "app/TMainForm.h"
#include "app/data/WindowArrangement.h"
#include "clock/TMDIChild.h"
#include "clock/TToolWindowStyle.h"
#include "platform/IMessageBoxes.h"
#include "platform/IWindowSystem.h"

#include <QAction>
#include <QTabBar>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSet>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstdlib>

namespace {

// The tag as an offset caption: +0900, +0000, -0530.
QString TagCaption(int Tag)
{
    return (Tag < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QStringLiteral("%1").arg(std::abs(Tag), 4, 10, QLatin1Char('0'));
}

} // namespace

bool TMainForm::IsFrameless() const
{
    return windowFlags().testFlag(Qt::FramelessWindowHint);
}

void TMainForm::SetFrameless(bool Frameless)
{
    if (IsFrameless() == Frameless)
        return;
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, Frameless); // hides a shown window
    if (shown) {
        show();
        Reframed1 = !Frameless;
    }
}

QRect TMainForm::OuterGeometry() const
{
    // Qt keeps the old frame's margins for a while after the frame went.
    return IsFrameless() ? geometry() : frameGeometry();
}

QMargins TMainForm::Decoration() const
{
    // Measured while the window manager frames the window; kept for the
    // moments in which the frame is gone or not drawn yet.
    if (!IsFrameless() && isVisible() && windowHandle()) {
        const QMargins live = windowHandle()->frameMargins();
        if (!live.isNull())
            Decoration1 = live;
    }
    return Decoration1;
}

void TMainForm::SetOuterGeometry(const QRect& Outer)
{
    PendingOuter1 = Outer;
    PendingTries1 = 0;
    ReapplyPendingGeometry();
}

void TMainForm::ReapplyPendingGeometry()
{
    if (!PendingOuter1.isValid())
        return;
    if (IsFrameless()) {
        // Without a frame the outer bounds are the window's own; move()
        // would add the margins of a frame that is gone.
        setGeometry(PendingOuter1);
        if (isVisible())
            PendingOuter1 = QRect();
        return;
    }
    const bool framed = windowHandle() && !windowHandle()->frameMargins().isNull();
    const QMargins margins = Decoration();
    if (!margins.isNull()) {
        const QRect client = PendingOuter1.marginsRemoved(margins);
        // The window manager may still be framing the window and then put
        // back what it had: keep at it until the bounds hold.
        if (isVisible() && framed && (!Reframed1 || geometry() == client)) {
            setGeometry(client);
            PendingOuter1 = QRect();
            Reframed1 = false;
            return;
        }
        setGeometry(client);
    } else {
        move(PendingOuter1.topLeft()); // a window's position includes its frame
        resize(std::max(1, PendingOuter1.width()), std::max(1, PendingOuter1.height()));
    }
    if (isVisible() && ++PendingTries1 >= 4) {
        PendingOuter1 = QRect();
        Reframed1 = false;
    }
}

void TMainForm::WaitForFrame()
{
    // Bounded: a window manager that draws no frame never reports one.
    QElapsedTimer waited;
    waited.start();
    while (isVisible() && windowHandle() && windowHandle()->frameMargins().isNull() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void TMainForm::showEvent(QShowEvent* Event)
{
    QMainWindow::showEvent(Event);
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
    if (!Event->spontaneous()) // after the platform has handled the showing
        QTimer::singleShot(0, this, &TMainForm::ShowingChanged);
}

bool TMainForm::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == MdiArea1->viewport() && SurfaceEvent(Event))
        return true;
    if ((Watched == MainMenu1 || Watched == FormTabsBar1 || Watched == static_cast<QObject*>(FormTabsBar1->Tabs())) && BarEvent(Watched, Event))
        return true;
    if (Event->type() == QEvent::Expose && Watched == windowHandle() && PendingOuter1.isValid())
        QTimer::singleShot(0, this, &TMainForm::ReapplyPendingGeometry);
    return QMainWindow::eventFilter(Watched, Event);
}

void TMainForm::ShowTitleBar1Click()
{
    if (ShowTitleBar1->isChecked()) {
        SetTitleBar(true);
        AddSystemMenuItem();
    } else {
        SetTitleBar(false);
    }
}

void TMainForm::SetTitleBar(bool Show)
{
    if (Show == !IsFrameless())
        return;
    if (!isVisible()) {
        // Before the first showing the stored bounds already are those of
        // the chosen border: moving them would creep at every start.
        SetFrameless(!Show);
        return;
    }
    // The caption is measured while it is there; the way back uses the same
    // height, so that off and on again ends where it began.
    if (!Show) {
        Decoration();
        CaptionHeight1 = WindowSystem().CaptionHeight(*this);
    }
    const int h = CaptionHeight1 > 0 ? CaptionHeight1 : WindowSystem().CaptionHeight(*this);
    const QRect before = OuterGeometry();
    SetFrameless(!Show);
    QCoreApplication::processEvents();
    if (Show)
        WaitForFrame();
    // Keep the client area where it was: the caption grows upwards.
    SetOuterGeometry(Show ? before.adjusted(0, -h, 0, 0) : before.adjusted(0, h, 0, 0));
}

void TMainForm::AddSystemMenuItem()
{
    // Removing the old item and the separator after it keeps repeated calls
    // from piling items up, and never takes a standard command away.
    if (SystemMenu1->DeleteCommand(TInAppWindowMenu::ShowMenuBarCommand) && SystemMenu1->CommandAt(0) == 0)
        SystemMenu1->DeleteAt(0);
    SystemMenu1->InsertCommand(0, QStringLiteral("Show MenuBar(&B)"), TInAppWindowMenu::ShowMenuBarCommand);
    SystemMenu1->InsertSeparator(1);
}

void TMainForm::ShowMenuBar1Click()
{
    // Decided by the menu bar itself, not by the mark: every way in toggles.
    const bool show = !IsMenuBarShown();
    SetMenuBarShown(show);
    ShowMenuBar1->setChecked(show);
}

void TMainForm::ShowCloseButton1Click()
{
    const bool show = ShowCloseButton1->isChecked();
    for (TMDIChild* clock : ClockWindows())
        if (clock->HasCloseBox() != show)
            clock->SetCloseBox(show);
}

void TMainForm::StayOnTop1Click()
{
    const bool onTop = StayOnTop1->isChecked();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool shown = isVisible();
    const QRect outer = OuterGeometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop); // hides a shown window
    if (shown) {
        show();
        SetOuterGeometry(outer); // position and size stay
    }
}

void TMainForm::ShowTabs1Click()
{
    const bool tabs = ShowTabs1->isChecked();
    // Tabs show the clock name reduced like a file name; without them each
    // clock's title bar shows its offset. One sync for all the titles, and
    // the tabs made before the bar shows: a bar on screen lays out every tab
    // again for each tab it gets, the square of the count for a set.
    for (TMDIChild* clock : ClockWindows()) {
        const QSignalBlocker quiet(clock);
        clock->setWindowTitle(tabs ? FileBaseName(clock->ClockName()) : TagCaption(clock->Tag()));
    }
    if (tabs)
        FillTabs();
    FormTabsBar1->setVisible(tabs);
}

void TMainForm::FormResize()
{
    if (isVisible())
        ExecuteLastAction();
}

void TMainForm::resizeEvent(QResizeEvent* Event)
{
    QMainWindow::resizeEvent(Event);
    FormResize();
}

void TMainForm::ExecuteLastAction()
{
    UpdateLayoutActions();
    if (LastAction1 && LastAction1->isEnabled())
        LastAction1->trigger();
}

void TMainForm::WindowCascade1Execute()
{
    CascadeWindows();
    LastAction1 = WindowCascade1;
}

void TMainForm::CascadeWindows()
{
    // Qt's own cascade shrinks the windows to their size hints; a cascade
    // keeps each window's size and only staggers them, front window last.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : SubWindows())
        if (!window->isHidden() && !window->isMinimized())
            windows.prepend(window);
    if (windows.isEmpty())
        return;
    const QMdiSubWindow* first = windows.first();
    const int step = std::max(8, first->height() - (first->widget() ? first->widget()->height() : 0));
    QList<QSize> sizes;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized())
            window->showNormal();
        sizes.append(window->size());
    }
    const QList<QRect> places = CascadeRects(sizes, MdiArea1->viewport()->size(), step);
    // Raising repaints every window it moves up: leave a stack that is
    // already in order alone, or each new clock repaints all the others.
    const bool restack = !IsStackedInOrder(windows);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows[i]->setGeometry(places[i]);
        if (restack)
            windows[i]->raise();
    }
}

void TMainForm::AddAtDefaultPlace(QMdiSubWindow* Window)
{
    // The area would look for the spot that overlaps the other windows least,
    // at a cost that grows with the cube of their number (tenths of a second
    // per window among hundreds). It leaves a window of no size where it is:
    // the new window goes to the next step of a cascade from the top left
    // instead, where a desktop puts a new child window by default.
    const QSize size = Window->size();
    Window->resize(0, 0);
    MdiArea1->addSubWindow(Window);
    Window->resize(size);
    const int step = TToolWindowStyle::CaptionHeight + 2 * TToolWindowStyle::FrameWidth;
    const QSize room = MdiArea1->viewport()->size() - size;
    const int steps = std::max(1, std::min(room.width(), room.height()) / step + 1);
    const int place = int(MdiArea1->subWindowList().size() - 1) % steps;
    Window->move(place * step, place * step);
}

bool TMainForm::IsStackedInOrder(const QList<QMdiSubWindow*>& BackToFront) const
{
    // A widget's children are kept bottom to top.
    const QSet<QMdiSubWindow*> wanted(BackToFront.cbegin(), BackToFront.cend());
    qsizetype next = 0;
    for (QObject* child : MdiArea1->viewport()->children()) {
        auto* window = qobject_cast<QMdiSubWindow*>(child);
        if (!window || !wanted.contains(window))
            continue;
        if (next >= BackToFront.size() || BackToFront[next] != window)
            return false;
        ++next;
    }
    return next == BackToFront.size();
}

void TMainForm::WindowTileHorizontal1Execute()
{
    TileMode1 = TileHorizontal;
    TileWindows(TileHorizontal);
    LastAction1 = WindowTileHorizontal1;
}

void TMainForm::WindowTileVertical1Execute()
{
    TileMode1 = TileVertical;
    TileWindows(TileVertical);
    LastAction1 = WindowTileVertical1;
}

void TMainForm::TileWindows(int Mode)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : SubWindows())
        if (!window->isHidden() && !window->isMinimized())
            windows.append(window);
    const QList<QRect> places =
        TileRects(int(windows.size()), MdiArea1->viewport()->rect(), Mode == TileHorizontal);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(places[i]);
    }
}

void TMainForm::Rotate1Click()
{
    const QList<QMdiSubWindow*> c = SubWindows();
    const qsizetype n = c.size();
    if (n == 0)
        return;
    // Each window takes the place of the next one; the last takes the first's.
    const QPoint first = c[0]->pos();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QPoint here = c[i]->pos();
        c[i]->move(c[i + 1]->pos());
        c[i + 1]->move(here);
    }
    c[n - 1]->move(first);
    MdiArea1->setActiveSubWindow(c[n - 1]);
    c[n - 1]->raise();
}

void TMainForm::LocateCenter1Click()
{
    // The work area's origin is not added: its size alone places the frame.
    const QSize work = WindowSystem().WorkAreaSize();
    const QRect outer = OuterGeometry();
    SetOuterGeometry(QRect(QPoint((work.width() - outer.width()) / 2, (work.height() - outer.height()) / 2),
                           outer.size()));
}

void TMainForm::SetTitle1Click()
{
    QString title = Caption();
    if (MessageBoxes().InputQuery(windowTitle(), QStringLiteral("New Title"), title))
        SetCaption(title);
}

void TMainForm::WMSysCommand(int Command)
{
    if (Command == TInAppWindowMenu::ShowMenuBarCommand)
        ShowMenuBar1Click();
    switch (Command) {
    case TInAppWindowMenu::ScRestore: showNormal(); break;
    case TInAppWindowMenu::ScMinimize: showMinimized(); break;
    case TInAppWindowMenu::ScMaximize: showMaximized(); break;
    case TInAppWindowMenu::ScClose: close(); break;
    case TInAppWindowMenu::ScMove: WindowSystem().StartSystemMove(*this); break;
    case TInAppWindowMenu::ScSize:
        WindowSystem().StartSystemResize(*this, Qt::RightEdge | Qt::BottomEdge);
        break;
    default: break;
    }
}

void TMainForm::SetAlphaBlendValue(int Value)
{
    AlphaBlendValue1 = std::clamp(Value, 0, 255);
    setWindowOpacity(AlphaBlendValue1 / 255.0);
}
