#include "clock/TToolWindowStyle.h"

#include <QApplication>
#include <QPointer>

TToolWindowStyle* TToolWindowStyle::Shared()
{
    static QPointer<TToolWindowStyle> Instance;
    if (!Instance) {
        Instance = new TToolWindowStyle;
        Instance->setParent(QCoreApplication::instance());
    }
    return Instance;
}

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
