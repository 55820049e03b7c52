#include "platform/TThemedStyle.h"

#include "platform/StyleTable.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

bool Has(const QStyleOption* Option, QStyle::StateFlag Flag) { return Option->state.testFlag(Flag); }

QColor Mix(const QColor& A, const QColor& B, qreal T)
{
    return QColor::fromRgbF(float(A.redF() + (B.redF() - A.redF()) * T), float(A.greenF() + (B.greenF() - A.greenF()) * T),
                            float(A.blueF() + (B.blueF() - A.blueF()) * T));
}

QPainterPath Rounded(const QRectF& Rect, qreal Radius)
{
    QPainterPath path;
    if (Radius <= 0)
        path.addRect(Rect);
    else
        path.addRoundedRect(Rect, Radius, Radius);
    return path;
}

// The fill of a raised part in a family's manner.
QBrush FillBrush(TFillKind Kind, const QRectF& Rect, const QColor& Base, bool Sunken)
{
    switch (Kind) {
    case TFillKind::Flat:
    case TFillKind::Bevel:
        return Base;
    case TFillKind::Gradient: {
        QLinearGradient g(Rect.topLeft(), Rect.bottomLeft());
        g.setColorAt(0, Sunken ? Base.darker(108) : Base.lighter(112));
        g.setColorAt(1, Sunken ? Base.lighter(104) : Base.darker(106));
        return g;
    }
    case TFillKind::Glossy: {
        QLinearGradient g(Rect.topLeft(), Rect.bottomLeft());
        g.setColorAt(0, Base.lighter(Sunken ? 104 : 135));
        g.setColorAt(0.49, Base.lighter(Sunken ? 102 : 115));
        g.setColorAt(0.5, Base.darker(Sunken ? 110 : 102));
        g.setColorAt(1, Base.lighter(Sunken ? 100 : 108));
        return g;
    }
    }
    return Base;
}

// Raised or sunken 3D edges: light on the top and left, dark on the bottom and right.
void DrawBevel(QPainter* Painter, const QRectF& Rect, const QColor& Base, bool Sunken, int Width)
{
    const QColor light = Base.lighter(150), dark = Base.darker(170);
    const QColor& topLeft = Sunken ? dark : light;
    const QColor& bottomRight = Sunken ? light : dark;
    const QRectF r = Rect.adjusted(0.5, 0.5, -0.5, -0.5);
    for (int i = 0; i < Width; ++i) {
        const QRectF e = r.adjusted(i, i, -i, -i);
        Painter->setPen(QPen(i == 0 ? topLeft : Mix(topLeft, Base, 0.5), 1));
        Painter->drawLine(e.bottomLeft(), e.topLeft());
        Painter->drawLine(e.topLeft(), e.topRight());
        Painter->setPen(QPen(i == 0 ? bottomRight : Mix(bottomRight, Base, 0.5), 1));
        Painter->drawLine(e.topRight(), e.bottomRight());
        Painter->drawLine(e.bottomRight(), e.bottomLeft());
    }
}

} // namespace

TThemedStyle::TThemedStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    , Definition_(&StyleDefinitions().front())
    , Look_(&FamilyLook(Definition_->Family))
{
}

void TThemedStyle::SetDefinition(const TStyleDefinition& Style)
{
    Definition_ = &Style;
    Look_ = &FamilyLook(Style.Family);
}

bool TThemedStyle::SameMetrics(const TStyleDefinition& A, const TStyleDefinition& B)
{
    return FamilyLook(A.Family).Room == FamilyLook(B.Family).Room;
}

