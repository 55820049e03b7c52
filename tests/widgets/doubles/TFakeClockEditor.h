#pragma once

#include "shell/ClockEdit.h"

// A properties dialog that shows nothing: each edit is noted and answered as
// preset (cancelled unless told otherwise).
class TFakeClockEditor final : public IClockEditor {
public:
    std::optional<TClockEditResult> Answer; // nullopt: the user cancels
    QList<TClockEditOpening> Opened;
    bool Editing = false;

    bool IsEditing() const override { return Editing; }
    std::optional<TClockEditResult> Edit(const TClockEditOpening& Opening) override
    {
        Opened.append(Opening);
        return Answer;
    }
};
