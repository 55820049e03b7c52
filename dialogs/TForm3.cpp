#include "dialogs/TForm3.h"

#include "common/RequireService.h"
#include "datetime/TClockData.h"
#include "datetime/INowSource.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TZoneCatalogSource.h"
#include "datetime/UnixTime.h"
#include "datetime/WorkingDays.h"
#include "dialogs/Form3Lists.h"
#include "dialogs/TForm3ComboBox.h"
#include "dialogs/TForm3NumberBox.h"
#include "dialogs/TWorkingHoursBox.h"
#include "dialogs/TZoneSearchField.h"
#include "platform/IWindowSystem.h"
#include "shell/TShellOpen.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <cstdlib>

// Shared: made after the frame, which hands it to its clocks (see the header).
TForm3* Form3 = nullptr;

namespace {

constexpr int GridColumns = 4;
constexpr int GridRows = 10;
constexpr int LocaleRowsVisible = 32;
constexpr int SampleRowsVisible = 16;

QStringList ToStringList(const auto& Lines)
{
    QStringList Result;
    Result.reserve(qsizetype(Lines.size()));
    for (QStringView Line : Lines)
        Result.append(Line.toString());
    return Result;
}

QFont PixelFont(const QString& Family, int Pixels)
{
    QFont Font(Family);
    Font.setPixelSize(Pixels);
    return Font;
}

// A question mark in the text colour: the styles on offer have no help image
// that reads as one at this size.
QIcon HelpIcon(const QPalette& Palette)
{
    QIcon Icon;
    for (const int Side : {16, 32}) {
        for (const QIcon::Mode Mode : {QIcon::Normal, QIcon::Disabled}) {
            QPixmap Image(Side, Side);
            Image.fill(Qt::transparent);
            QPainter Painter(&Image);
            Painter.setRenderHint(QPainter::Antialiasing);
            const QColor Ink = Palette.color(Mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                             QPalette::Text);
            const double Pen = Side / 16.0;
            Painter.setPen(QPen(Ink, Pen));
            Painter.drawEllipse(QRectF(Pen, Pen, Side - 2 * Pen, Side - 2 * Pen));
            QFont Font;
            Font.setPixelSize(Side * 3 / 4);
            Font.setBold(true);
            Painter.setFont(Font);
            Painter.drawText(QRect(0, 0, Side, Side), Qt::AlignCenter, QStringLiteral("?"));
            Painter.end();
            Icon.addPixmap(Image, Mode);
        }
    }
    return Icon;
}

// The services as given, once each is there.
const TForm3Services& Complete(const TForm3Services& Services)
{
    const char* const Window = "The properties dialog";
    RequireService(Services.Now, Window, "a clock to read");
    RequireService(Services.Conventions, Window, "the conventions of the locales");
    RequireService(Services.FontChooser, Window, "a font chooser");
    RequireService(Services.WindowSystem, Window, "a window system");
    RequireService(Services.OpenHelp, Window, "a way to open the help");
    RequireService(Services.Zones, Window, "a zone catalog");
    return Services;
}

} // namespace

TForm3::TForm3(const TForm3Services& Services, QWidget* Parent)
    : QDialog(Parent), Services3(Complete(Services))
{
    MemoDate3 = ToStringList(Form3Lists::DateFormats);
    MemoTime3 = ToStringList(Form3Lists::TimeFormats);

    setFont(PixelFont(QStringLiteral("Meiryo UI"), 11));
    for (TFontChoice* Choice : {&FontDialogName3, &FontDialogDate3, &FontDialogTime3})
        *Choice = TFontChoice{font(), palette().color(QPalette::WindowText)};
    CreateControls();
    PlaceControls();
    SetTabOrder();
    ConnectHandlers();
    FormCreate();
}

TForm3::~TForm3()
{
    if (Form3 == this)
        Form3 = nullptr;
    // The zone field reads the clock when it loses the focus, and the clock
    // may be this dialog's own: the field goes while the clock is still there.
    delete TimeZoneSearch;
}