void TThemedStyle::DrawPanel(QPainter* Painter, const QRectF& Rect, const QColor& Fill, const QStyleOption* Option,
                             bool Raised) const
{
    const TFamilyLook& look = Look();
    const bool enabled = Has(Option, State_Enabled);
    const bool sunken = Has(Option, State_Sunken) || Has(Option, State_On);
    QColor base = Fill;
    if (enabled && sunken)
        base = base.darker(look.PressedDarker);
    else if (enabled && Has(Option, State_MouseOver))
        base = base.lighter(look.HoverLighter);
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, look.Radius > 0);
    QRectF r = Rect.adjusted(0.5, 0.5, -0.5, -0.5);
    if (look.Elevation && Raised) {
        r.adjust(0, 0, 0, -1.5);
        if (!sunken) {
            QColor shadow(0, 0, 0, 70);
            Painter->setPen(Qt::NoPen);
            Painter->setBrush(shadow);
            Painter->drawPath(Rounded(r.translated(0, 1.5), look.Radius));
        } else {
            r.translate(0, 1);
        }
    }
    const QColor border = enabled ? StyleColor(Definition_->Border) : StyleColor(Definition_->Border).lighter(110);
    if (look.Fill == TFillKind::Bevel) {
        Painter->fillRect(Rect, base);
        DrawBevel(Painter, Rect, base, sunken, look.BorderWidth);
    } else {
        Painter->setPen(look.BorderWidth > 0 ? QPen(border, look.BorderWidth) : QPen(Qt::NoPen));
        Painter->setBrush(FillBrush(look.Fill, r, base, sunken));
        Painter->drawPath(Rounded(r, look.Radius));
    }
    Painter->restore();
}

void TThemedStyle::DrawFocusRing(QPainter* Painter, const QRectF& Rect, const QStyleOption* Option) const
{
    const int width = Look().FocusRing;
    if (width <= 0)
        return;
    QColor ring = Option->palette.color(QPalette::Active, QPalette::Highlight);
    if (Definition_->Family == TStyleFamily::Glow)
        ring.setAlpha(170);
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, true);
    Painter->setBrush(Qt::NoBrush);
    Painter->setPen(QPen(ring, width));
    const qreal inset = width / 2.0;
    Painter->drawPath(Rounded(Rect.adjusted(inset, inset, -inset, -inset), std::max(0, Look().Radius)));
    Painter->restore();
}

