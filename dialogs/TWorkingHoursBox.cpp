#include "dialogs/TWorkingHoursBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace {

constexpr int MinutesPerDay = 24 * 60;
constexpr int StepMinutes = 15;

// Check box texts (with their mnemonics) and names for screen readers, Monday first.
constexpr std::array<const char16_t*, 7> DayTexts = {u"&Mon", u"&Tue", u"&Wed", u"T&hu", u"&Fri", u"S&at", u"S&un"};
constexpr std::array<const char16_t*, 7> DayNames = {u"Monday", u"Tuesday",  u"Wednesday", u"Thursday",
                                                     u"Friday", u"Saturday", u"Sunday"};

int WeekDay(int Day) { return (Day - 1 + 7 * 2) % 7 + 1; } // any day number onto 1..7

QString MinuteText(int Minute)
{
    return QTime(Minute / 60, Minute % 60).toString(QStringLiteral("HH:mm"));
}

int MinuteOf(const QTime& Time) { return Time.hour() * 60 + Time.minute(); }

// A time field whose minutes step by quarter hours (to the next quarter in
// the step's direction: 09:07 goes up to 09:15), carrying into the hours and
// round midnight. Any minute can still be typed.
class TQuarterHourEdit : public QTimeEdit {
public:
    using QTimeEdit::QTimeEdit;

    void stepBy(int Steps) override
    {
        if (currentSection() != MinuteSection) {
            QTimeEdit::stepBy(Steps);
            return;
        }
        const int Minute = MinuteOf(time());
        const int Quarter = Steps > 0 ? Minute / StepMinutes : (Minute + StepMinutes - 1) / StepMinutes;
        const int Target = ((Quarter + Steps) * StepMinutes % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
        setTime(QTime(Target / 60, Target % 60));
    }
};

} // namespace

TWorkingHoursBox::TWorkingHoursBox(QWidget* Parent)
    : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("Working Hours"));
    // The font and colours of the dialog that opens it.
    setAttribute(Qt::WA_WindowPropagation);
    CreateControls();
    PlaceControls();
    connect(UseDefaultBox, &QCheckBox::toggled, this, &TWorkingHoursBox::UseDefaultToggled);
    connect(StartEdit, &QTimeEdit::timeChanged, this, &TWorkingHoursBox::UpdateState);
    connect(EndEdit, &QTimeEdit::timeChanged, this, &TWorkingHoursBox::UpdateState);
    for (QCheckBox* Day : DayBoxes)
        connect(Day, &QCheckBox::toggled, this, &TWorkingHoursBox::UpdateState);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Load(std::nullopt, Default_, QString(), 1);
}

void TWorkingHoursBox::CreateControls()
{
    UseDefaultBox = new QCheckBox(QStringLiteral("Use the region's &default"), this);
    DefaultLabel = new QLabel(this);
    StartEdit = new TQuarterHourEdit(this);
    EndEdit = new TQuarterHourEdit(this);
    for (QTimeEdit* Edit : {StartEdit, EndEdit}) {
        Edit->setDisplayFormat(QStringLiteral("HH:mm"));
        Edit->setWrapping(true);
    }
    StartEdit->setAccessibleName(QStringLiteral("Start of working hours"));
    EndEdit->setAccessibleName(QStringLiteral("End of working hours"));
    for (std::size_t Day = 0; Day < DayBoxes.size(); ++Day) {
        DayBoxes[Day] = new QCheckBox(QString::fromUtf16(DayTexts[Day]), this);
        DayBoxes[Day]->setAccessibleName(QString::fromUtf16(DayNames[Day]));
    }
    NoteLabel = new QLabel(this);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
}

