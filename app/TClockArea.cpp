#include "app/TClockArea.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

TClockArea::TClockArea(QWidget* Parent) : QMdiArea(Parent) {}

QString TClockArea::EmptyHint()
{
    return QStringLiteral("No clocks yet: File > New (Ctrl+N) makes one, or drop clock files (.dat) here.");
}

void TClockArea::paintEvent(QPaintEvent* Event)
{
    QMdiArea::paintEvent(Event);
    if (!subWindowList().isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::WindowText));
    const int margin = fontMetrics().averageCharWidth() * 2;
    painter.drawText(viewport()->rect().adjusted(margin, 0, -margin, 0), Qt::AlignCenter | Qt::TextWordWrap,
                     EmptyHint());
}

bool TClockArea::viewportEvent(QEvent* Event)
{
    // The first clock hides the line, the last one's close brings it back.
    if (Event->type() == QEvent::ChildAdded || Event->type() == QEvent::ChildRemoved)
        viewport()->update();
    return QMdiArea::viewportEvent(Event);
}