void TThemedStyle::DrawCheckBox(const QStyleOption* Option, QPainter* Painter) const
{
    const QPalette& pal = Option->palette;
    const bool on = Has(Option, State_On), partly = Has(Option, State_NoChange);
    const bool enabled = Has(Option, State_Enabled);
    const int side = std::min(Option->rect.width(), Option->rect.height());
    QRectF box(0, 0, side - 1, side - 1);
    box.moveCenter(QRectF(Option->rect).center());
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, true);
    const QColor mark = pal.color(QPalette::Highlight);
    QColor border = StyleColor(Definition_->Border);
    if (enabled && Has(Option, State_MouseOver))
        border = mark;
    const qreal radius = std::min<qreal>(Look().Radius, side / 4.0);
    if (Look().Fill == TFillKind::Bevel) {
        Painter->fillRect(box, enabled ? pal.color(QPalette::Base) : pal.color(QPalette::Window));
        DrawBevel(Painter, box, pal.color(QPalette::Button), true, 2);
    } else {
        Painter->setPen(QPen(border, 1));
        Painter->setBrush((on || partly) && enabled ? mark : pal.color(QPalette::Base));
        Painter->drawPath(Rounded(box.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    }
    const QColor ink = Look().Fill == TFillKind::Bevel || !enabled ? pal.color(QPalette::Text)
                                                                  : pal.color(QPalette::HighlightedText);
    Painter->setPen(QPen(ink, std::max(1.5, side / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Painter->setBrush(Qt::NoBrush);
    const qreal s = box.width();
    const QPointF o = box.topLeft();
    if (partly) {
        Painter->drawLine(o + QPointF(s * 0.28, s / 2), o + QPointF(s * 0.72, s / 2));
    } else if (on) {
        QPainterPath tick;
        tick.moveTo(o + QPointF(s * 0.24, s * 0.52));
        tick.lineTo(o + QPointF(s * 0.43, s * 0.72));
        tick.lineTo(o + QPointF(s * 0.77, s * 0.30));
        Painter->drawPath(tick);
    }
    Painter->restore();
}

void TThemedStyle::DrawRadioButton(const QStyleOption* Option, QPainter* Painter) const
{
    const QPalette& pal = Option->palette;
    const bool on = Has(Option, State_On), enabled = Has(Option, State_Enabled);
    const int side = std::min(Option->rect.width(), Option->rect.height());
    QRectF circle(0, 0, side - 1, side - 1);
    circle.moveCenter(QRectF(Option->rect).center());
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, true);
    QColor border = StyleColor(Definition_->Border);
    if (enabled && Has(Option, State_MouseOver))
        border = pal.color(QPalette::Highlight);
    Painter->setPen(QPen(border, 1));
    Painter->setBrush(on && enabled ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    Painter->drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    if (on) {
        Painter->setPen(Qt::NoPen);
        Painter->setBrush(enabled ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
        const qreal d = side * 0.36;
        Painter->drawEllipse(QRectF(circle.center() - QPointF(d / 2, d / 2), QSizeF(d, d)));
    }
    Painter->restore();
}

void TThemedStyle::DrawSelection(QPainter* Painter, const QRect& Rect, const QStyleOption* Option) const
{
    const QColor fill = Option->palette.color(QPalette::Highlight);
    Painter->save();
    if (Look().RoundSelection) {
        Painter->setRenderHint(QPainter::Antialiasing, true);
        Painter->setPen(Qt::NoPen);
        Painter->setBrush(FillBrush(Look().Fill == TFillKind::Bevel ? TFillKind::Flat : Look().Fill, Rect, fill, false));
        const qreal radius = std::min<qreal>(std::max(Look().Radius, 3), Rect.height() / 2.0);
        Painter->drawPath(Rounded(QRectF(Rect).adjusted(1.5, 0.5, -1.5, -0.5), radius));
    } else {
        Painter->fillRect(Rect, FillBrush(Look().Fill == TFillKind::Bevel ? TFillKind::Flat : Look().Fill, Rect, fill, false));
    }
    Painter->restore();
}

void TThemedStyle::drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                                 const QWidget* Widget) const
{
    if (Element == PE_FrameWindow) {
        // The frame of a clock window: the caption's colour around the client.
        const bool active = Has(Option, State_Active);
        const QColor edge = StyleColor(active ? Definition_->CaptionActive : Definition_->CaptionInactive);
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(Option);
        const int w = std::max(1, frame ? frame->lineWidth : pixelMetric(PM_MdiSubWindowFrameWidth, Option, Widget));
        const QRect r = Option->rect;
        Painter->fillRect(QRect(r.left(), r.top(), r.width(), w), edge);
        Painter->fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), edge);
        Painter->fillRect(QRect(r.left(), r.top(), w, r.height()), edge);
        Painter->fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), edge);
        return;
    }
    if (IsPlain() && Element != PE_IndicatorTabClose)
        return QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
    switch (Element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
        DrawPanel(Painter, Option->rect, Option->palette.color(QPalette::Button), Option, true);
        if (Has(Option, State_HasFocus) && Has(Option, State_Enabled))
            DrawFocusRing(Painter, QRectF(Option->rect).adjusted(1, 1, -1, -1), Option);
        return;
    case PE_FrameFocusRect:
        if (qobject_cast<const QAbstractItemView*>(Widget))
            return; // the selection shows the current row
        if (Look().FocusRing > 0) {
            DrawFocusRing(Painter, Option->rect, Option);
            return;
        }
        break;
    case PE_IndicatorCheckBox:
        DrawCheckBox(Option, Painter);
        return;
    case PE_IndicatorRadioButton:
        DrawRadioButton(Option, Painter);
        return;
    case PE_PanelItemViewItem:
        if (Has(Option, State_Selected)) {
            DrawSelection(Painter, Option->rect, Option);
            return;
        }
        break;
    case PE_FrameLineEdit: {
        Painter->save();
        Painter->setRenderHint(QPainter::Antialiasing, Look().Radius > 0);
        if (Look().Fill == TFillKind::Bevel) {
            DrawBevel(Painter, Option->rect, Option->palette.color(QPalette::Button), true, 2);
        } else {
            const bool focus = Has(Option, State_HasFocus) && Has(Option, State_Enabled);
            Painter->setPen(QPen(focus ? Option->palette.color(QPalette::Highlight) : StyleColor(Definition_->Border),
                                 focus ? std::max(1, Look().FocusRing) : 1));
            Painter->setBrush(Qt::NoBrush);
            Painter->drawPath(Rounded(QRectF(Option->rect).adjusted(0.5, 0.5, -0.5, -0.5), Look().Radius));
        }
        Painter->restore();
        return;
    }
    case PE_IndicatorTabClose: {
        // An × that darkens its ground under the mouse.
        const QRectF r = QRectF(Option->rect).adjusted(1, 1, -1, -1);
        Painter->save();
        Painter->setRenderHint(QPainter::Antialiasing, true);
        if (Has(Option, State_MouseOver) || Has(Option, State_Sunken)) {
            Painter->setPen(Qt::NoPen);
            QColor ground = Option->palette.color(QPalette::WindowText);
            ground.setAlpha(Has(Option, State_Sunken) ? 80 : 45);
            Painter->setBrush(ground);
            Painter->drawRoundedRect(r, Look().Radius / 2.0, Look().Radius / 2.0);
        }
        const qreal m = r.width() / 3.5;
        const QRectF g = r.adjusted(m, m, -m, -m);
        Painter->setPen(QPen(Option->palette.color(QPalette::WindowText), 1.4, Qt::SolidLine, Qt::RoundCap));
        Painter->drawLine(g.topLeft(), g.bottomRight());
        Painter->drawLine(g.topRight(), g.bottomLeft());
        Painter->restore();
        return;
    }
    case PE_FrameMenu:
        Painter->save();
        Painter->setPen(StyleColor(Definition_->Border));
        Painter->setBrush(Qt::NoBrush);
        Painter->drawRect(Option->rect.adjusted(0, 0, -1, -1));
        Painter->restore();
        return;
    case PE_PanelMenu:
        Painter->fillRect(Option->rect, Option->palette.color(QPalette::Window));
        return;
    case PE_FrameTabBarBase:
        Painter->fillRect(QRect(Option->rect.left(), Option->rect.bottom(), Option->rect.width(), 1),
                          StyleColor(Definition_->Border));
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
}

void TThemedStyle::DrawSelectedMenuItem(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                                        const QWidget* Widget) const
{
    // Our selection shape first, then the item's text over it as if it were
    // not selected, in the highlighted text colour.
    QRect shape = Option->rect;
    if (Element == CE_MenuItem && Look().RoundSelection)
        shape.adjust(2, 0, -2, 0);
    DrawSelection(Painter, shape, Option);
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option)) {
        QStyleOptionMenuItem plain = *item;
        plain.state &= ~State_Selected;
        const QColor ink = Option->palette.color(QPalette::HighlightedText);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            plain.palette.setColor(role, ink);
        // Fusion paints the item's background with the window colour: keep ours.
        plain.palette.setBrush(QPalette::Window, Qt::transparent);
        plain.palette.setBrush(QPalette::Button, Qt::transparent);
        plain.palette.setBrush(QPalette::Base, Qt::transparent);
        QProxyStyle::drawControl(Element, &plain, Painter, Widget);
    }
}

