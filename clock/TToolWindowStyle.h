#pragma once

#include <QProxyStyle>

// The tool-window look of a clock window: a small caption and a thin frame on
// top of the application's style.
class TToolWindowStyle final : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int CaptionHeight = 16;
    static constexpr int FrameWidth = 2;

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
};
