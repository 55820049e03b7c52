#pragma once

#include <QColor>
#include <QFont>

#include <optional>

class QWidget;

// A font with the text colour chosen together with it.
struct TFontChoice {
    QFont Font;   // face, point size, bold, italic, underline, strikeout
    QColor Color; // plain colour
};

// The platform's font dialog with a colour choice. Injected so that tests can
// answer it.
class IFontChooser {
public:
    virtual ~IFontChooser() = default;
    // Shows the dialog modally, preset with Initial; nullopt when cancelled.
    virtual std::optional<TFontChoice> Choose(const TFontChoice& Initial, QWidget* Parent) = 0;
};
