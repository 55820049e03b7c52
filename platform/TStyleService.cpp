#include "platform/TStyleService.h"

#include "common/EPendulorError.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "platform/StyleTable.h"
#include "platform/TThemedStyle.h"

namespace {

const QString PlainStyleName = QStringLiteral("Windows");

} // namespace

TStyleService::TStyleService(QObject* Parent)
    : QObject(Parent)
{
    Engine_ = new TThemedStyle; // the application (or a proxy wrapped around it) owns it from here on
    QApplication::setStyle(Engine_);
    Active_ = &StyleDefinitions().front();
    QApplication::setPalette(::StylePalette(*Active_));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

QStringList TStyleService::StyleNames() const
{
    QStringList names;
    names.reserve(qsizetype(StyleDefinitions().size()));
    for (const TStyleDefinition& s : StyleDefinitions())
        names << QString::fromUtf16(s.Name);
    return names;
}

QString TStyleService::ActiveStyleName() const { return QString::fromUtf16(Active_->Name); }

const TStyleDefinition& TStyleService::Definition(const QString& Name)
{
    if (const TStyleDefinition* found = FindStyleDefinition(Name))
        return *found;
    throw EPendulorError(QStringLiteral("The style \"%1\" is not one of the styles on offer.").arg(Name));
}

QPalette TStyleService::StylePalette(const QString& Name) const
{
    return ::StylePalette(Definition(Name));
}

void TStyleService::ActivateStyle(const QString& Name)
{
    const TStyleDefinition& next = Definition(Name); // throws before anything changes
    const bool relayout = !TThemedStyle::SameMetrics(*Active_, next);
    Active_ = &next;
    // The engine may sit under a wrapping proxy by now: it still draws.
    if (Engine_)
        Engine_->SetDefinition(next);
    QApplication::setPalette(::StylePalette(next));
    if (relayout) {
        // Sizes of this family differ: every widget measures itself again.
        for (QWidget* widget : QApplication::allWidgets()) {
            QEvent changed(QEvent::StyleChange);
            QCoreApplication::sendEvent(widget, &changed);
        }
    }
    // Qt hands the new palette to the widgets through posted events: deliver
    // them now, so every window has the style when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
    Q_EMIT ActiveStyleChanged(ActiveStyleName());
}

QColor TStyleService::SystemColor(const QPalette& P, int Index)
{
    switch (Index) {
    case 0: return P.color(QPalette::Button);                       // scroll bar
    case 1: return P.color(QPalette::Dark);                         // desktop
    case 2: return P.color(QPalette::Active, QPalette::Highlight);   // active caption
    case 3: return P.color(QPalette::Mid);                          // inactive caption
    case 4: return P.color(QPalette::Window);                       // menu
    case 5: return P.color(QPalette::Base);                         // window
    case 6: return P.color(QPalette::Shadow);                       // window frame
    case 7: return P.color(QPalette::WindowText);                   // menu text
    case 8: return P.color(QPalette::WindowText);                   // window text
    case 9: return P.color(QPalette::HighlightedText);              // caption text
    case 10: return P.color(QPalette::Window);                      // active border
    case 11: return P.color(QPalette::Window);                      // inactive border
    case 12: return P.color(QPalette::Dark);                        // application work space
    case 13: return P.color(QPalette::Highlight);
    case 14: return P.color(QPalette::HighlightedText);
    case 15: return P.color(QPalette::Button);                      // button face
    case 16: return P.color(QPalette::Dark);                        // button shadow
    case 17: return P.color(QPalette::Disabled, QPalette::Text);    // grey text
    case 18: return P.color(QPalette::ButtonText);
    case 19: return P.color(QPalette::WindowText);                  // inactive caption text
    case 20: return P.color(QPalette::Light);                       // button highlight
    case 21: return P.color(QPalette::Shadow);                      // 3D dark shadow
    case 22: return P.color(QPalette::Midlight);                    // 3D light
    case 23: return P.color(QPalette::ToolTipText);                 // info text
    case 24: return P.color(QPalette::ToolTipBase);                 // info background
    case 26: return P.color(QPalette::Link);                        // hot light
    case 27: return P.color(QPalette::Highlight);                   // gradient active caption
    case 28: return P.color(QPalette::Mid);                         // gradient inactive caption
    case 29: return P.color(QPalette::Highlight);                   // menu highlight
    case 30: return P.color(QPalette::Window);                      // menu bar
    default: return QColor(Qt::black);                              // no such system colour
    }
}

QColor TStyleService::ColorOf(std::uint32_t Color) const
{
    // The system colours the palette has no role for come from the row.
    if ((Color & 0xFF000000u) == 0xFF000000u) {
        switch (Color & 0xFFu) {
        case 2:
        case 27: return StyleColor(Active_->CaptionActive);
        case 3:
        case 28: return StyleColor(Active_->CaptionInactive);
        case 9: return StyleColor(Active_->CaptionActiveText);
        case 19: return StyleColor(Active_->CaptionInactiveText);
        case 10:
        case 11:
        case 6: return StyleColor(Active_->Border);
        case 12: return StyleColor(Active_->Workspace);
        default: break;
        }
    }
    return ColorIn(QApplication::palette(), Color);
}

QColor TStyleService::ColorIn(const QPalette& Palette, std::uint32_t Color)
{
    if ((Color & 0xFF000000u) == 0xFF000000u)
        return SystemColor(Palette, int(Color & 0xFFu));
    if (Color == 0x20000000u) // the default colour
        return Palette.color(QPalette::WindowText);
    if (Color == 0x1FFFFFFFu) // no colour
        return QColor(Qt::transparent);
    return QColor(int(Color & 0xFF), int((Color >> 8) & 0xFF), int((Color >> 16) & 0xFF));
}

std::uint32_t TStyleService::ToColorValue(const QColor& Color)
{
    const QColor c = Color.toRgb();
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}

void TStyleService::SetFontElement(QWidget& Control, bool FollowStyle, const QColor& Own) const
{
    ApplyFontElement(Control, FollowStyle, Own);
}

void TStyleService::ApplyFontElement(QWidget& Control, bool FollowStyle, const QColor& Own)
{
    if (FollowStyle) {
        Control.setPalette(QPalette()); // inherit everything again
        return;
    }
    QPalette p;
    p.setColor(QPalette::WindowText, Own); // all colour groups
    Control.setPalette(p);
}
