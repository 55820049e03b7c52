#include "clock/TSunMark.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

TSunMark::TSunMark(QWidget* Parent)
    : QWidget(Parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ShowState();
}

void TSunMark::SetState(bool Up)
{
    if (Up == Up_)
        return;
    Up_ = Up;
    ShowState();
    update();
}

void TSunMark::SetColor(const QColor& Color)
{
    if (Color == Color_)
        return;
    Color_ = Color;
    update();
}

void TSunMark::ShowState()
{
    setAccessibleName(Up_ ? QStringLiteral("Sun up") : QStringLiteral("Sun down"));
    setToolTip(Up_ ? QStringLiteral("The sun is up at this clock's place")
                   : QStringLiteral("The sun is down at this clock's place"));
}

// About 14 px at the usual 9-point text, growing and shrinking with the font.
QSize TSunMark::sizeHint() const
{
    const int Side = std::max(8, qRound(fontMetrics().height() * 0.875));
    return {Side, Side};
}

void TSunMark::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(Event);
}

void TSunMark::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setRenderHint(QPainter::Antialiasing);
    const QColor Ink = Color_.isValid() ? Color_ : palette().color(QPalette::WindowText);
    const QPointF Centre = QRectF(rect()).center();
    const double Radius = std::min(width(), height()) / 2.0;
    if (Up_) {
        // A disc and eight short rays.
        Painter.setPen(QPen(Ink, std::max(1.0, Radius / 5), Qt::SolidLine, Qt::RoundCap));
        for (int Ray = 0; Ray < 8; ++Ray) {
            const double Angle = Ray * std::numbers::pi / 4;
            const QPointF Direction(std::cos(Angle), std::sin(Angle));
            Painter.drawLine(Centre + Direction * Radius * 0.68, Centre + Direction * Radius * 0.9);
        }
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(Ink);
        Painter.drawEllipse(Centre, Radius * 0.45, Radius * 0.45);
        return;
    }
    // A disc with a disc cut out of its upper right: a crescent.
    QPainterPath Moon;
    Moon.addEllipse(Centre, Radius * 0.8, Radius * 0.8);
    QPainterPath Shadow;
    Shadow.addEllipse(Centre + QPointF(Radius * 0.45, -Radius * 0.3), Radius * 0.68, Radius * 0.68);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Ink);
    Painter.drawPath(Moon.subtracted(Shadow));
}
