#include "platform/TStyleService.h"

#include "common/EPendulorError.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <array>

namespace {

// One shipped scheme: the colours a palette is derived from (0xRRGGBB).
struct TScheme {
    const char16_t* Name;
    quint32 Window;
    quint32 WindowText;
    quint32 Base;
    quint32 Text;
    quint32 Highlight;
};

const QString PlainStyleName = QStringLiteral("Windows");

// Sorted without regard to case, as the style dialog lists them; "Windows"
// (the plain look) is not a scheme of its own.
constexpr std::array<TScheme, 66> Schemes{{
    {u"Amakrits", 0x2B2522, 0xE8D9C4, 0x1F1B19, 0xF0E3D0, 0xC86B1E},
    {u"Amethyst Kamri", 0xDCD3E6, 0x2A1F3A, 0xF4F0F8, 0x1E1528, 0x7A4FA8},
    {u"Aqua Graphite", 0x3A3D42, 0xE2E8EC, 0x2C2F33, 0xEEF2F4, 0x2EA6C8},
    {u"Aqua Light Slate", 0xD6DEE4, 0x1F2A33, 0xF2F6F8, 0x17212A, 0x2E9CC0},
    {u"Auric", 0x2A2A2A, 0xF2E2B0, 0x1E1E1E, 0xF5E8C0, 0xC9A227},
    {u"Calypso", 0xCFE3EA, 0x12323E, 0xEEF6F9, 0x0E2833, 0x2B7A99},
    {u"Calypso LE", 0xDCEBF0, 0x183846, 0xF6FAFC, 0x102C38, 0x3F8FAE},
    {u"Calypso SE", 0x1E3A46, 0xDDEEF4, 0x16303A, 0xE8F4F8, 0x3FA3C6},
    {u"Calypso SLE", 0x264753, 0xE2F0F5, 0x1C3A45, 0xEDF6F9, 0x52B0D0},
    {u"Carbon", 0x202124, 0xD8D8D8, 0x151618, 0xE6E6E6, 0x4C7BD9},
    {u"Charcoal Dark Slate", 0x2E3236, 0xD4D8DC, 0x24272A, 0xE0E4E8, 0x5A7A94},
    {u"Cobalt XEMedia", 0x1B2A4A, 0xDCE4F4, 0x14203A, 0xE8EEF8, 0x3A6FD8},
    {u"Copper", 0xE7D3C3, 0x3A2414, 0xF6EDE6, 0x2E1C10, 0xB0652A},
    {u"CopperDark", 0x2E2520, 0xEBD6C6, 0x221C18, 0xF2E2D4, 0xB86A30},
    {u"Coral", 0xF4DCD4, 0x40231C, 0xFCF2EE, 0x33190F, 0xE0664A},
    {u"Cyan Dusk", 0x243A42, 0xD6ECF2, 0x1B2E35, 0xE4F4F8, 0x1FB2C8},
    {u"Cyan Night", 0x161F26, 0xC8E6EE, 0x10171C, 0xD8EEF4, 0x14A0B8},
    {u"Diamond", 0xEEF1F4, 0x20262C, 0xFFFFFF, 0x1A1F24, 0x5B8EC4},
    {u"Emerald", 0xD2E8DA, 0x123A22, 0xF0F8F3, 0x0E2E1A, 0x2E9A5A},
    {u"Emerald Light Slate", 0xDAE2DE, 0x1C2E24, 0xF4F7F5, 0x14241A, 0x2F9463},
    {u"Flat UI Light", 0xECF0F1, 0x2C3E50, 0xFFFFFF, 0x2C3E50, 0x3498DB},
    {u"Glossy", 0x2A2D33, 0xEDEFF2, 0x1E2126, 0xF4F5F7, 0x5C9BE6},
    {u"Glow", 0x1F2226, 0xC9F1FF, 0x15181B, 0xDDF6FF, 0x33C1F0},
    {u"Golden Graphite", 0x35363A, 0xEFE2B8, 0x27282B, 0xF4EAC8, 0xD4A73A},
    {u"Iceberg Classico", 0xDDE8EE, 0x1E2E38, 0xF6FAFC, 0x16242C, 0x6FA6C6},
    {u"Jet", 0x121212, 0xD0D0D0, 0x0A0A0A, 0xDEDEDE, 0x5A5A5A},
    {u"Lavender Classico", 0xE2DDEE, 0x2A2440, 0xF7F5FB, 0x201A34, 0x8A78C4},
    {u"Light", 0xF3F3F3, 0x1E1E1E, 0xFFFFFF, 0x111111, 0x4A90D9},
    {u"Luna", 0xECE9D8, 0x000000, 0xFFFFFF, 0x000000, 0x316AC5},
    {u"Material Oxford Blue", 0x2B3447, 0xDFE4EE, 0x222A3A, 0xECEFF5, 0x4F8EF0},
    {u"Material Oxford Blue SE", 0x323C52, 0xE4E9F2, 0x283044, 0xF0F3F8, 0x64A0F5},
    {u"Obsidian", 0x1C1E22, 0xC4C8CE, 0x131519, 0xD4D8DE, 0x6C5CA8},
    {u"Onyx Blue", 0x22272E, 0xD2DCE8, 0x191D22, 0xE0E8F2, 0x3D7ACF},
    {u"Puerto Rico", 0xD5ECE8, 0x143A33, 0xF1F9F7, 0x0F2E28, 0x3FB8A6},
    {u"Radiant", 0xFAF3E0, 0x3A2E0C, 0xFFFDF6, 0x2C2208, 0xF0A020},
    {u"Ruby Graphite", 0x34343A, 0xF0DCDC, 0x27272C, 0xF6E6E6, 0xC0283C},
    {u"Sapphire Kamri", 0xD4DCEC, 0x15213A, 0xF2F5FA, 0x0F1A30, 0x2A56B0},
    {u"Silver", 0xE4E6E8, 0x202224, 0xF8F9FA, 0x18191A, 0x7C8A98},
    {u"Sky", 0xDDEEFB, 0x102A40, 0xF5FAFE, 0x0C2236, 0x3A96E0},
    {u"Slate Classico", 0xC8D0D6, 0x1A2228, 0xEEF1F3, 0x12181C, 0x56708A},
    {u"Smokey Quartz Kamri", 0xD8D2CC, 0x2E2822, 0xF3F0ED, 0x221D18, 0x8C7460},
    {u"Stellar", 0xE6E9F2, 0x1D2233, 0xFBFCFE, 0x141826, 0x5566CC},
    {u"Stellar Dark", 0x1F2230, 0xD8DCEC, 0x171A25, 0xE6E9F4, 0x6676DD},
    {u"Sterling", 0xD9DBDE, 0x24272B, 0xF4F5F6, 0x1B1D20, 0x6B7F96},
    {u"Tablet Dark", 0x2B2B2B, 0xE0E0E0, 0x202020, 0xECECEC, 0x2D8CEB},
    {u"Tablet Light", 0xF0F0F0, 0x202020, 0xFFFFFF, 0x141414, 0x2D8CEB},
    {u"Turquoise Gray", 0xD3DBDA, 0x1E2B2A, 0xF1F5F5, 0x162120, 0x2AA198},
    {u"Vapor", 0x24223A, 0xF0D8F4, 0x1B192C, 0xF6E4F8, 0xE04FB0},
    {u"Wedgewood Light", 0xDDE5EF, 0x1E2C3E, 0xF6F9FC, 0x152030, 0x4E7BB0},
    {u"Windows10", 0xF0F0F0, 0x000000, 0xFFFFFF, 0x000000, 0x0078D7},
    {u"Windows10 BlackPearl", 0x0E1A26, 0xC8D8E6, 0x09121B, 0xD6E4F0, 0x2F6F9F},
    {u"Windows10 Blue", 0xD9E6F5, 0x0D2340, 0xF4F8FD, 0x091A30, 0x0063B1},
    {u"Windows10 Blue Whale", 0x0F2D3C, 0xCFE6F0, 0x0A2230, 0xDDEEF5, 0x1E88B4},
    {u"Windows10 Blue Whale LE", 0x163848, 0xD6EAF2, 0x102C3A, 0xE3F1F7, 0x2A98C4},
    {u"Windows10 Clear Day", 0xF2F6FA, 0x1A2430, 0xFFFFFF, 0x121A24, 0x2F80D8},
    {u"Windows10 Dark", 0x2B2B2B, 0xF0F0F0, 0x1E1E1E, 0xFFFFFF, 0x0078D7},
    {u"Windows10 Green", 0xDCEEDD, 0x10301A, 0xF5FBF6, 0x0A2412, 0x107C10},
    {u"Windows10 Malibu", 0xDDEFFA, 0x0E2C40, 0xF5FBFE, 0x0A2232, 0x58B4E8},
    {u"Windows10 Purple", 0xE6DDF0, 0x2A1640, 0xF9F6FC, 0x200F32, 0x744DA9},
    {u"Windows10 SlateGray", 0x3C4650, 0xE2E8EE, 0x2F3740, 0xEEF2F6, 0x708090},
    {u"Windows11 MineShaft", 0x333333, 0xE8E8E8, 0x262626, 0xF2F2F2, 0x4CC2FF},
    {u"Windows11 Modern Dark", 0x202020, 0xFFFFFF, 0x2B2B2B, 0xFFFFFF, 0x4CC2FF},
    {u"Windows11 Modern Light", 0xF3F3F3, 0x1B1B1B, 0xFBFBFB, 0x1B1B1B, 0x005FB8},
    {u"Windows11 Polar Dark", 0x1C2128, 0xDCE4EC, 0x14181E, 0xE8EEF4, 0x5AA8E0},
    {u"Windows11 Polar Light", 0xEFF3F7, 0x18202A, 0xFFFFFF, 0x10161E, 0x2F7FC8},
    {u"Windows11 White Smoke", 0xF5F5F5, 0x222222, 0xFFFFFF, 0x181818, 0x5F7FA0},
}};

QColor Rgb(quint32 V) { return QColor::fromRgb(QRgb(0xFF000000u | V)); }

const TScheme* FindScheme(const QString& Name)
{
    for (const TScheme& s : Schemes) {
        if (QStringView(s.Name).compare(Name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

QPalette SchemePalette(const TScheme& S)
{
    const QColor window = Rgb(S.Window);
    const QColor windowText = Rgb(S.WindowText);
    const QColor text = Rgb(S.Text);
    const QColor highlight = Rgb(S.Highlight);
    // Derives light, midlight, mid, dark and shadow from the button colour.
    QPalette p(window, window);
    p.setColor(QPalette::WindowText, windowText);
    p.setColor(QPalette::ButtonText, windowText);
    p.setColor(QPalette::Base, Rgb(S.Base));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::BrightText, QColor(Qt::red));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, highlight.lightness() > 150 ? QColor(Qt::black) : QColor(Qt::white));
    p.setColor(QPalette::ToolTipBase, Rgb(S.Base));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Link, highlight);
    QColor placeholder = text;
    placeholder.setAlpha(128);
    p.setColor(QPalette::PlaceholderText, placeholder);
    // Disabled text halfway between the text and its background.
    const QColor grey = QColor::fromRgbF((windowText.redF() + window.redF()) / 2,
                                         (windowText.greenF() + window.greenF()) / 2,
                                         (windowText.blueF() + window.blueF()) / 2);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, grey);
    return p;
}

} // namespace

