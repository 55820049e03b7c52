#include "platform/TIconCachingStyle.h"

#include <QApplication>

bool TIconCachingStyle::IsCachedIcon(StandardPixmap Icon)
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

TIconCachingStyle::TIconContext TIconCachingStyle::CurrentIconContext()
{
    return {QApplication::style(), QGuiApplication::palette().cacheKey(), QGuiApplication::isRightToLeft(),
            QIcon::themeName()};
}

QIcon TIconCachingStyle::standardIcon(StandardPixmap Icon, const QStyleOption* Option, const QWidget* Widget) const
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
