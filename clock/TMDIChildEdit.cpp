// The edit round trip of a clock window: the clock's data out to the
// properties dialog, shown modally, and on "Ok" the edited data back in.
#include "clock/TMDIChild.h"

#include "shell/ClockEdit.h"

#include <QCoreApplication>

void TMDIChild::EditItem2Click()
{
    // The modal dialog blocks a second edit; the guard covers a dialog that
    // is already showing.
    IClockEditor& editor = PropertiesDialog();
    if (editor.IsEditing())
        return;
    const std::optional<TClockEditResult> edited = editor.Edit(EditOpening());
    if (!edited)
        return;
    TakeEdit(*edited);
    repaint();
    QCoreApplication::processEvents();
}

TClockEditOpening TMDIChild::EditOpening()
{
    TClockEditOpening opening;
    opening.Data = ClockData_;
    opening.ChildDateTime = ChildDateTime;
    opening.NameFont = LineFontChoice(LineName);
    opening.DateFont = LineFontChoice(LineDate);
    opening.TimeFont = LineFontChoice(LineTime);
    opening.WindowText = ColorOf(clWindowText);
    SetLocale(ClockData_.LocaleID);
    opening.Settings = MyFS2;
    // Last: a zone clock brings its offset up to date here, after the data
    // the dialog's boxes show was taken.
    opening.ClockTime = ClockTime();
    return opening;
}

void TMDIChild::TakeEdit(const TClockEditResult& Edited)
{
    const TClockData& edited = Edited.Data;
    SetClockName(edited.Name);
    SetLineStyle(LineName, edited.NameLine);
    SetLocale(edited.LocaleID);

    // A zone clock takes its offset from the zone (on the next line);
    // otherwise the boxes give it, when the user changed them.
    if (edited.TimeZone != ClockData_.TimeZone)
        SetTimeZone(edited.TimeZone);
    if (!Zone_.IsKnown() && Edited.OffsetFromBoxes)
        SetOffset(edited.OffsetTime);
    ChildDateTime = ClockTime();
    if (Zone_.IsKnown())
        SetOffset(ClockData_.OffsetTime); // the caption shows the zone's offset, as after any edit
    ClockData_.WorkingHours = edited.WorkingHours;

    ClockData_.DateFormat = edited.DateFormat;
    SetLineStyle(LineDate, edited.DateLine);
    ClockData_.TimeFormat = edited.TimeFormat;
    SetLineStyle(LineTime, edited.TimeLine);
}
