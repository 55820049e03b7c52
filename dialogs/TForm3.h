#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"
#include "datetime/TZoneOffset.h"
#include "shell/ClockEdit.h"
#include "dialogs/TFontPreviewEdit.h"
#include "platform/IFontChooser.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class IFontChooser;
class INowSource;
class IWindowSystem;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TForm3ComboBox;
class TForm3NumberBox;
class TWorkingHoursBox;
class TZoneCatalogSource;
class TZoneSearchField;

// What the properties dialog uses of the rest of the system, every member
// required: the constructor refuses a set with one missing. OpenHelp opens
// the help document at a page reference; the application wires it to its
// help lookup.
struct TForm3Services {
    const INowSource* Now = nullptr;
    // A locale's conventions, which the samples are rendered in.
    std::function<TFormatSettings(LCID Locale)> Conventions;
    IFontChooser* FontChooser = nullptr;
    IWindowSystem* WindowSystem = nullptr; // the work area the dialog is sized from
    std::function<void(const QString& PageReference)> OpenHelp;
    // The run's zone catalog, shared with the frame's city search.
    std::shared_ptr<TZoneCatalogSource> Zones;
};

// The clock properties dialog: name, time difference, locale, date and time
// format (each offered as a rendered sample, or typed as a custom format) and
// the fonts of the three lines. It edits a clock's data: the clock hands it
// over, and gets it back as the user confirmed it; the dialog itself never
// touches a clock.
class TForm3 : public QDialog, public IClockEditor {
    Q_OBJECT
public:
    // Throws std::invalid_argument when a service is missing.
    explicit TForm3(const TForm3Services& Services, QWidget* Parent = nullptr);
    ~TForm3() override;

    bool IsEditing() const override;
    // LoadClock, the modal show, and EditedClock on "Ok".
    std::optional<TClockEditResult> Edit(const TClockEditOpening& Opening) override;

