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

void TToolWindowStyle::drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option,
                                          QPainter* Painter, const QWidget* Widget) const
{
    if (Control == CC_TitleBar && QApplication::style() != this)
        return QApplication::style()->drawComplexControl(Control, Option, Painter, Widget);
    QProxyStyle::drawComplexControl(Control, Option, Painter, Widget);
}

void TToolWindowStyle::drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                                     const QWidget* Widget) const
{
    if (Element == PE_FrameWindow && QApplication::style() != this)
        return QApplication::style()->drawPrimitive(Element, Option, Painter, Widget);
    QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
}