void TForm3::CreateControls()
{
    Label1 = new QLabel(QStringLiteral("[Name]"), this);
    EditName3 = new TFontPreviewEdit(this);
    BtnFontName3 = new QPushButton(QStringLiteral("Font"), this);

    Label3 = new QLabel(QStringLiteral("Time Difference \nfrom This PC"), this);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    NumberBoxHH3 = new TForm3NumberBox(this);
    NumberBoxHH3->setRange(-23, 23);
    NumberBoxHH3->setSingleStep(1);
    NumberBoxHH3->SetShowPlus(true);
    NumberBoxMM3 = new TForm3NumberBox(this);
    NumberBoxMM3->setRange(0, 45);
    NumberBoxMM3->setSingleStep(15);
    NumberBoxMM3->SetMinimumDigits(2);

    Label2 = new QLabel(QStringLiteral("Display Locale"), this);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ComboBoxLang3 = new TForm3ComboBox(LocaleRowsVisible, this);
    ComboBoxLang3->addItems(ToStringList(Form3Lists::LocaleRows));
    ComboBoxLang3->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBoxLang3->setCurrentIndex(-1);

    TimeZoneLabel = new QLabel(QStringLiteral("Time Zone"), this);
    TimeZoneLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TimeZoneSearch = new TZoneSearchField(*Services3.Now, Services3.Zones, this);

    CreateFormatControls(QStringLiteral("[Date] Format"), RBtnComboDate3, RBtnEditDate3, DateChoice3, ComboBoxDate3,
                         BtnFontDate3, EditDate3, &TForm3::EditDate3RightButtonClick);
    CreateFormatControls(QStringLiteral("[Time] Format"), RBtnComboTime3, RBtnEditTime3, TimeChoice3, ComboBoxTime3,
                         BtnFontTime3, EditTime3, &TForm3::EditTime3RightButtonClick);
    ComboBoxTime3->setFont(PixelFont(QStringLiteral("Segoe UI"), 11));

    // The sample lists take the width of the grid, not of their longest
    // sample: a locale change must not resize the dialog.
    for (QComboBox* Samples : {static_cast<QComboBox*>(ComboBoxDate3), static_cast<QComboBox*>(ComboBoxTime3)}) {
        Samples->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        Samples->setMinimumContentsLength(12);
    }

    WorkingHoursButton = new QPushButton(QStringLiteral("&Working Hours..."), this);
    // Its width takes no part in sharing the width among the columns, so
    // that every other control stays where it was; FitGrid still keeps its
    // text whole.
    WorkingHoursButton->setSizePolicy(QSizePolicy::Ignored, WorkingHoursButton->sizePolicy().verticalPolicy());
    WorkingHoursBox = new TWorkingHoursBox(this);
    BtnOk3 = new QPushButton(QStringLiteral("Ok"), this);
    BtnOk3->setDefault(true);
    BtnCancel3 = new QPushButton(QStringLiteral("Cancel"), this);
}

void TForm3::CreateFormatControls(const QString& ListCaption, QRadioButton*& ListRadio, QRadioButton*& CustomRadio,
                                  QButtonGroup*& Pair, TForm3ComboBox*& List, QPushButton*& FontButton,
                                  TFontPreviewEdit*& Custom, void (TForm3::*HelpClick)())
{
    ListRadio = new QRadioButton(ListCaption, this);
    CustomRadio = new QRadioButton(QStringLiteral("Custom"), this);
    Pair = new QButtonGroup(this);
    Pair->addButton(ListRadio);
    Pair->addButton(CustomRadio);
    ListRadio->setChecked(true);
    List = new TForm3ComboBox(SampleRowsVisible, this);
    FontButton = new QPushButton(QStringLiteral("Font"), this);
    Custom = new TFontPreviewEdit(this);
    QAction* Help = Custom->addAction(HelpIcon(Custom->palette()), QLineEdit::TrailingPosition);
    connect(Help, &QAction::triggered, this, HelpClick);
    Custom->setEnabled(false);
}

