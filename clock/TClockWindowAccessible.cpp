#include "clock/TClockWindowAccessible.h"

#include "clock/TMDIChild.h"

namespace {

QAccessibleInterface* ClockWindowFactory(const QString& ClassName, QObject* Object)
{
    if (ClassName == QLatin1String(TMDIChild::staticMetaObject.className()) && Object && Object->isWidgetType())
        return new TClockWindowAccessible(static_cast<QWidget*>(Object));
    return nullptr;
}

} // namespace

TClockWindowAccessible::TClockWindowAccessible(QWidget* Window)
    : QAccessibleWidget(Window, QAccessible::Window)
{
}

QString TClockWindowAccessible::text(QAccessible::Text Kind) const
{
    // The sub-window's own interface names it by its caption alone; the
    // caption stays available as the description.
    if (Kind == QAccessible::Name && !widget()->accessibleName().isEmpty())
        return widget()->accessibleName();
    if (Kind == QAccessible::Name || (Kind == QAccessible::Description && widget()->accessibleDescription().isEmpty()))
        return widget()->windowTitle();
    return QAccessibleWidget::text(Kind);
}

void TClockWindowAccessible::Install()
{
    QAccessible::installFactory(ClockWindowFactory); // Qt keeps one entry per factory
}
