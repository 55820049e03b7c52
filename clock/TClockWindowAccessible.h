#pragma once

#include <QAccessibleWidget>

// What assistive technology is told about a clock window: a window named by
// its three lines (the window's accessible name, kept by the clock), not by
// its caption, which shows only the offset or the clock's name.
class TClockWindowAccessible final : public QAccessibleWidget {
public:
    explicit TClockWindowAccessible(QWidget* Window);

    QString text(QAccessible::Text Kind) const override;

    // Makes every clock window answer with this interface; once is enough,
    // more calls change nothing.
    static void Install();
};
