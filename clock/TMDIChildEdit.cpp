// The edit round trip of a clock window: the clock's state into the
// properties dialog, the dialog shown modally, and on "Ok" its values back.
#include "clock/TMDIChild.h"

#include "clock/data/OffsetText.h"
#include "common/Trimmed.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TForm3NumberBox.h"
#include "platform/IStyleService.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

namespace {

constexpr double MinutesPerDay = 1440.0;

QString TrimmedFormat(const QString& Text) { return Trimmed(Text).toString(); }

// The line's formats from the dialog. The list format is the line behind the
// selected row; with no row selected the clock keeps its own, and never an
// empty one. The format in effect is the list's or the custom one, and line 0
// (the short format of the locale the list shows) when that is empty.
void TakeFormat(TLineFormat& Clock, bool UseList, const QString& Selected, bool UseEdit,
                const QString& Edit, const QStringList& Lines)
{
    Clock.UseList = UseList;
    if (!Selected.isEmpty())
        Clock.List = Selected;
    else if (TrimmedFormat(Clock.List).isEmpty())
        Clock.List = Lines.value(0);
    Clock.UseEdit = UseEdit;
    Clock.Edit = TrimmedFormat(Edit);
    Clock.InEffect = UseList ? Clock.List : Clock.Edit;
    if (TrimmedFormat(Clock.InEffect).isEmpty())
        Clock.InEffect = Lines.value(0);
}

} // namespace

void TMDIChild::EditItem2Click()
{
    // The modal dialog blocks a second edit; the guard covers a dialog that
    // does not exist yet or is already showing.
    TForm3* dialog = PropertiesDialog();
    if (!dialog || dialog->isVisible())
        return;
    TForm3& form = *dialog;
    const TEditOpening opening = FillForm3(form);
    if (form.ShowModal() != 1)
        return;
    TakeForm3(form, opening);
    repaint();
    QCoreApplication::processEvents();
}

TMDIChild::TEditOpening TMDIChild::FillForm3(TForm3& Form)
{
    const QString name = ClockName();
    Form.setWindowTitle(name);
    Form.ChildDateTime3 = ChildDateTime;
    Form.EditName3->setText(name);
    Form.SetNameFont(LineFontChoice(LineName));

    // Signed whole hours and the minutes of the magnitude; the boxes clamp
    // what they cannot show and rebuild the samples when their value changes.
    const int tag = OffsetTag(ClockData_.OffsetTime);
    Form.NumberBoxHH3->setValue(tag / 100);
    Form.NumberBoxMM3->setValue(std::abs(tag) % 100);
    const TEditOpening opening{Form.NumberBoxHH3->value(), Form.NumberBoxMM3->value()};
    // After the boxes, whose change makes the dialog's clock a fixed one.
    Form.SetTimeZone(ClockData_.TimeZone);
    Form.ChildDateTime3 = ChildDateTime;

    Form.SelectLocaleRow(ClockData_.LocaleID);
    SetLocale(ClockData_.LocaleID);
    Form.RebuildComboBoxDate3();
    Form.RebuildComboBoxTime3();
    // The samples show the clock's own time, also for an offset the boxes
    // cannot show (less than an hour behind, or minutes above 45).
    Form.ChildDateTime3 = ClockTime();

    Form.FontDialogDate3 = LineFontChoice(LineDate);
    Form.SetDateChoice(ClockData_.DateFormat.UseList, ClockData_.DateFormat.UseEdit);
    Form.ShowDateList(MyFS2, ClockData_.DateFormat.List);
    Form.EditDate3->setText(ClockData_.DateFormat.Edit);

    Form.FontDialogTime3 = LineFontChoice(LineTime);
    Form.SetTimeChoice(ClockData_.TimeFormat.UseList, ClockData_.TimeFormat.UseEdit);
    Form.ShowTimeList(MyFS2, ClockData_.TimeFormat.List);
    Form.EditTime3->setText(ClockData_.TimeFormat.Edit);
    return opening;
}

void TMDIChild::TakeForm3(const TForm3& Form, const TEditOpening& Opening)
{
    const QColor s = ColorOf(clWindowText);
    SetClockName(Form.EditName3->text());
    Form.EditName3->SetPreviewFont(Form.FontDialogName3.Font);
    TakeFontChoice(LineName, Form.FontDialogName3, s, true);

    // With no row selected (the clock's id is on none and the user picked
    // none) the clock keeps its locale rather than falling back to 0.
    SetLocale(Form.ComboBoxLang3->currentIndex() >= 0 ? Form.SelectedLocaleID() : ClockData_.LocaleID);

    // A zone clock takes its offset from the zone (on the next line);
    // otherwise the boxes give it.
    if (Form.TimeZone() != ClockData_.TimeZone)
        SetTimeZone(Form.TimeZone());
    const int hours = Form.NumberBoxHH3->value();
    const int minutes = Form.NumberBoxMM3->value();
    // Boxes left as the opening filled them keep the clock's offset, which
    // they may not have been able to show.
    if (!Zone_.IsKnown() && (hours != Opening.Hours || minutes != Opening.Minutes)) {
        TDateTime offset = (std::abs(hours) * 60 + minutes) / MinutesPerDay;
        if (hours < 0)
            offset = -offset;
        SetOffset(offset);
    }
    ChildDateTime = ClockTime();
    if (Zone_.IsKnown())
        SetOffset(ClockData_.OffsetTime); // the caption shows the zone's offset, as after any edit

    TakeFormat(ClockData_.DateFormat, Form.RBtnComboDate3->isChecked(), Form.SelectedDateFormat(), Form.RBtnEditDate3->isChecked(),
               Form.EditDate3->text(), Form.MemoDate3);
    Form.EditDate3->SetPreviewFont(Form.FontDialogDate3.Font);
    TakeFontChoice(LineDate, Form.FontDialogDate3, s, true);
    TakeFormat(ClockData_.TimeFormat, Form.RBtnComboTime3->isChecked(), Form.SelectedTimeFormat(), Form.RBtnEditTime3->isChecked(),
               Form.EditTime3->text(), Form.MemoTime3);
    Form.EditTime3->SetPreviewFont(Form.FontDialogTime3.Font);
    TakeFontChoice(LineTime, Form.FontDialogTime3, s, true);
}
