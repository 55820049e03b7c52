#include "clock/TToolWindowStyle.h"

int TToolWindowStyle::pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const
{
    switch (Metric) {
    case PM_TitleBarHeight:
        return CaptionHeight;
    case PM_MdiSubWindowFrameWidth:
        return FrameWidth;
    default:
        return QProxyStyle::pixelMetric(Metric, Option, Widget);
    }
}
