#pragma once

#include "platform/IWindowSystem.h"

// The window system of the running desktop (X11 or Wayland through Qt).
class TWindowSystem final : public IWindowSystem {
public:
    QSize WorkAreaSize() const override;
    QSize DesktopSize() const override;
    int CaptionHeight(const QWidget& Window) const override;
    bool StartSystemMove(QWidget& Window) override;
    bool StartSystemResize(QWidget& Window, Qt::Edges Edges) override;
};