void TThemedStyle::DrawTab(const QStyleOption* Option, QPainter* Painter) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(Option);
    const bool selected = Has(Option, State_Selected);
    QRectF r = Option->rect;
    if (!selected)
        r.adjust(0, 2, 0, 0);
    QColor fill = selected ? Option->palette.color(QPalette::Button) : StyleColor(Definition_->TabBar);
    if (!selected && Has(Option, State_MouseOver))
        fill = Mix(fill, Option->palette.color(QPalette::Window), 0.5);
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, Look().Radius > 0);
    const qreal radius = std::min(Look().Radius, 6);
    QPainterPath path;
    const QRectF e = r.adjusted(0.5, 0.5, -0.5, 0.5);
    path.moveTo(e.bottomLeft());
    path.lineTo(e.left(), e.top() + radius);
    path.quadTo(e.topLeft(), QPointF(e.left() + radius, e.top()));
    path.lineTo(e.right() - radius, e.top());
    path.quadTo(e.topRight(), QPointF(e.right(), e.top() + radius));
    path.lineTo(e.bottomRight());
    Painter->setBrush(FillBrush(Look().Fill == TFillKind::Bevel ? TFillKind::Flat : Look().Fill, e, fill, false));
    Painter->setPen(QPen(StyleColor(Definition_->Border), 1));
    Painter->drawPath(path);
    if (selected && Look().Fill != TFillKind::Bevel) {
        // An accent along the top edge of the current tab.
        Painter->setPen(Qt::NoPen);
        Painter->setBrush(Option->palette.color(QPalette::Highlight));
        Painter->drawRect(QRectF(e.left() + radius / 2, e.top(), e.width() - radius, 2));
    } else if (selected) {
        DrawBevel(Painter, r.adjusted(0, 0, 0, 2), fill, false, 1);
    }
    Painter->restore();
    Q_UNUSED(tab);
}

