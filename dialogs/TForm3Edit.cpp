// The edit of a clock: its data into the controls, and back out of them when
// the user confirms.
#include "dialogs/TForm3.h"

#include "datetime/OffsetText.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TForm3NumberBox.h"

#include <QRadioButton>

#include <cstdlib>

bool TForm3::IsEditing() const
{
    return isVisible();
}

std::optional<TClockEditResult> TForm3::Edit(const TClockEditOpening& Opening)
{
    LoadClock(Opening);
    if (ShowModal() != 1)
        return std::nullopt;
    return EditedClock();
}

void TForm3::LoadClock(const TClockEditOpening& Opening)
{
    Opening_ = Opening;
    const TClockData& Clock = Opening.Data;
    setWindowTitle(Clock.Name);
    ChildDateTime3 = Opening.ChildDateTime;
    EditName3->setText(Clock.Name);
    SetNameFont(Opening.NameFont);

    // Signed whole hours and the minutes of the magnitude; the boxes clamp
    // what they cannot show and rebuild the samples when their value changes.
    const int Tag = OffsetTag(Clock.OffsetTime);
    NumberBoxHH3->setValue(Tag / 100);
    NumberBoxMM3->setValue(std::abs(Tag) % 100);
    OpenedHours_ = NumberBoxHH3->value();
    OpenedMinutes_ = NumberBoxMM3->value();
    // After the boxes, whose change makes the dialog's clock a fixed one.
    SetTimeZone(Clock.TimeZone);
    WorkingHours_ = Clock.WorkingHours;
    ChildDateTime3 = Opening.ChildDateTime;

    SelectLocaleRow(Clock.LocaleID);
    RebuildComboBoxDate3();
    RebuildComboBoxTime3();
    // The samples show the clock's own time, also for an offset the boxes
    // cannot show (less than an hour behind, or minutes above 45).
    ChildDateTime3 = Opening.ClockTime;

    FontDialogDate3 = Opening.DateFont;
    SetDateChoice(Clock.DateFormat.UseList, Clock.DateFormat.UseEdit);
    ShowDateList(Opening.Settings, Clock.DateFormat.List);
    EditDate3->setText(Clock.DateFormat.Edit);

    FontDialogTime3 = Opening.TimeFont;
    SetTimeChoice(Clock.TimeFormat.UseList, Clock.TimeFormat.UseEdit);
    ShowTimeList(Opening.Settings, Clock.TimeFormat.List);
    EditTime3->setText(Clock.TimeFormat.Edit);
}

TClockEditResult TForm3::EditedClock()
{
    const QColor& S = Opening_.WindowText;
    TClockEditResult Result{Opening_.Data};
    TClockData& Clock = Result.Data;
    Clock.Name = EditName3->text();
    EditName3->SetPreviewFont(FontDialogName3.Font);
    Clock.NameLine = ChosenLineStyle(Clock.NameLine, FontDialogName3, S, Opening_.NameFont.Color);

    Clock.LocaleID = EditedLocaleID();

    Clock.TimeZone = TimeZone();
    Clock.WorkingHours = WorkingHours_;
    const int Hours = NumberBoxHH3->value();
    const int Minutes = NumberBoxMM3->value();
    if (Hours != OpenedHours_ || Minutes != OpenedMinutes_) {
        Result.OffsetFromBoxes = true;
        Clock.OffsetTime = BoxOffset(Hours, Minutes);
    }

    Clock.DateFormat = TakeFormat(Clock.DateFormat, RBtnComboDate3->isChecked(), SelectedDateFormat(),
                                  RBtnEditDate3->isChecked(), EditDate3->text(), MemoDate3);
    EditDate3->SetPreviewFont(FontDialogDate3.Font);
    Clock.DateLine = ChosenLineStyle(Clock.DateLine, FontDialogDate3, S, Opening_.DateFont.Color);
    Clock.TimeFormat = TakeFormat(Clock.TimeFormat, RBtnComboTime3->isChecked(), SelectedTimeFormat(),
                                  RBtnEditTime3->isChecked(), EditTime3->text(), MemoTime3);
    EditTime3->SetPreviewFont(FontDialogTime3.Font);
    Clock.TimeLine = ChosenLineStyle(Clock.TimeLine, FontDialogTime3, S, Opening_.TimeFont.Color);
    return Result;
}