void TForm3::PlaceControls()
{
    Grid3 = new QGridLayout(this);
    // Controls keep their own height and sit in the middle of their rows (the
    // font buttons in the middle of the two they span), so that every row can
    // take the same share of the height.
    const auto Place = [this](QWidget* Control, int Row, int Column, int RowSpan = 1, int ColumnSpan = 1) {
        Grid3->addWidget(Control, Row, Column, RowSpan, ColumnSpan, Qt::AlignVCenter);
    };
    Place(Label1, 0, 0);
    Place(EditName3, 0, 1, 1, 2);
    Place(BtnFontName3, 0, 3, 2, 1);
    Place(Label3, 1, 0);
    Place(NumberBoxHH3, 1, 1);
    Place(NumberBoxMM3, 1, 2);
    Place(Label2, 2, 0);
    Place(ComboBoxLang3, 2, 1, 1, 3);
    Place(TimeZoneLabel, 3, 0);
    Place(TimeZoneSearch, 3, 1, 1, 3);
    Place(RBtnComboDate3, 4, 0);
    Place(RBtnEditDate3, 5, 0);
    Place(ComboBoxDate3, 4, 1, 1, 2);
    Place(BtnFontDate3, 4, 3, 2, 1);
    Place(EditDate3, 5, 1, 1, 2);
    Place(RBtnComboTime3, 7, 0);
    Place(RBtnEditTime3, 8, 0);
    Place(ComboBoxTime3, 7, 1, 1, 2);
    Place(BtnFontTime3, 7, 3, 2, 1);
    Place(EditTime3, 8, 1, 1, 2);
    Place(WorkingHoursButton, 9, 0); // a cell of its own: no other control moves for it
    Place(BtnOk3, 9, 1);
    Place(BtnCancel3, 9, 2);
    for (int Column = 0; Column < GridColumns; ++Column)
        Grid3->setColumnStretch(Column, 1);
    for (int Row = 0; Row < GridRows; ++Row)
        Grid3->setRowStretch(Row, 1);
    FitGrid();
}

void TForm3::SetTabOrder()
{
    QWidget* const Order[] = {EditName3, NumberBoxHH3, NumberBoxMM3, BtnFontName3, ComboBoxLang3,
                              RBtnComboDate3, RBtnEditDate3, ComboBoxDate3, EditDate3, BtnFontDate3,
                              RBtnComboTime3, RBtnEditTime3, ComboBoxTime3, EditTime3, BtnFontTime3,
                              WorkingHoursButton, BtnOk3, BtnCancel3};
    for (std::size_t i = 1; i < std::size(Order); ++i)
        setTabOrder(Order[i - 1], Order[i]);
    setTabOrder(ComboBoxLang3, TimeZoneSearch);
}

void TForm3::ConnectHandlers()
{
    connect(NumberBoxHH3, &QSpinBox::valueChanged, this, &TForm3::NumberBoxHH3Change);
    connect(NumberBoxMM3, &QSpinBox::valueChanged, this, &TForm3::NumberBoxMM3Change);
    // Only a pick by the user runs the locale pick; a selection set by the
    // program does not.
    connect(ComboBoxLang3, &QComboBox::activated, this, &TForm3::ComboBoxLang3Click);
    // A radio runs its click behaviour when it turns on, by the user or not.
    connect(RBtnComboDate3, &QRadioButton::toggled, this, [this](bool On) { if (On) RBtnComboDate3Click(); });
    connect(RBtnEditDate3, &QRadioButton::toggled, this, [this](bool On) { if (On) RBtnEditDate3Click(); });
    connect(RBtnComboTime3, &QRadioButton::toggled, this, [this](bool On) { if (On) RBtnComboTime3Click(); });
    connect(RBtnEditTime3, &QRadioButton::toggled, this, [this](bool On) { if (On) RBtnEditTime3Click(); });
    connect(TimeZoneSearch, &TZoneSearchField::ZonePicked, this, &TForm3::TimeZoneSearchPick);
    connect(BtnFontName3, &QPushButton::clicked, this, &TForm3::BtnFontName3Click);
    connect(BtnFontDate3, &QPushButton::clicked, this, &TForm3::BtnFontDate3Click);
    connect(BtnFontTime3, &QPushButton::clicked, this, &TForm3::BtnFontTime3Click);
    connect(WorkingHoursButton, &QPushButton::clicked, this, &TForm3::WorkingHoursButtonClick);
    connect(BtnOk3, &QPushButton::clicked, this, [this] { done(1); });
    connect(BtnCancel3, &QPushButton::clicked, this, [this] { done(2); });
}

void TForm3::FormCreate()
{
    // A third of the work area's width and half its height, and never less
    // than the controls need in the dialog's own font.
    const QSize Area = Services3.WindowSystem->WorkAreaSize();
    resize(QSize(Area.width() / 3, Area.height() / 2).expandedTo(minimumSizeHint()));
}