void TThemedStyle::drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                               const QWidget* Widget) const
{
    if (!IsPlain()) {
        switch (Element) {
        case CE_MenuItem:
        case CE_MenuBarItem: {
            const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option);
            const bool selected = Has(Option, State_Selected) && Has(Option, State_Enabled)
                                  && (Element == CE_MenuBarItem || Has(Option, State_Selected));
            if (item && selected && item->menuItemType != QStyleOptionMenuItem::Separator
                && (Element == CE_MenuItem || Has(Option, State_Sunken) || Has(Option, State_MouseOver)
                    || Has(Option, State_Selected))) {
                if (Element == CE_MenuBarItem)
                    Painter->fillRect(Option->rect, Option->palette.color(QPalette::Window));
                DrawSelectedMenuItem(Element, Option, Painter, Widget);
                return;
            }
            break;
        }
        case CE_TabBarTabShape:
            DrawTab(Option, Painter);
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawControl(Element, Option, Painter, Widget);
}

void TThemedStyle::DrawTitleBarButton(QPainter* Painter, const QRect& Rect, QStyle::SubControl Button,
                                      const QStyleOptionTitleBar* Option, const QColor& Ink) const
{
    const bool hot = Option->activeSubControls.testFlag(Button);
    if (hot && (Has(Option, State_MouseOver) || Has(Option, State_Sunken))) {
        QColor back = Button == SC_TitleBarCloseButton ? QColor(0xC4, 0x2B, 0x1C) : Ink;
        back.setAlpha(Button == SC_TitleBarCloseButton ? 255 : 60);
        if (Has(Option, State_Sunken))
            back = back.darker(130);
        Painter->fillRect(Rect, back);
    }
    const QColor ink = hot && Button == SC_TitleBarCloseButton && Has(Option, State_MouseOver) ? QColor(Qt::white) : Ink;
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, true);
    // An odd-sized glyph around the middle pixel, on pixel centres, so that
    // its strokes stay crisp at a 16 px caption.
    const int side = std::min(Rect.width(), Rect.height());
    const int half = std::max(2, (side - 2 * std::max(2, side / 4)) / 2);
    const QPointF mid = QPointF(Rect.center()) + QPointF(0.5, 0.5);
    const QRectF g(mid - QPointF(half, half), mid + QPointF(half, half));
    Painter->setPen(QPen(ink, side >= 14 ? 1.6 : 1.3, Qt::SolidLine, Qt::SquareCap));
    Painter->setBrush(Qt::NoBrush);
    switch (Button) {
    case SC_TitleBarCloseButton: // an ×
        Painter->drawLine(g.topLeft(), g.bottomRight());
        Painter->drawLine(g.topRight(), g.bottomLeft());
        break;
    case SC_TitleBarMinButton:
        Painter->drawLine(QPointF(g.left(), g.bottom()), g.bottomRight());
        break;
    case SC_TitleBarMaxButton:
        Painter->drawRect(g);
        break;
    default: // restore: two overlapping windows
        Painter->drawRect(g.adjusted(0, g.height() / 3, -g.width() / 3, 0));
        Painter->drawPolyline(QPolygonF({QPointF(g.left() + g.width() / 3, g.top() + g.height() / 3),
                                         QPointF(g.left() + g.width() / 3, g.top()), g.topRight(),
                                         QPointF(g.right(), g.bottom() - g.height() / 3),
                                         QPointF(g.right() - g.width() / 3, g.bottom() - g.height() / 3)}));
        break;
    }
    Painter->restore();
}

