#pragma once

// What a clock's edit hands to the properties dialog and what it gets back,
// with the rules that turn the dialog's answers into clock data. No widgets:
// the clock window sees the dialog through this header alone.

#include "datetime/TClockData.h"
#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"
#include "platform/IFontChooser.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

// The clock as the edit opens: its data and what only the clock knows.
struct TClockEditOpening {
    TClockData Data;
    TFormatSettings Settings;    // the conventions of Data.LocaleID
    TDateTime ChildDateTime = 0; // the clock time of the latest tick of any clock
    TDateTime ClockTime = 0;     // this clock's time now: the samples show it
    // Each line's font with the colour it shows in now.
    TFontChoice NameFont;
    TFontChoice DateFont;
    TFontChoice TimeFont;
    QColor WindowText; // the style's window-text colour: other colours stop following the style
};

// The clock as the user confirmed it.
struct TClockEditResult {
    TClockData Data;
    // The user changed the offset boxes: Data.OffsetTime is theirs. Untouched
    // boxes keep the clock's offset, which they may not have been able to
    // show; a clock whose zone is known takes its offset from the zone anyway.
    bool OffsetFromBoxes = false;
};

// The dialog that edits a clock, as the clock window sees it.
class IClockEditor {
public:
    virtual ~IClockEditor() = default;
    // A clock's edit is showing; a second one must wait.
    virtual bool IsEditing() const = 0;
    // Shows Opening modally; the edited clock on "Ok", nullopt otherwise.
    virtual std::optional<TClockEditResult> Edit(const TClockEditOpening& Opening) = 0;
};

// The offset of the dialog's boxes, in days: the sign is the hours' alone and
// the minutes lengthen the difference (-5 and 30 is five and a half hours behind).
TDateTime BoxOffset(int Hours, int Minutes);

// A line's formats from the dialog, starting from the clock's. The list format
// is the line behind the selected row (Selected; empty with no row): with none
// the clock keeps its own, and never an empty one. The format in effect is the
// list's or the custom one, and line 0 of Lines (the short format of the
// locale the list shows) when that is empty.
TLineFormat TakeFormat(TLineFormat Clock, bool UseList, const QString& Selected, bool UseEdit, const QString& Edit,
                       const QStringList& Lines);

// A line's style after its font was chosen. A colour other than WindowText
// stops the line from following the style. With KeepWhenShownAs a colour
// that shows as the stored one keeps its stored value (a system colour stays
// one).
TLineStyle ChosenLineStyle(TLineStyle Style, const TFontChoice& Choice, const QColor& WindowText,
                           const std::optional<QColor>& KeepWhenShownAs = std::nullopt);