void TForm3::FitGrid()
{
    if (Fitting3)
        return;
    Fitting3 = true;
    // Equal columns and equal rows, each as large as the most demanding
    // control needs (spanned cells share the control's size). The font
    // previews do not count: they fit into what the dialog's font needs.
    int Width = 0;
    int Height = 0;
    for (int i = 0; i < Grid3->count(); ++i) {
        if (qobject_cast<TFontPreviewEdit*>(Grid3->itemAt(i)->widget()))
            continue;
        int Row = 0, Column = 0, RowSpan = 0, ColumnSpan = 0;
        Grid3->getItemPosition(i, &Row, &Column, &RowSpan, &ColumnSpan);
        QSize Need = Grid3->itemAt(i)->sizeHint();
        if (const QWidget* Control = Grid3->itemAt(i)->widget();
            !Control->isHidden() && Control->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            Need.setWidth(Control->sizeHint().width());
        Width = qMax(Width, (Need.width() - (ColumnSpan - 1) * Grid3->horizontalSpacing() + ColumnSpan - 1) / ColumnSpan);
        Height = qMax(Height, (Need.height() - (RowSpan - 1) * Grid3->verticalSpacing() + RowSpan - 1) / RowSpan);
    }
    for (int Column = 0; Column < GridColumns; ++Column)
        Grid3->setColumnMinimumWidth(Column, Width);
    for (int Row = 0; Row < GridRows; ++Row)
        Grid3->setRowMinimumHeight(Row, Height);
    LimitPreviews(Height);
    Grid3->invalidate();
    Fitting3 = false;
}

void TForm3::LimitPreviews(int Height)
{
    for (TFontPreviewEdit* Preview : {EditName3, EditDate3, EditTime3})
        Preview->SetHeightLimit(Height);
}

void TForm3::resizeEvent(QResizeEvent* Event)
{
    QDialog::resizeEvent(Event);
    // The grid has taken the new size: the rows are as tall as they now are.
    if (Grid3 && Grid3->rowCount() > 0)
        LimitPreviews(qMax(Grid3->rowMinimumHeight(0), Grid3->cellRect(0, 0).height()));
}

bool TForm3::event(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::Show:
        if (Grid3)
            FitGrid();
        break;
    default:
        break;
    }
    return QDialog::event(Event);
}

int TForm3::ShowModal()
{
    // Each clock's edit starts at the name, not where the last one ended.
    EditName3->setFocus();
    return exec() == 1 ? 1 : 2;
}

TDateTime TForm3::GetChildTime3()
{
    if (PickedZone_.IsKnown()) {
        // The zone's time now, and its difference from this PC.
        const TNowReading Reading = Services3.Now->Read();
        const int Zone = PickedZone_.SecondsAt(Reading.UtcMs);
        OffSetTime3 = std::lround((Zone - Reading.LocalOffsetSeconds) / 60.0) / 1440.0;
        return UnixTime::ToDateTime(Reading.UtcMs + Zone * 1000LL);
    }
    OffSetTime3 = BoxOffset(NumberBoxHH3->value(), NumberBoxMM3->value());
    return Services3.Now->Now() + OffSetTime3;
}

void TForm3::NumberBoxHH3Change()
{
    // The range keeps the value within -23..23 and the box shows +9 / 0 / -5.
    if (!ShowingZoneOffset_)
        SetTimeZone(QString()); // a changed offset is a fixed one
    ComboBoxLang3Click();
}

void TForm3::NumberBoxMM3Change()
{
    // The range keeps the value within 0..45; there is no carry into the hours.
    if (!ShowingZoneOffset_)
        SetTimeZone(QString());
    ComboBoxLang3Click();
}

int TForm3::GetItemLCID3(QStringView Text)
{
    return Form3Lists::RowLocaleID(Text).value_or(1041);
}

void TForm3::ComboBoxLang3Click()
{
    ChildDateTime3 = GetChildTime3();
    MyLCID3 = GetItemLCID3(ComboBoxLang3->currentIndex() >= 0 ? ComboBoxLang3->currentText() : QString());
    const LCID Locale = LCID(MyLCID3);
    MyFS3 = Services3.Conventions(Locale);
    RebuildComboBoxDate3();
    RebuildComboBoxTime3();
}

