#include "dialogs/TForm4.h"

#include "common/RequireService.h"
#include "platform/IStyleService.h"
#include "platform/IWindowSystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

// Shared: made after the frame, which shows it (see the header).
TForm4* Form4 = nullptr;

namespace {

constexpr int OpacityMin = 26;
constexpr int OpacityMax = 255;
constexpr int OpacityHalf = 128;

// An error that must not unwind through the list's own code reaches the
// application's error handler from a queued call, as any other handler's.
void ReportLater(std::exception_ptr Error)
{
    QMetaObject::invokeMethod(
        qApp, [Error] { std::rethrow_exception(Error); }, Qt::QueuedConnection);
}

// The services as given, once each is there.
const TForm4Services& Complete(const TForm4Services& Services)
{
    const char* const Window = "The style dialog";
    RequireService(Services.Styles, Window, "a style service");
    RequireService(Services.WindowSystem, Window, "a window system");
    RequireService(Services.SetOpacity, Window, "a way to set the opacity");
    RequireService(Services.StyleClicked, Window, "a way to note the style picked");
    return Services;
}

} // namespace

TForm4::TForm4(const TForm4Services& Services, QWidget* Parent)
    : QDialog(Parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Services4(Complete(Services))
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(12);
    setFont(font);
    setWindowTitle(QString());
    CreateControls();
    FormCreate();
}

TForm4::~TForm4()
{
    if (Form4 == this)
        Form4 = nullptr;
}

void TForm4::CreateControls()
{
    ListBox4 = new QListWidget(this);
    ListBox4->setFrameShape(QFrame::NoFrame);
    ListBox4->setFocusPolicy(Qt::ClickFocus); // Tab passes it by
    ListBox4->setUniformItemSizes(true);
    ListBox4->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    ListBox4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* panel = new QWidget(this);
    panel->setFixedHeight(PanelHeight);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 4);
    for (int i = 0; i < 3; ++i)
        grid->setColumnStretch(i, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);

    CheckBoxDensity4 = new QCheckBox(QStringLiteral("Density"), panel);
    QFont boxFont(QStringLiteral("Meiryo UI"));
    boxFont.setPixelSize(12);
    CheckBoxDensity4->setFont(boxFont);
    CheckBoxDensity4->setCursor(Qt::PointingHandCursor);
    grid->addWidget(CheckBoxDensity4, 0, 0, Qt::AlignRight | Qt::AlignVCenter);

    TrackBar4 = new QSlider(Qt::Horizontal, panel);
    TrackBar4->setRange(OpacityMin, OpacityMax);
    TrackBar4->setPageStep(26);
    TrackBar4->setValue(OpacityMax);
    TrackBar4->setTickPosition(QSlider::TicksAbove);
    TrackBar4->setTickInterval(26);
    TrackBar4->setCursor(Qt::PointingHandCursor);
    grid->addWidget(TrackBar4, 0, 1);

    BtnOk4 = new QPushButton(QStringLiteral("Ok"), panel);
    BtnOk4->setCursor(Qt::PointingHandCursor);
    BtnOk4->setAutoDefault(false);
    grid->addWidget(BtnOk4, 1, 1);
    BtnCancel4 = new QPushButton(QStringLiteral("Cancel"), panel);
    BtnCancel4->setCursor(Qt::PointingHandCursor);
    BtnCancel4->setAutoDefault(false);
    grid->addWidget(BtnCancel4, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ListBox4, 1);
    layout->addWidget(panel);

    connect(BtnOk4, &QPushButton::clicked, this, [this] { done(1); });
    connect(BtnCancel4, &QPushButton::clicked, this, [this] { done(2); });
    connect(ListBox4, &QListWidget::currentRowChanged, this, &TForm4::ListBox4ClickReported);
    // A click on the row already selected changes nothing in the list but
    // picks its style again, so that a failed style can be tried once more.
    ListBox4->viewport()->installEventFilter(this);
    connect(ListBox4, &QListWidget::clicked, this, [this](const QModelIndex& Index) {
        if (Index.row() == RowAtPress4)
            ListBox4ClickReported();
    });
    connect(CheckBoxDensity4, &QCheckBox::toggled, this, &TForm4::CheckBoxDensity4Click);
    connect(TrackBar4, &QSlider::valueChanged, this, &TForm4::TrackBar4Change);
    connect(TrackBar4, &QSlider::sliderMoved, this, &TForm4::ShowPositionTip);
    connect(TrackBar4, &QSlider::sliderReleased, this, [] { QToolTip::hideText(); });
}

void TForm4::FormCreate()
{
    const QSize area = Services4.WindowSystem->WorkAreaSize();
    OuterSize4 = QSize(area.width() / 4, area.height() / 2);
    PlaceByOuterSize();
}

