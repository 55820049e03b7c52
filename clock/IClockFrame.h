#pragma once

// What a clock window needs of the frame that holds it. The frame implements
// it and hands itself to each clock window (TMDIChild::SetFrame); a clock
// window without a frame (tests, a clock shown on its own) simply has no menu
// bar to switch.
class IClockFrame {
public:
    virtual ~IClockFrame() = default;

    // Whether the frame shows its menu bar right now.
    virtual bool IsMenuBarShown() const = 0;
    // Attach (true) or detach (false) the frame's menu bar.
    virtual void SetMenuBarShown(bool Show) = 0;
};