void TForm3::Rebuild(QComboBox* Box, QStringList& Memo, const QString& Short, const QString& Long,
                     QChar Separator, QChar Replacement)
{
    Box->clear();
    ChildDateTime3 = GetChildTime3();
    Memo[0] = Short;
    Memo[1] = Long;
    QStringList Rows;
    Rows.reserve(Memo.size());
    QString Format;
    for (const QString& Line : Memo) {
        Format = Line;
        // A missing separator renders nothing, as the separator itself would.
        if (Replacement.isNull())
            Format.remove(Separator);
        else
            Format.replace(Separator, Replacement);
        Rows.append(RenderDateTime(Format, ChildDateTime3, MyFS3));
    }
    Box->addItems(Rows);
    Box->setCurrentIndex(0);
}

void TForm3::RebuildComboBoxDate3()
{
    Rebuild(ComboBoxDate3, MemoDate3, MyFS3.ShortDateFormat, MyFS3.LongDateFormat, u'/', MyFS3.DateSeparator);
}

void TForm3::RebuildComboBoxTime3()
{
    Rebuild(ComboBoxTime3, MemoTime3, MyFS3.ShortTimeFormat, MyFS3.LongTimeFormat, u':', MyFS3.TimeSeparator);
}

int TForm3::SelectLocaleRow(LCID Id)
{
    const QString Key = u',' + QString::number(Id);
    int Found = -1;
    for (int Row = 0; Row < ComboBoxLang3->count() && Found < 0; ++Row) {
        if (ComboBoxLang3->itemText(Row).contains(Key))
            Found = Row;
    }
    ComboBoxLang3->setCurrentIndex(Found);
    return Found;
}

LCID TForm3::SelectedLocaleID() const
{
    if (ComboBoxLang3->currentIndex() < 0)
        return 0;
    return LCID(Form3Lists::RowLocaleID(ComboBoxLang3->currentText()).value_or(0));
}

LCID TForm3::EditedLocaleID() const
{
    // With no row selected (the clock's id is on none and the user picked
    // none) the clock keeps its locale rather than falling back to 0.
    return ComboBoxLang3->currentIndex() >= 0 ? SelectedLocaleID() : Opening_.Data.LocaleID;
}

void TForm3::Show(QComboBox* Box, QStringList& Memo, const TFormatSettings& Settings, const QString& Short,
                  const QString& Long, const QString& ListFormat)
{
    Memo[0] = Short;
    Memo[1] = Long;
    Box->clear();
    QStringList Rows;
    Rows.reserve(Memo.size());
    int Selected = -1;
    for (qsizetype Line = 0; Line < Memo.size(); ++Line) {
        Rows.append(RenderDateTime(Memo[Line], ChildDateTime3, Settings));
        if (Selected < 0 && Memo[Line].compare(ListFormat, Qt::CaseInsensitive) == 0)
            Selected = int(Line);
    }
    Box->addItems(Rows);
    Box->setCurrentIndex(Selected);
}

void TForm3::ShowDateList(const TFormatSettings& Settings, const QString& ListFormat)
{
    Show(ComboBoxDate3, MemoDate3, Settings, Settings.ShortDateFormat, Settings.LongDateFormat, ListFormat);
}

void TForm3::ShowTimeList(const TFormatSettings& Settings, const QString& ListFormat)
{
    Show(ComboBoxTime3, MemoTime3, Settings, Settings.ShortTimeFormat, Settings.LongTimeFormat, ListFormat);
}

QString TForm3::SelectedDateFormat() const
{
    const int Row = ComboBoxDate3->currentIndex();
    return Row >= 0 && Row < MemoDate3.size() ? MemoDate3[Row] : QString();
}

QString TForm3::SelectedTimeFormat() const
{
    const int Row = ComboBoxTime3->currentIndex();
    return Row >= 0 && Row < MemoTime3.size() ? MemoTime3[Row] : QString();
}

void TForm3::SetRadio(QButtonGroup* Group, QAbstractButton* Radio, bool Checked)
{
    if (Checked) {
        Radio->setChecked(true);
        return;
    }
    // An exclusive group refuses to clear its checked radio.
    Group->setExclusive(false);
    Radio->setChecked(false);
    Group->setExclusive(true);
}

void TForm3::SetDateChoice(bool UseList, bool UseEdit)
{
    SetRadio(DateChoice3, RBtnComboDate3, UseList);
    ComboBoxDate3->setEnabled(UseList);
    SetRadio(DateChoice3, RBtnEditDate3, UseEdit);
    EditDate3->setEnabled(UseEdit);
}

void TForm3::SetTimeChoice(bool UseList, bool UseEdit)
{
    SetRadio(TimeChoice3, RBtnComboTime3, UseList);
    ComboBoxTime3->setEnabled(UseList);
    SetRadio(TimeChoice3, RBtnEditTime3, UseEdit);
    EditTime3->setEnabled(UseEdit);
}

