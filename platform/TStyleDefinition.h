#pragma once

#include <cstdint>

// The drawing families the named styles share.
enum class TStyleFamily : std::uint8_t {
    Plain,    // Fusion as it is
    Flat,     // square, flat fills
    Rounded,  // flat fills, rounded corners
    Gradient, // vertical gradients, rounded
    Glossy,   // gradients with a gloss on the upper half
    Glow,     // gradients, a wide glowing focus ring
    Bevel,    // raised and sunken 3D edges, square
    Material, // flat, a shadow under raised parts
    Tablet,   // flat, roomier controls
};

enum class TFillKind : std::uint8_t { Flat, Gradient, Glossy, Bevel };

// Drawing parameters of a family.
struct TFamilyLook {
    TFillKind Fill = TFillKind::Flat;
    int Radius = 0;          // corners of buttons, fields, check boxes
    int BorderWidth = 1;
    int HoverLighter = 108;  // QColor::lighter/darker factor under the mouse
    int PressedDarker = 115;
    int FocusRing = 1;       // width; 0 leaves Fusion's dotted focus
    bool RoundHandle = false; // slider thumb round instead of a bar
    bool RoundSelection = false; // list and menu selection as a rounded pill
    bool Elevation = false;  // shadow under buttons
    int Room = 0;            // extra pixels around text in buttons, menus and fields
};

// One named style: its family and every colour it draws with (0xRRGGBB).
// Palette roles the row does not name (light, mid, dark, shadow) follow from
// the button colour as Qt derives them.
struct TStyleDefinition {
    const char16_t* Name;
    TStyleFamily Family;
    std::uint32_t Window;
    std::uint32_t WindowText;
    std::uint32_t Base;
    std::uint32_t AlternateBase;
    std::uint32_t Text;
    std::uint32_t Button;
    std::uint32_t ButtonText;
    std::uint32_t Highlight;
    std::uint32_t HighlightedText;
    std::uint32_t InactiveHighlight; // selection of a window without focus
    std::uint32_t DisabledText;
    std::uint32_t ToolTipBase;
    std::uint32_t ToolTipText;
    std::uint32_t Border;
    std::uint32_t CaptionActive;
    std::uint32_t CaptionActiveText;
    std::uint32_t CaptionInactive;
    std::uint32_t CaptionInactiveText;
    std::uint32_t Workspace; // the frame's background behind the clocks
    std::uint32_t TabBar;    // tabs that are not selected
};
