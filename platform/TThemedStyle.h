#pragma once

#include "platform/TStyleDefinition.h"

#include <QProxyStyle>

class QPainter;
class QStyleOptionSlider;
class QStyleOptionTitleBar;

// The one style engine behind every named style: Fusion, with the frames,
// buttons, check marks, sliders, selections, tabs and window captions drawn
// from the active row of the style table and the parameters of its family.
// Colours come from the option's palette wherever Qt has a role for them, so
// that a palette change alone restyles a widget.
class TThemedStyle final : public QProxyStyle {
    Q_OBJECT
public:
    TThemedStyle();

    // The row to draw; the caller sets the matching application palette.
    void SetDefinition(const TStyleDefinition& Style);
    const TStyleDefinition& Definition() const { return *Definition_; }
    // Whether the family's sizes differ from the other's (widgets must then
    // be laid out again, not only repainted).
    static bool SameMetrics(const TStyleDefinition& A, const TStyleDefinition& B);

    void drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                       const QWidget* Widget = nullptr) const override;
    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget = nullptr) const override;
    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                            const QWidget* Widget = nullptr) const override;
    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
    QSize sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                           const QWidget* Widget = nullptr) const override;

private:
    bool IsPlain() const { return Definition_->Family == TStyleFamily::Plain; }
    const TFamilyLook& Look() const { return *Look_; }
    void DrawPanel(QPainter* Painter, const QRectF& Rect, const QColor& Fill, const QStyleOption* Option,
                   bool Raised) const;
    void DrawFocusRing(QPainter* Painter, const QRectF& Rect, const QStyleOption* Option) const;
    void DrawCheckBox(const QStyleOption* Option, QPainter* Painter) const;
    void DrawRadioButton(const QStyleOption* Option, QPainter* Painter) const;
    void DrawSelection(QPainter* Painter, const QRect& Rect, const QStyleOption* Option) const;
    void DrawTitleBar(const QStyleOptionTitleBar* Option, QPainter* Painter, const QWidget* Widget) const;
    void DrawTitleBarButton(QPainter* Painter, const QRect& Rect, QStyle::SubControl Button,
                            const QStyleOptionTitleBar* Option, const QColor& Ink) const;
    void DrawSlider(const QStyleOptionComplex* Option, QPainter* Painter, const QWidget* Widget) const;
    void DrawSliderTicks(const QStyleOptionSlider* Slider, const QRect& Groove, const QRect& Handle,
                         QPainter* Painter) const;
    void DrawTab(const QStyleOption* Option, QPainter* Painter) const;
    void DrawSelectedMenuItem(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                              const QWidget* Widget) const;

    const TStyleDefinition* Definition_;
    const TFamilyLook* Look_;
};
