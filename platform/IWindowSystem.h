#pragma once

#include <QSize>
#include <Qt>

class QWidget;

// What the frame needs of the window system beyond Qt's widgets.
class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // Width and height of the primary screen minus panels; the origin is not used.
    virtual QSize WorkAreaSize() const = 0;
    // Width and height spanned by all screens together.
    virtual QSize DesktopSize() const = 0;
    // Height of a window caption as the window manager draws it for Window.
    virtual int CaptionHeight(const QWidget& Window) const = 0;
    // Hand a move or a resize from Edges over to the window manager; false
    // when it refuses (no window manager), so the caller can drag by hand.
    virtual bool StartSystemMove(QWidget& Window) = 0;
    virtual bool StartSystemResize(QWidget& Window, Qt::Edges Edges) = 0;
};
