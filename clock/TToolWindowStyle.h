#pragma once

#include "platform/TIconCachingStyle.h"

// The tool-window look of a clock window: a small caption and a thin frame on
// top of the application's style, with its icons read once.
class TToolWindowStyle final : public TIconCachingStyle {
    Q_OBJECT
public:
    static constexpr int CaptionHeight = 16;
    static constexpr int FrameWidth = 2;

    // The one instance all clock windows share (a style of its own per window
    // would also mean a base style, with its caches, per window). Owned by the
    // application; made again should the application be made again.
    static TToolWindowStyle* Shared();

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
    // The caption and the frame are drawn by the application's style, which
    // knows the active visual style's colours.
    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                            const QWidget* Widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                       const QWidget* Widget = nullptr) const override;
};
