#pragma once

#include "clock/IClockFrame.h"

// A frame that only has a menu bar to switch.
class TFakeClockFrame final : public IClockFrame {
public:
    bool MenuBarShown = true;
    int Switches = 0;

    bool IsMenuBarShown() const override { return MenuBarShown; }
    void SetMenuBarShown(bool Show) override
    {
        MenuBarShown = Show;
        ++Switches;
    }
};
