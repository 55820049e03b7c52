// The frame's bare surface: its cursor over the edge bands, moving the frame
// by it and sizing a frame without title bar from its edges, the frame's
// context menu and the gesture that opens the window menu.
#include "app/TInAppWindowMenu.h"
#include "app/TFormTabsBar.h"
#include "app/TMainForm.h"
#include "app/data/FrameSettingsFile.h"
#include "app/data/ResizeEdge.h"
#include "platform/IWindowSystem.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QTabBar>
#include <QMouseEvent>

namespace {

Qt::CursorShape CursorShapeOf(short Cursor)
{
    switch (Cursor) {
    case CursorSizeWE: return Qt::SizeHorCursor;
    case CursorSizeNS: return Qt::SizeVerCursor;
    case CursorSizeNWSE: return Qt::SizeFDiagCursor;
    case CursorSizeNESW: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

Qt::Edges EdgesOf(int Edge)
{
    switch (Edge) {
    case EdgeLeft: return Qt::LeftEdge;
    case EdgeRight: return Qt::RightEdge;
    case EdgeTop: return Qt::TopEdge;
    case EdgeTopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case EdgeTopRight: return Qt::TopEdge | Qt::RightEdge;
    case EdgeBottom: return Qt::BottomEdge;
    case EdgeBottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case EdgeBottomRight: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
    }
}

// Outer bounds dragged from Start by Delta on the given edges, never
// smaller than Minimum: the edge opposite the dragged one stays.
QRect Dragged(const QRect& Start, Qt::Edges Edges, const QPoint& Delta, const QSize& Minimum)
{
    if (!Edges)
        return Start.translated(Delta);
    QRect r = Start;
    if (Edges & Qt::LeftEdge)
        r.setLeft(std::min(Start.left() + Delta.x(), Start.right() + 1 - Minimum.width()));
    if (Edges & Qt::RightEdge)
        r.setRight(std::max(Start.right() + Delta.x(), Start.left() + Minimum.width() - 1));
    if (Edges & Qt::TopEdge)
        r.setTop(std::min(Start.top() + Delta.y(), Start.bottom() + 1 - Minimum.height()));
    if (Edges & Qt::BottomEdge)
        r.setBottom(std::max(Start.bottom() + Delta.y(), Start.top() + Minimum.height() - 1));
    return r;
}

} // namespace

int TMainForm::GetResizeEdge(int X, int Y, int Left, int Width, int Top, int Height)
{
    const TResizeHit hit = ResizeEdgeAt(X, Y, Left, Width, Top, Height);
    if (hit.Cursor)
        ResizeCursor1 = *hit.Cursor;
    return hit.Edge;
}

void TMainForm::FormMouseMove(Qt::MouseButtons Buttons, const QPoint& Client, const QPoint& Screen)
{
    if (!(Buttons & Qt::LeftButton)) {
        // The window manager may keep the release to itself.
        ManualDragEdge1 = -1;
        DragHandedOver1 = false;
        PressScreen1.reset();
    } else if (DragHandedOver1) {
        return;
    } else if (ManualDragEdge1 >= 0) {
        FollowManualDrag(Screen);
        return;
    }
    const QRect outer = OuterGeometry();
    const int code = GetResizeEdge(Screen.x(), Screen.y(), outer.left(), outer.width(), outer.top(), outer.height());
    MdiArea1->viewport()->setCursor(CursorShapeOf(ResizeCursor1));
    const QSize work = WindowSystem().WorkAreaSize();
    if (!(Buttons & Qt::LeftButton) || Client.x() < 0 || Client.x() > work.width() || Client.y() < 0 ||
        Client.y() > work.height())
        return;
    // A frame with title bar is sized by its border, not from inside.
    if (code != EdgeNone && ShowTitleBar1->isChecked())
        return;
    // The way from the press to here is the frame's already, then the
    // window manager follows the mouse; where it refuses, the frame does.
    ManualDragEdge1 = code;
    ManualDragStart1 = PressScreen1.value_or(Screen);
    ManualDragOuter1 = outer;
    if (Screen != ManualDragStart1)
        FollowManualDrag(Screen);
    const bool handedOver = code == EdgeNone ? WindowSystem().StartSystemMove(*this)
                                             : WindowSystem().StartSystemResize(*this, EdgesOf(code));
    if (handedOver) {
        ManualDragEdge1 = -1;
        DragHandedOver1 = true;
    }
}

void TMainForm::FollowManualDrag(const QPoint& Screen)
{
    const QSize minimum = minimumSizeHint().expandedTo(minimumSize()).expandedTo({FrameMinimumWidth, FrameMinimumHeight});
    const QRect r = Dragged(ManualDragOuter1, EdgesOf(ManualDragEdge1), Screen - ManualDragStart1, minimum);
    SetOuterGeometry(r);
}

bool TMainForm::SurfaceEvent(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(Event);
        const QPoint client = mapFromGlobal(mouse->globalPosition().toPoint());
        FormMouseMove(mouse->buttons(), client, mouse->globalPosition().toPoint());
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(Event);
        if (mouse->button() == Qt::MiddleButton) {
            SystemMenu1->popup(mouse->globalPosition().toPoint());
            return true;
        }
        ManualDragEdge1 = -1; // a drag whose release went elsewhere is over
        DragHandedOver1 = false;
        PressScreen1 = mouse->globalPosition().toPoint();
        // The drag starts at the press: a window manager that takes over at
        // the first motion anchors there, and the grabbed point would lag
        // behind the pointer by that motion.
        if (mouse->button() == Qt::LeftButton)
            FormMouseMove(Qt::LeftButton, mapFromGlobal(*PressScreen1), *PressScreen1);
        return false;
    }
    case QEvent::MouseButtonRelease:
        PressScreen1.reset();
        ManualDragEdge1 = -1;
        DragHandedOver1 = false;
        return false;
    case QEvent::Leave:
        if (ManualDragEdge1 < 0)
            MdiArea1->viewport()->unsetCursor();
        return false;
    default: return false;
    }
}

bool TMainForm::IsFreeBarPart(QObject* Bar, const QPoint& Pos) const
{
    if (Bar == MainMenu1)
        return MainMenu1->actionAt(Pos) == nullptr;
    if (Bar == static_cast<QObject*>(FormTabsBar1->Tabs()))
        return FormTabsBar1->Tabs()->tabAt(Pos) < 0;
    return Bar == FormTabsBar1; // the room its tabs and button leave
}

bool TMainForm::BarEvent(QObject* Bar, QEvent* Event)
{
    // Tiled clocks leave no bare surface: then the free part of the menu bar
    // and of the tab strip moves the frame as the surface does.
    switch (Event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(Event);
        DragFromBar1 = IsFreeBarPart(Bar, mouse->position().toPoint());
        return DragFromBar1 && SurfaceEvent(Event);
    }
    case QEvent::MouseMove: return DragFromBar1 && SurfaceEvent(Event);
    case QEvent::MouseButtonRelease:
        if (DragFromBar1) {
            DragFromBar1 = false;
            SurfaceEvent(Event);
        }
        return false;
    default: return false;
    }
}

void TMainForm::contextMenuEvent(QContextMenuEvent* Event)
{
    // The frame's free surface only: not its menu bar or tab strip.
    const QWidget* viewport = MdiArea1->viewport();
    if (!viewport->rect().contains(viewport->mapFrom(this, Event->pos())))
        return;
    PopupMenu1->popup(Event->globalPos());
}