TStyleService::TStyleService(QObject* Parent)
    : QObject(Parent)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    Plain_ = QApplication::style()->standardPalette();
    Active_ = PlainStyleName;
    QApplication::setPalette(Plain_);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
}

QStringList TStyleService::StyleNames() const
{
    QStringList names;
    names.reserve(int(Schemes.size()) + 1);
    names << PlainStyleName;
    for (const TScheme& s : Schemes)
        names << QString::fromUtf16(s.Name);
    return names;
}

QString TStyleService::ActiveStyleName() const { return Active_; }

// A name on offer in its listed spelling; a hand-edited settings file may
// differ in letter case.
QString TStyleService::CanonicalName(const QString& Name)
{
    if (Name.compare(PlainStyleName, Qt::CaseInsensitive) == 0)
        return PlainStyleName;
    if (const TScheme* s = FindScheme(Name))
        return QString::fromUtf16(s->Name);
    throw EPendulorError(QStringLiteral("The style \"%1\" is not one of the styles on offer.").arg(Name));
}

QPalette TStyleService::StylePalette(const QString& Name) const
{
    const QString name = CanonicalName(Name);
    return name == PlainStyleName ? Plain_ : SchemePalette(*FindScheme(name));
}

void TStyleService::ActivateStyle(const QString& Name)
{
    const QString name = CanonicalName(Name); // throws before anything changes
    const QPalette palette = StylePalette(name);
    Active_ = name;
    QApplication::setPalette(palette);
    // Qt hands the new palette to the widgets through posted events: deliver
    // them now, so every window has the style when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
    Q_EMIT ActiveStyleChanged(name);
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
