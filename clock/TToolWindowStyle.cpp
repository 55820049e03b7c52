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

bool TToolWindowStyle::IsCachedIcon(StandardPixmap Icon)
{
    switch (Icon) {
    case SP_TitleBarMenuButton:
    case SP_TitleBarMinButton:
    case SP_TitleBarMaxButton:
    case SP_TitleBarCloseButton:
    case SP_TitleBarNormalButton:
    case SP_TitleBarShadeButton:
    case SP_TitleBarUnshadeButton:
    case SP_TitleBarContextHelpButton:
    case SP_FileDialogDetailedView: // the clock's context menu
        return true;
    default:
        return false;
    }
}

TToolWindowStyle::TIconContext TToolWindowStyle::CurrentIconContext()
{
    return {QApplication::style(), QGuiApplication::palette().cacheKey(), QGuiApplication::isRightToLeft(),
            QIcon::themeName()};
}

QIcon TToolWindowStyle::standardIcon(StandardPixmap Icon, const QStyleOption* Option, const QWidget* Widget) const
{
    // An option may ask for another direction or state: not cached.
    if (Option || !IsCachedIcon(Icon))
        return QProxyStyle::standardIcon(Icon, Option, Widget);
    TIconContext context = CurrentIconContext();
    if (!(context == IconContext_)) {
        Icons_.clear();
        IconContext_ = std::move(context);
    }
    auto found = Icons_.constFind(Icon);
    if (found == Icons_.cend())
        found = Icons_.insert(Icon, QProxyStyle::standardIcon(Icon, nullptr, Widget));
    return *found;
}