    // Fills every control from the clock, in an order that matters: the
    // boxes' change rules rebuild the samples, and the lists then show the
    // clock's own time in its own conventions with its list formats selected.
    void LoadClock(const TClockEditOpening& Opening);
    // The clock as the controls now hold it; the custom fields take the
    // chosen fonts for their previews.
    TClockEditResult EditedClock();

protected:
    bool event(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    // Tests and benchmarks reach the controls; the clock never does.
    friend class TestForm3;
    friend class TestEditClock;
    friend class TestTimeZoneRow;
    friend class TestFrameClose;
    friend class TestWorkingHoursBox;
    friend struct TForm3Bench;

    // Shows the dialog modally: 1 for "Ok", 2 for "Cancel" or a closed window.
    int ShowModal();

    // Now plus the time difference of the two boxes; sets OffSetTime3.
    TDateTime GetChildTime3();
    // Render the samples of every line of MemoDate3 / MemoTime3 with MyFS3
    // (separators replaced by the locale's) and select row 0.
    void RebuildComboBoxDate3();
    void RebuildComboBoxTime3();

    // Selects the first locale row holding "," followed by Id, without the
    // locale pick's rebuild; no row when none holds it. Returns the row or -1.
    int SelectLocaleRow(LCID Id);
    // The id behind the selected locale row; 0 for a group header or no row.
    LCID SelectedLocaleID() const;
    // The locale "Ok" gives the clock: the selected row's, or with no row the clock's own.
    LCID EditedLocaleID() const;
    // Puts Settings' own formats in lines 0 and 1, renders every line with
    // ChildDateTime3 and Settings as written (no separator replacement), and
    // selects the first line equal to ListFormat in any letter case (no row
    // when none is).
    void ShowDateList(const TFormatSettings& Settings, const QString& ListFormat);
    void ShowTimeList(const TFormatSettings& Settings, const QString& ListFormat);
    // The line behind the selected row; empty when no row is selected.
    QString SelectedDateFormat() const;
    QString SelectedTimeFormat() const;
    // The list-or-custom radios as a clock stores them: each flag checks (or
    // clears) its radio, a radio turning on runs its click behaviour, and each
    // flag then enables its field.
    void SetDateChoice(bool UseList, bool UseEdit);
    void SetTimeChoice(bool UseList, bool UseEdit);
    // The name field and its chooser take Choice; the field previews the font.
    void SetNameFont(const TFontChoice& Choice);
    // The clock's time zone (an IANA id; empty for a fixed offset), set
    // without touching the boxes or the samples. An id the database does not
    // know shows as "(fixed offset)" and is kept unless the user changes the
    // zone or the boxes.
    QString TimeZone() const;
    void SetTimeZone(const QString& Id);

    // Event handlers, named after their component and event.
    void ComboBoxLang3Click();
    void NumberBoxHH3Change();
    void NumberBoxMM3Change();
    void RBtnComboDate3Click();
    void RBtnEditDate3Click();
    void RBtnComboTime3Click();
    void RBtnEditTime3Click();
    void BtnFontName3Click();
    void BtnFontDate3Click();
    void BtnFontTime3Click();
    void EditDate3RightButtonClick();
    void EditTime3RightButtonClick();
    // The user picked a zone (or "(fixed offset)") in the time zone search.
    void TimeZoneSearchPick(const QString& Id, const QString& Place);
    // Edits the clock's working hours in their own box, against the default
    // of the zone and locale the dialog holds now.
    void WorkingHoursButtonClick();

    // Components.
    QLabel* Label1 = nullptr;
    TFontPreviewEdit* EditName3 = nullptr;
    QPushButton* BtnFontName3 = nullptr;
    QLabel* Label3 = nullptr;
    TForm3NumberBox* NumberBoxHH3 = nullptr;
    TForm3NumberBox* NumberBoxMM3 = nullptr;
    QLabel* Label2 = nullptr;
    TForm3ComboBox* ComboBoxLang3 = nullptr;
    QLabel* TimeZoneLabel = nullptr;
    TZoneSearchField* TimeZoneSearch = nullptr;
    QRadioButton* RBtnComboDate3 = nullptr;
    QRadioButton* RBtnEditDate3 = nullptr;
    TForm3ComboBox* ComboBoxDate3 = nullptr;
    QPushButton* BtnFontDate3 = nullptr;
    TFontPreviewEdit* EditDate3 = nullptr;
    QRadioButton* RBtnComboTime3 = nullptr;
    QRadioButton* RBtnEditTime3 = nullptr;
    TForm3ComboBox* ComboBoxTime3 = nullptr;
    QPushButton* BtnFontTime3 = nullptr;
    TFontPreviewEdit* EditTime3 = nullptr;
    QPushButton* WorkingHoursButton = nullptr;
    TWorkingHoursBox* WorkingHoursBox = nullptr;
    QPushButton* BtnOk3 = nullptr;
    QPushButton* BtnCancel3 = nullptr;
    // The fonts held by the three font choosers.
    TFontChoice FontDialogName3;
    TFontChoice FontDialogDate3;
    TFontChoice FontDialogTime3;
    // The format strings behind the rows of ComboBoxDate3 and ComboBoxTime3.
    QStringList MemoDate3;
    QStringList MemoTime3;

    // Fields.
    TDateTime OffSetTime3 = 0;   // signed time difference of the two boxes, in days
    TFormatSettings MyFS3;       // conventions the samples are rendered in
    TDateTime ChildDateTime3 = 0; // the moment the samples show
    int MyLCID3 = 0;             // locale id of the selected row

    void CreateControls();
    // One list-or-custom group: radio pair, sample list, font button, custom field with its help button.
    void CreateFormatControls(const QString& ListCaption, QRadioButton*& ListRadio, QRadioButton*& CustomRadio,
                              QButtonGroup*& Pair, TForm3ComboBox*& List, QPushButton*& FontButton,
                              TFontPreviewEdit*& Custom, void (TForm3::*HelpClick)());
    void PlaceControls();
    void SetTabOrder();
    void ConnectHandlers();
    void FormCreate();
    void FitGrid();
    // The font previews take at most the height of their cells.
    void LimitPreviews(int Height);
    // The list-or-custom state of one pair: list enabled and field disabled, or the reverse.
    static void ApplyChoice(bool UseList, QComboBox* List, QLineEdit* Custom);
    static void SetRadio(QButtonGroup* Group, QAbstractButton* Radio, bool Checked);
    void Rebuild(QComboBox* Box, QStringList& Memo, const QString& Short, const QString& Long,
                 QChar Separator, QChar Replacement);
    void Show(QComboBox* Box, QStringList& Memo, const TFormatSettings& Settings, const QString& Short,
              const QString& Long, const QString& ListFormat);
    void ChooseFont(TFontChoice& Choice);
    static int GetItemLCID3(QStringView Text);

    TForm3Services Services3;
    QGridLayout* Grid3 = nullptr;
    QButtonGroup* DateChoice3 = nullptr;
    QButtonGroup* TimeChoice3 = nullptr;
    bool Fitting3 = false;
    TZoneOffset PickedZone_;         // the rules of the search field's zone
    bool ShowingZoneOffset_ = false; // the boxes are being set from the zone
    TClockEditOpening Opening_;      // the clock of the edit in progress
    int OpenedHours_ = 0;            // the boxes as LoadClock left them
    int OpenedMinutes_ = 0;
    std::optional<TWorkingHours> WorkingHours_; // as the edit has them; none: the default
};

// The single instance, made hidden at start-up and reused until exit. Shared
// rather than handed down: it is made after the frame (it shares the frame's
// zone catalog), and the frame hands it to every clock it makes.
extern TForm3* Form3;
