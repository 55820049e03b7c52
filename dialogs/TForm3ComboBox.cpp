#include "dialogs/TForm3ComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollBar>

namespace {

// Some styles (Fusion among them) show a pick-only list as a menu that covers
// the screen and ignores maxVisibleItems; this one keeps the classic drop-down.
class TDropDownStyle final : public QProxyStyle {
public:
    TDropDownStyle() : QProxyStyle(QApplication::style()->name()) {}

    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* Return) const override
    {
        if (Hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }
    // The drawing is the application style's, which knows the active visual
    // style (this one's base is a separate instance of the same style).
    void drawPrimitive(PrimitiveElement Element, const QStyleOption* Option, QPainter* Painter,
                       const QWidget* Widget) const override
    {
        QApplication::style()->drawPrimitive(Element, Option, Painter, Widget);
    }
    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget) const override
    {
        QApplication::style()->drawControl(Element, Option, Painter, Widget);
    }
    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                            const QWidget* Widget) const override
    {
        QApplication::style()->drawComplexControl(Control, Option, Painter, Widget);
    }
};

} // namespace

TForm3ComboBox::TForm3ComboBox(int VisibleRows, QWidget* Parent)
    : QComboBox(Parent), DropDownStyle(std::make_unique<TDropDownStyle>())
{
    setEditable(false);
    setStyle(DropDownStyle.get());
    setMaxVisibleItems(VisibleRows);
}

TForm3ComboBox::~TForm3ComboBox()
{
    // Back to the application's style before ours goes away.
    setStyle(nullptr);
}

void TForm3ComboBox::showPopup()
{
    QAbstractItemView* View = view();
    QWidget* Container = View->parentWidget();
    const QMargins Around = Container->contentsMargins();
    const int Needed = View->sizeHintForColumn(0) + View->verticalScrollBar()->sizeHint().width()
                       + 2 * View->frameWidth() + Around.left() + Around.right();
    Container->setMinimumWidth(qMax(Needed, width()));
    QComboBox::showPopup();

    // A drop-down wider than the box may reach past the screen's right edge.
    if (const QScreen* Screen = screen()) {
        const QRect Area = Screen->availableGeometry();
        QRect Popup = Container->geometry();
        if (Popup.right() > Area.right()) {
            Popup.moveRight(Area.right());
            if (Popup.left() < Area.left())
                Popup.moveLeft(Area.left());
            Container->move(Popup.topLeft());
        }
    }
}
