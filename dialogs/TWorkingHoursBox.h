#pragma once

#include "datetime/WorkingDays.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QTimeEdit;

// A small modal box that edits a clock's working hours: a start and an end
// (an end at or before the start runs into the next day), the working days,
// or the default of the clock's region.
class TWorkingHoursBox : public QDialog {
    Q_OBJECT
public:
    explicit TWorkingHoursBox(QWidget* Parent = nullptr);

    // Own: the clock's own hours, none for the default. Default: the
    // default of the clock's zone and locale as the properties dialog holds
    // them; Region names its country (may be empty). The day boxes start
    // with FirstDayOfWeek (1 = Monday .. 7 = Sunday).
    void Load(const std::optional<TWorkingHours>& Own, const TWorkingHours& Default, const QString& Region,
              int FirstDayOfWeek);
    // The hours as the controls hold them; none when the default is chosen.
    std::optional<TWorkingHours> Chosen() const;

    // "Sun–Thu", "Mon, Wed, Fri", "every day": the days in week order from
    // FirstDayOfWeek, a run across the week's end kept whole.
    static QString DaysText(quint8 Days, int FirstDayOfWeek);

private:
    friend class TestWorkingHoursBox;

    void CreateControls();
    void PlaceControls();
    // The fields show Hours; disabled while the default is chosen.
    void ShowHours(const TWorkingHours& Hours);
    TWorkingHours FieldHours() const;
    void UseDefaultToggled(bool On);
    // Ok needs a day to work on; the note says why it is off, or that the
    // hours run into the next day.
    void UpdateState();

    QCheckBox* UseDefaultBox = nullptr;
    QLabel* DefaultLabel = nullptr;
    QTimeEdit* StartEdit = nullptr;
    QTimeEdit* EndEdit = nullptr;
    std::array<QCheckBox*, 7> DayBoxes{}; // Monday first, whatever their order on screen
    QHBoxLayout* DaysRow = nullptr;
    QLabel* NoteLabel = nullptr;
    QDialogButtonBox* Buttons = nullptr;

    TWorkingHours Default_;
    TWorkingHours Edited_; // the user's own hours, kept while the default shows
};