void TThemedStyle::DrawTitleBar(const QStyleOptionTitleBar* Option, QPainter* Painter, const QWidget* Widget) const
{
    const bool active = Option->titleBarState & State_Active;
    const QColor fill = StyleColor(active ? Definition_->CaptionActive : Definition_->CaptionInactive);
    const QColor ink = StyleColor(active ? Definition_->CaptionActiveText : Definition_->CaptionInactiveText);
    const QRect full = Option->rect;
    Painter->save();
    QBrush brush = fill;
    if (IsPlain()) {
        QLinearGradient g(full.topLeft(), full.bottomLeft());
        g.setColorAt(0, fill.lighter(112));
        g.setColorAt(1, fill);
        brush = g;
    } else if (Look().Fill == TFillKind::Bevel) {
        // A caption running from its colour to a lighter one, left to right.
        QLinearGradient g(full.topLeft(), full.topRight());
        g.setColorAt(0, fill);
        g.setColorAt(1, Mix(fill, ink, active ? 0.0 : 0.0).lighter(active ? 135 : 108));
        brush = g;
    } else {
        brush = FillBrush(Look().Fill, full, fill, false);
    }
    Painter->fillRect(full, brush);

    const QRect label = subControlRect(CC_TitleBar, Option, SC_TitleBarLabel, Widget);
    QFont font = Painter->font();
    font.setBold(true);
    const int pixels = std::max(7, full.height() - 5);
    if (font.pixelSize() > pixels || font.pointSizeF() * 96 / 72 > pixels)
        font.setPixelSize(pixels);
    Painter->setFont(font);
    Painter->setPen(ink);
    const QString text = QFontMetrics(font).elidedText(Option->text, Qt::ElideRight, label.width() - 2);
    Painter->drawText(label.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

    const auto flags = Option->titleBarFlags;
    const auto buttonRect = [&](SubControl Button) { return subControlRect(CC_TitleBar, Option, Button, Widget); };
    if (Option->subControls.testFlag(SC_TitleBarCloseButton) && flags.testFlag(Qt::WindowSystemMenuHint))
        DrawTitleBarButton(Painter, buttonRect(SC_TitleBarCloseButton), SC_TitleBarCloseButton, Option, ink);
    const bool minimized = Option->titleBarState & Qt::WindowMinimized;
    const bool maximized = Option->titleBarState & Qt::WindowMaximized;
    if (Option->subControls.testFlag(SC_TitleBarMinButton) && flags.testFlag(Qt::WindowMinimizeButtonHint) && !minimized)
        DrawTitleBarButton(Painter, buttonRect(SC_TitleBarMinButton), SC_TitleBarMinButton, Option, ink);
    if (Option->subControls.testFlag(SC_TitleBarMaxButton) && flags.testFlag(Qt::WindowMaximizeButtonHint) && !maximized)
        DrawTitleBarButton(Painter, buttonRect(SC_TitleBarMaxButton), SC_TitleBarMaxButton, Option, ink);
    if (Option->subControls.testFlag(SC_TitleBarNormalButton)
        && ((flags.testFlag(Qt::WindowMinimizeButtonHint) && minimized)
            || (flags.testFlag(Qt::WindowMaximizeButtonHint) && maximized)))
        DrawTitleBarButton(Painter, buttonRect(SC_TitleBarNormalButton), SC_TitleBarNormalButton, Option, ink);
    if (Option->subControls.testFlag(SC_TitleBarSysMenu) && flags.testFlag(Qt::WindowSystemMenuHint)
        && !Option->icon.isNull())
        Option->icon.paint(Painter, buttonRect(SC_TitleBarSysMenu));
    Painter->restore();
}

void TThemedStyle::DrawSlider(const QStyleOptionComplex* Option, QPainter* Painter, const QWidget* Widget) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(Option);
    if (!slider)
        return QProxyStyle::drawComplexControl(CC_Slider, Option, Painter, Widget);
    const bool horizontal = slider->orientation == Qt::Horizontal;
    const QRect groove = subControlRect(CC_Slider, slider, SC_SliderGroove, Widget);
    const QRect handle = subControlRect(CC_Slider, slider, SC_SliderHandle, Widget);
    const QPalette& pal = Option->palette;
    if (slider->subControls.testFlag(SC_SliderTickmarks) && slider->tickPosition != QSlider::NoTicks)
        DrawSliderTicks(slider, groove, handle, Painter);
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing, true);
    const qreal thick = 4 + Look().Room / 2;
    QRectF track = horizontal ? QRectF(groove.left(), groove.center().y() - thick / 2 + 0.5, groove.width(), thick)
                              : QRectF(groove.center().x() - thick / 2 + 0.5, groove.top(), thick, groove.height());
    Painter->setPen(Qt::NoPen);
    Painter->setBrush(StyleColor(Definition_->Border));
    Painter->drawRoundedRect(track, thick / 2, thick / 2);
    QRectF done = track;
    if (horizontal)
        done.setRight(handle.center().x());
    else
        done.setTop(handle.center().y());
    Painter->setBrush(pal.color(QPalette::Highlight));
    Painter->drawRoundedRect(done, thick / 2, thick / 2);
    Painter->restore();

    QStyleOption thumb = *Option;
    thumb.state &= ~State_Sunken;
    if (slider->activeSubControls.testFlag(SC_SliderHandle) && Has(Option, State_Sunken))
        thumb.state |= State_Sunken;
    else if (!slider->activeSubControls.testFlag(SC_SliderHandle))
        thumb.state &= ~State_MouseOver;
    if (Look().RoundHandle) {
        const int d = std::min(handle.width(), handle.height()) - 1;
        QRectF c(0, 0, d, d);
        c.moveCenter(QRectF(handle).center());
        Painter->save();
        Painter->setRenderHint(QPainter::Antialiasing, true);
        QColor fill = Has(Option, State_Enabled) ? pal.color(QPalette::Highlight) : pal.color(QPalette::Button);
        Painter->setPen(QPen(pal.color(QPalette::Base), 2));
        Painter->setBrush(Has(&thumb, State_MouseOver) ? fill.lighter(Look().HoverLighter) : fill);
        Painter->drawEllipse(c.adjusted(1, 1, -1, -1));
        Painter->restore();
    } else {
        QRectF bar = handle;
        if (horizontal)
            bar.adjust(handle.width() / 2.0 - 4, 1, -(handle.width() / 2.0 - 4), -1);
        else
            bar.adjust(1, handle.height() / 2.0 - 4, -1, -(handle.height() / 2.0 - 4));
        DrawPanel(Painter, bar, pal.color(QPalette::Button), &thumb, false);
    }
    if (Has(Option, State_HasFocus))
        DrawFocusRing(Painter, QRectF(handle).adjusted(-1, -1, 1, 1), Option);
}

