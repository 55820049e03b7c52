#include "platform/TWindowSystem.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <QWindow>

QSize TWindowSystem::WorkAreaSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

QSize TWindowSystem::DesktopSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize() : WorkAreaSize();
}

int TWindowSystem::CaptionHeight(const QWidget& Window) const
{
    // The real decoration once the window manager has framed the window.
    if (Window.isVisible() && !Window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const int top = Window.geometry().top() - Window.frameGeometry().top();
        if (top > 4) // offscreen and unmanaged windows report a thin fake frame
            return top;
    }
    QStyleOptionTitleBar option;
    option.initFrom(&Window);
    const int metric = Window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &Window);
    return metric > 0 ? metric : 20;
}

bool TWindowSystem::StartSystemMove(QWidget& Window)
{
    QWindow* handle = Window.windowHandle();
    return handle && handle->startSystemMove();
}

bool TWindowSystem::StartSystemResize(QWidget& Window, Qt::Edges Edges)
{
    QWindow* handle = Window.windowHandle();
    return handle && handle->startSystemResize(Edges);
}