void TWorkingHoursBox::PlaceControls()
{
    auto* Grid = new QGridLayout(this);
    Grid->addWidget(UseDefaultBox, 0, 0, 1, 5);
    Grid->addWidget(DefaultLabel, 1, 1, 1, 4);
    auto* StartLabel = new QLabel(QStringLiteral("&Start"), this);
    StartLabel->setBuddy(StartEdit);
    auto* EndLabel = new QLabel(QStringLiteral("&End"), this);
    EndLabel->setBuddy(EndEdit);
    Grid->addWidget(StartLabel, 2, 0);
    Grid->addWidget(StartEdit, 2, 1);
    Grid->addWidget(EndLabel, 2, 2, Qt::AlignRight);
    Grid->addWidget(EndEdit, 2, 3);
    Grid->addWidget(new QLabel(QStringLiteral("Days"), this), 3, 0);
    DaysRow = new QHBoxLayout;
    for (QCheckBox* Day : DayBoxes)
        DaysRow->addWidget(Day);
    Grid->addLayout(DaysRow, 3, 1, 1, 4);
    Grid->addWidget(NoteLabel, 4, 0, 1, 5);
    Grid->addWidget(Buttons, 5, 0, 1, 5);
    Grid->setColumnStretch(4, 1);
    Grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TWorkingHoursBox::Load(const std::optional<TWorkingHours>& Own, const TWorkingHours& Default,
                            const QString& Region, int FirstDayOfWeek)
{
    Default_ = Default;
    Edited_ = Own.value_or(Default);
    const QLocale::Territory Territory = QLocale::codeToTerritory(Region);
    const QString Place =
        Territory == QLocale::AnyTerritory ? QString() : QStringLiteral(" for ") + QLocale::territoryToString(Territory);
    DefaultLabel->setText(QStringLiteral("Default%1: %2–%3, %4")
                              .arg(Place, MinuteText(Default.StartMinute), MinuteText(Default.EndMinute),
                                   DaysText(Default.Days, FirstDayOfWeek)));

    // The boxes in the week order of the clock's locale, and Tab follows them.
    QWidget* Previous = EndEdit;
    for (int Offset = 0; Offset < 7; ++Offset) {
        QCheckBox* Day = DayBoxes[std::size_t(WeekDay(FirstDayOfWeek + Offset) - 1)];
        DaysRow->removeWidget(Day);
        DaysRow->addWidget(Day);
        setTabOrder(Previous, Day);
        Previous = Day;
    }
    setTabOrder(Previous, Buttons);

    const QSignalBlocker Blocker(UseDefaultBox);
    UseDefaultBox->setChecked(!Own);
    ShowHours(Own ? *Own : Default_);
    UseDefaultBox->setFocus();
}

std::optional<TWorkingHours> TWorkingHoursBox::Chosen() const
{
    if (UseDefaultBox->isChecked())
        return std::nullopt;
    return FieldHours();
}

void TWorkingHoursBox::ShowHours(const TWorkingHours& Hours)
{
    StartEdit->setTime(QTime(Hours.StartMinute / 60, Hours.StartMinute % 60));
    EndEdit->setTime(QTime(Hours.EndMinute / 60, Hours.EndMinute % 60));
    for (int Day = 1; Day <= 7; ++Day)
        DayBoxes[std::size_t(Day - 1)]->setChecked(Hours.Days & DayBit(Day));
    const bool Own = !UseDefaultBox->isChecked();
    StartEdit->setEnabled(Own);
    EndEdit->setEnabled(Own);
    for (QCheckBox* Day : DayBoxes)
        Day->setEnabled(Own);
    UpdateState();
}

TWorkingHours TWorkingHoursBox::FieldHours() const
{
    TWorkingHours Hours{MinuteOf(StartEdit->time()), MinuteOf(EndEdit->time()), 0};
    for (int Day = 1; Day <= 7; ++Day)
        if (DayBoxes[std::size_t(Day - 1)]->isChecked())
            Hours.Days |= DayBit(Day);
    return Hours;
}

void TWorkingHoursBox::UseDefaultToggled(bool On)
{
    // The user's own hours come back when the default is left again.
    if (On)
        Edited_ = FieldHours();
    ShowHours(On ? Default_ : Edited_);
}

void TWorkingHoursBox::UpdateState()
{
    const TWorkingHours Hours = UseDefaultBox->isChecked() ? Default_ : FieldHours();
    const bool NoDay = Hours.Days == 0;
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(!NoDay);
    if (NoDay)
        NoteLabel->setText(QStringLiteral("Choose at least one working day."));
    else if (Hours.EndMinute <= Hours.StartMinute)
        NoteLabel->setText(QStringLiteral("The hours end on the next day."));
    else
        NoteLabel->clear();
}

QString TWorkingHoursBox::DaysText(quint8 Days, int FirstDayOfWeek)
{
    Days &= AllWeekDays;
    if (Days == AllWeekDays)
        return QStringLiteral("every day");
    if (Days == 0)
        return QStringLiteral("no day");
    const auto Worked = [Days](int Day) { return (Days & DayBit(WeekDay(Day))) != 0; };
    // Start at a worked day after a day off, so that no run is cut in two.
    int Start = FirstDayOfWeek;
    while (!(Worked(Start) && !Worked(Start - 1)))
        ++Start;
    QStringList Runs;
    for (int Day = Start; Day < Start + 7;) {
        if (!Worked(Day)) {
            ++Day;
            continue;
        }
        int Last = Day;
        while (Last + 1 < Start + 7 && Worked(Last + 1))
            ++Last;
        const QString First = EnglishDayName(WeekDay(Day)), End = EnglishDayName(WeekDay(Last));
        if (Last == Day)
            Runs.append(First);
        else if (Last == Day + 1)
            Runs.append(First + QStringLiteral(", ") + End);
        else
            Runs.append(First + u'–' + End);
        Day = Last + 1;
    }
    return Runs.join(u", ");
}