void TForm4::PlaceByOuterSize()
{
    // The size and the place count the window manager's frame, which is
    // known only once the window is framed: until then it counts as none.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(std::max(1, OuterSize4.width() - frame.left() - frame.right()),
           std::max(1, OuterSize4.height() - frame.top() - frame.bottom()));
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        QRect outer(QPoint(), OuterSize4);
        outer.moveCenter(primary->availableGeometry().center());
        move(outer.topLeft()); // a window's position is its frame's
    }
    if (!frame.isNull())
        Placed4 = true;
}

bool TForm4::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::MouseButtonPress && Watched == ListBox4->viewport())
        RowAtPress4 = ListBox4->currentRow();
    // Placed again once the window manager has framed the window, the first
    // time it is shown; a desktop without frames leaves it as it is.
    if (Event->type() == QEvent::Expose && Watched == windowHandle() && !Placed4 && ++PlaceTries4 <= 3)
        QTimer::singleShot(0, this, &TForm4::PlaceByOuterSize);
    return QDialog::eventFilter(Watched, Event);
}

int TForm4::ShowModal()
{
    return exec() == 1 ? 1 : 2;
}

void TForm4::FillStyleList(const QStringList& Names)
{
    QStringList sorted = Names;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString& A, const QString& B) { return A.compare(B, Qt::CaseInsensitive) < 0; });
    const QSignalBlocker quiet(ListBox4);
    ListBox4->clear();
    for (const QString& name : sorted) {
        auto* item = new QListWidgetItem(name, ListBox4);
        item->setSizeHint(QSize(0, RowHeight));
    }
}

void TForm4::SelectStyle(const QString& Name)
{
    const QSignalBlocker quiet(ListBox4);
    int row = -1;
    for (int i = 0; i < ListBox4->count(); ++i) {
        if (ListBox4->item(i)->text().compare(Name, Qt::CaseInsensitive) == 0) {
            row = i;
            break;
        }
    }
    ListBox4->setCurrentRow(row);
    if (row < 0) {
        ListBox4->clearSelection();
        PendingTopRow4 = 0;
    } else {
        // The row in the middle: as many rows above it as half the list shows.
        if (layout())
            layout()->activate();
        const int half = (ListBox4->contentsRect().height() / RowHeight) / 2;
        PendingTopRow4 = std::max(0, row - half);
    }
    ScrollToPendingTop();
}

void TForm4::ScrollToPendingTop()
{
    if (PendingTopRow4 < 0 || PendingTopRow4 >= ListBox4->count())
        return;
    // Per-item scrolling: the bar's value is the top row.
    ListBox4->doItemsLayout();
    ListBox4->verticalScrollBar()->setValue(PendingTopRow4);
}

int TForm4::TopRow() const
{
    return ListBox4->verticalScrollBar()->value();
}

void TForm4::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    if (!Placed4 && windowHandle())
        windowHandle()->installEventFilter(this);
    ScrollToPendingTop(); // the list knows its real height only now
    // Arrow keys run down the list at once. Without a selected row, focusing
    // would make the first row current, which picks that style.
    if (ListBox4->currentRow() >= 0)
        ListBox4->setFocus();
}

void TForm4::ListBox4ClickReported()
{
    try {
        ListBox4Click();
    } catch (...) {
        ReportLater(std::current_exception());
    }
}

void TForm4::ListBox4Click()
{
    const QListWidgetItem* item = ListBox4->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    std::exception_ptr failure;
    try {
        Services4.Styles->ActivateStyle(name);
    } catch (...) {
        failure = std::current_exception();
    }
    Services4.StyleClicked(name);
    QCoreApplication::processEvents();
    if (failure)
        std::rethrow_exception(failure);
}

void TForm4::CheckBoxDensity4Click()
{
    if (CheckBoxDensity4->isChecked()) {
        TrackBar4->setValue(OpacityHalf);
        TrackBar4->setEnabled(true);
    } else {
        TrackBar4->setValue(OpacityMax);
        TrackBar4->setEnabled(false);
    }
}

void TForm4::TrackBar4Change()
{
    // Checking the box moves the slider to the middle first (and runs this
    // rule for it); this run then goes on with the slider's new position.
    if (TrackBar4->value() < OpacityMax)
        CheckBoxDensity4->setChecked(true);
    const int position = TrackBar4->value();
    Services4.SetOpacity(position);
    CheckBoxDensity4->setText(QString::number(position * 100 / OpacityMax) + QStringLiteral(" %"));
}

void TForm4::ShowPositionTip()
{
    QStyleOptionSlider option;
    option.initFrom(TrackBar4);
    option.orientation = TrackBar4->orientation();
    option.minimum = TrackBar4->minimum();
    option.maximum = TrackBar4->maximum();
    option.sliderPosition = TrackBar4->sliderPosition();
    option.sliderValue = TrackBar4->value();
    option.tickPosition = TrackBar4->tickPosition();
    const QRect handle =
        TrackBar4->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, TrackBar4);
    QToolTip::showText(TrackBar4->mapToGlobal(QPoint(handle.center().x(), handle.bottom() + 4)),
                       QString::number(TrackBar4->sliderPosition()), TrackBar4);
}
