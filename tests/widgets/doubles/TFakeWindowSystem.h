#pragma once

#include "platform/IWindowSystem.h"

// A screen of known size, so every default position is predictable; no
// window manager to hand moves to.
class TFakeWindowSystem final : public IWindowSystem {
public:
    QSize Work{1200, 900};
    int Caption = 20;
    QSize WorkAreaSize() const override { return Work; }
    QSize DesktopSize() const override { return {2400, 900}; }
    int CaptionHeight(const QWidget&) const override { return Caption; }
    bool StartSystemMove(QWidget&) override { return false; }
    bool StartSystemResize(QWidget&, Qt::Edges) override { return false; }
};