void TThemedStyle::DrawSliderTicks(const QStyleOptionSlider* Slider, const QRect& Groove, const QRect& Handle,
                                   QPainter* Painter) const
{
    const bool horizontal = Slider->orientation == Qt::Horizontal;
    const int interval = Slider->tickInterval > 0 ? Slider->tickInterval : std::max(1, Slider->pageStep);
    const int length = horizontal ? Handle.width() : Handle.height();
    const int span = (horizontal ? Groove.width() : Groove.height()) - length;
    const int mid = horizontal ? Groove.center().y() : Groove.center().x();
    const int reach = (horizontal ? Handle.height() : Handle.width()) / 2;
    Painter->save();
    Painter->setPen(StyleColor(Definition_->Border));
    for (int v = Slider->minimum; v <= Slider->maximum; v += interval) {
        const int at = sliderPositionFromValue(Slider->minimum, Slider->maximum, v, span, Slider->upsideDown)
                       + length / 2 + (horizontal ? Groove.left() : Groove.top());
        for (bool before : {true, false}) {
            const bool wanted = before ? Slider->tickPosition & QSlider::TicksAbove
                                       : Slider->tickPosition & QSlider::TicksBelow;
            if (!wanted)
                continue;
            const int from = before ? mid - reach - 1 : mid + reach + 1;
            const int to = before ? from - 3 : from + 3;
            if (horizontal)
                Painter->drawLine(at, from, at, to);
            else
                Painter->drawLine(from, at, to, at);
        }
    }
    Painter->restore();
}

void TThemedStyle::drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                                      const QWidget* Widget) const
{
    if (Control == CC_TitleBar) {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(Option))
            return DrawTitleBar(bar, Painter, Widget);
    }
    if (Control == CC_Slider && !IsPlain())
        return DrawSlider(Option, Painter, Widget);
    QProxyStyle::drawComplexControl(Control, Option, Painter, Widget);
}

int TThemedStyle::pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const
{
    const int room = Look().Room;
    const int base = QProxyStyle::pixelMetric(Metric, Option, Widget);
    if (room == 0)
        return base;
    switch (Metric) {
    case PM_ButtonMargin:
        return base + room;
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return base + (room + 1) / 2;
    case PM_SliderThickness:
    case PM_SliderLength:
        return base + room;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return base + room / 2;
    default:
        return base;
    }
}

QSize TThemedStyle::sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                                     const QWidget* Widget) const
{
    QSize size = QProxyStyle::sizeFromContents(Type, Option, Size, Widget);
    const int room = Look().Room;
    if (room == 0)
        return size;
    switch (Type) {
    case CT_PushButton:
        return size + QSize(2 * room, room);
    case CT_MenuItem:
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option))
            if (item->menuItemType == QStyleOptionMenuItem::Separator)
                return size;
        return size + QSize(room, room);
    case CT_MenuBarItem:
    case CT_LineEdit:
    case CT_ComboBox:
    case CT_SpinBox:
    case CT_TabBarTab:
        return size + QSize(room, room);
    default:
        return size;
    }
}