void TForm3::ApplyChoice(bool UseList, QComboBox* List, QLineEdit* Custom)
{
    // The disabled one takes the style's disabled look.
    List->setEnabled(UseList);
    Custom->setEnabled(!UseList);
}

void TForm3::RBtnComboDate3Click()
{
    ApplyChoice(RBtnComboDate3->isChecked(), ComboBoxDate3, EditDate3);
}

void TForm3::RBtnEditDate3Click()
{
    ApplyChoice(!RBtnEditDate3->isChecked(), ComboBoxDate3, EditDate3);
}

void TForm3::RBtnComboTime3Click()
{
    ApplyChoice(RBtnComboTime3->isChecked(), ComboBoxTime3, EditTime3);
}

void TForm3::RBtnEditTime3Click()
{
    ApplyChoice(!RBtnEditTime3->isChecked(), ComboBoxTime3, EditTime3);
}

void TForm3::SetNameFont(const TFontChoice& Choice)
{
    FontDialogName3 = Choice;
    EditName3->SetPreviewFont(Choice.Font);
    if (Choice.Color.isValid()) {
        QPalette Palette = EditName3->palette();
        Palette.setColor(QPalette::Text, Choice.Color);
        EditName3->setPalette(Palette);
    }
}

void TForm3::ChooseFont(TFontChoice& Choice)
{
    if (std::optional<TFontChoice> Chosen = Services3.FontChooser->Choose(Choice, this))
        Choice = *Chosen;
}

void TForm3::BtnFontName3Click()
{
    if (std::optional<TFontChoice> Chosen = Services3.FontChooser->Choose(FontDialogName3, this))
        SetNameFont(*Chosen);
}

void TForm3::BtnFontDate3Click()
{
    ChooseFont(FontDialogDate3);
}

void TForm3::BtnFontTime3Click()
{
    ChooseFont(FontDialogTime3);
}

void TForm3::EditDate3RightButtonClick()
{
    Services3.OpenHelp(TShellOpen::DateFormatsTopic);
}

void TForm3::EditTime3RightButtonClick()
{
    Services3.OpenHelp(TShellOpen::TimeFormatsTopic);
}

QString TForm3::TimeZone() const
{
    return TimeZoneSearch->Zone();
}

void TForm3::SetTimeZone(const QString& Id)
{
    TimeZoneSearch->SetZone(Id);
    if (Id != PickedZone_.Id())
        PickedZone_ = TZoneOffset(Id);
}

void TForm3::TimeZoneSearchPick(const QString& Id, const QString& Place)
{
    // A clock still without a name of its own is named after its place; a
    // name the user typed stays.
    const QString Name = EditName3->text().trimmed();
    if (!Place.isEmpty() && (Name.isEmpty() || Name == NewClockName))
        EditName3->setText(Place);
    PickedZone_ = TZoneOffset(Id);
    if (PickedZone_.IsKnown()) {
        // The boxes show the zone's offset from this PC as far as they can;
        // their change rules must not make the clock a fixed one again.
        const TNowReading Reading = Services3.Now->Read();
        const int Minutes = int(std::lround((PickedZone_.SecondsAt(Reading.UtcMs) - Reading.LocalOffsetSeconds) / 60.0));
        ShowingZoneOffset_ = true;
        NumberBoxHH3->setValue(Minutes / 60);
        NumberBoxMM3->setValue(std::abs(Minutes) % 60);
        ShowingZoneOffset_ = false;
    }
    ComboBoxLang3Click(); // the samples show the zone's time
}

void TForm3::WorkingHoursButtonClick()
{
    const QString Zone = TimeZone();
    const LCID Locale = EditedLocaleID();
    const TWorkingHours regional = DefaultWorkingHours(Zone, Locale);
    WorkingHoursBox->Load(WorkingHours_, regional, WorkingRegion(Zone, Locale), LocaleFirstDayOfWeek(Locale));
    if (WorkingHoursBox->exec() != QDialog::Accepted)
        return;
    // Hours set to the region's own are the default: the file stays without
    // them, and they follow the zone as the default does.
    const std::optional<TWorkingHours> chosen = WorkingHoursBox->Chosen();
    WorkingHours_ = chosen == regional ? std::nullopt : chosen;
}
