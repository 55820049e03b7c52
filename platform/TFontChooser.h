#pragma once

#include "platform/IFontChooser.h"

// The platform's font dialog: Qt's own font dialog content (face, style, size,
// underline, strikeout) with a colour button and OK / Cancel.
class TFontChooser final : public IFontChooser {
public:
    std::optional<TFontChoice> Choose(const TFontChoice& Initial, QWidget* Parent) override;
};
