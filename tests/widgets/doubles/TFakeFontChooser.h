#pragma once

#include "platform/IFontChooser.h"

// Answers the font dialog with a preset choice (or cancels) and keeps what it
// was preset with.
class TFakeFontChooser final : public IFontChooser {
public:
    std::optional<TFontChoice> Answer; // nullopt: the user cancels
    std::optional<TFontChoice> LastInitial;
    int Calls = 0;

    std::optional<TFontChoice> Choose(const TFontChoice& Initial, QWidget*) override
    {
        ++Calls;
        LastInitial = Initial;
        return Answer;
    }
};
