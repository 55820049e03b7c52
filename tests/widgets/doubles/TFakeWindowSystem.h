#pragma once

#include "platform/IWindowSystem.h"

#include <QList>

// A screen of known size, so every default position is predictable. Moves
// and resizes handed over are recorded; by default no window manager takes
// them, so the frame follows the mouse itself.
class TFakeWindowSystem final : public IWindowSystem {
public:
    QSize Work{1200, 900};
    int Caption = 20;
    bool TakesMoves = false;
    int Moves = 0;
    QList<Qt::Edges> Resizes;

    QSize WorkAreaSize() const override { return Work; }
    QSize DesktopSize() const override { return {2400, 900}; }
    int CaptionHeight(const QWidget&) const override { return Caption; }
    bool StartSystemMove(QWidget&) override
    {
        ++Moves;
        return TakesMoves;
    }
    bool StartSystemResize(QWidget&, Qt::Edges Edges) override
    {
        Resizes.append(Edges);
        return TakesMoves;
    }
};
