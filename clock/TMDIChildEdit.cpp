// The edit round trip of a clock window: the clock's state into the
// properties dialog, the dialog shown modally, and on "Ok" its values back.
#include "clock/TMDIChild.h"

#include "clock/data/OffsetText.h"
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

// Without leading and trailing blanks and control characters.
QString TrimmedFormat(const QString& Text)
{
    qsizetype Begin = 0;
    qsizetype End = Text.size();
    while (Begin < End && Text.at(Begin).unicode() <= 0x20)
        ++Begin;
    while (End > Begin && Text.at(End - 1).unicode() <= 0x20)
        --End;
    return Text.sliced(Begin, End - Begin);
}

// The format fields of one line of a clock.
struct TFormatFields {
    bool& UseList;
    QString& List;
    bool& UseEdit;
    QString& Edit;
    QString& InEffect;
};

// The line's formats from the dialog. The list format is the line behind the
// selected row; with no row selected the clock keeps its own, and never an
// empty one. The format in effect is the list's or the custom one, and line 0
// (the short format of the locale the list shows) when that is empty.
void TakeFormat(const TFormatFields& Clock, bool UseList, const QString& Selected, bool UseEdit,
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
    const int tag = OffsetTag(OffsetTime2);
    Form.NumberBoxHH3->setValue(tag / 100);
    Form.NumberBoxMM3->setValue(std::abs(tag) % 100);
    const TEditOpening opening{Form.NumberBoxHH3->value(), Form.NumberBoxMM3->value()};
    Form.ChildDateTime3 = ChildDateTime;

    Form.SelectLocaleRow(MyLCID2);
    SetLocale(MyLCID2);
    Form.RebuildComboBoxDate3();
    Form.RebuildComboBoxTime3();
    // The samples show the clock's own time, also for an offset the boxes
    // cannot show (less than an hour behind, or minutes above 45).
    Form.ChildDateTime3 = Now() + OffsetTime2;

    Form.FontDialogDate3 = LineFontChoice(LineDate);
    Form.SetDateChoice(UseDateFormatList2, UseDateFormatEdit2);
    Form.ShowDateList(MyFS2, DateFormatList2);
    Form.EditDate3->setText(DateFormatEdit2);

    Form.FontDialogTime3 = LineFontChoice(LineTime);
    Form.SetTimeChoice(UseTimeFormatList2, UseTimeFormatEdit2);
    Form.ShowTimeList(MyFS2, TimeFormatList2);
    Form.EditTime3->setText(TimeFormatEdit2);
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
    SetLocale(Form.ComboBoxLang3->currentIndex() >= 0 ? Form.SelectedLocaleID() : MyLCID2);

    const int hours = Form.NumberBoxHH3->value();
    const int minutes = Form.NumberBoxMM3->value();
    // Boxes left as the opening filled them keep the clock's offset, which
    // they may not have been able to show.
    if (hours != Opening.Hours || minutes != Opening.Minutes) {
        TDateTime offset = (std::abs(hours) * 60 + minutes) / MinutesPerDay;
        if (hours < 0)
            offset = -offset;
        SetOffset(offset);
    }
    ChildDateTime = Now() + OffsetTime2;

    TakeFormat({UseDateFormatList2, DateFormatList2, UseDateFormatEdit2, DateFormatEdit2, DateFormat2},
               Form.RBtnComboDate3->isChecked(), Form.SelectedDateFormat(), Form.RBtnEditDate3->isChecked(),
               Form.EditDate3->text(), Form.MemoDate3);
    Form.EditDate3->SetPreviewFont(Form.FontDialogDate3.Font);
    TakeFontChoice(LineDate, Form.FontDialogDate3, s, true);
    TakeFormat({UseTimeFormatList2, TimeFormatList2, UseTimeFormatEdit2, TimeFormatEdit2, TimeFormat2},
               Form.RBtnComboTime3->isChecked(), Form.SelectedTimeFormat(), Form.RBtnEditTime3->isChecked(),
               Form.EditTime3->text(), Form.MemoTime3);
    Form.EditTime3->SetPreviewFont(Form.FontDialogTime3.Font);
    TakeFontChoice(LineTime, Form.FontDialogTime3, s, true);
}
