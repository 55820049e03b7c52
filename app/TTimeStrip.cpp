#include "app/TTimeStrip.h"

#include "datetime/ChosenMoment.h"
#include "datetime/INowSource.h"

#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

namespace {

using namespace ChosenMoment;

constexpr int Steps = 2 * StepsEachWay + 1;

// The shading of the slider's track, a quarter hour a column, drawn under
// the slider so that each column sits below the handle's place for it:
// every clock at work solid in the highlight colour, every clock awake in a
// half-tone of it, otherwise hatched in the text colour. Density and pattern
// tell them apart, not hue, and each reads on a light or a dark ground.
class TShadeBand final : public QWidget {
public:
    TShadeBand(const QSlider& Slider, const std::vector<TShade>& Shades, QWidget* Parent)
        : QWidget(Parent), Slider_(Slider), Shades_(Shades)
    {
        setFixedHeight(fontMetrics().height() / 2 + 2);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(QStringLiteral("Working hours: solid, all at work; half-tone, all awake; hatched, otherwise"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (Shades_.size() != std::size_t(Steps))
            return;
        QStyleOptionSlider option;
        option.initFrom(&Slider_);
        option.orientation = Qt::Horizontal;
        const int handle = Slider_.style()->pixelMetric(QStyle::PM_SliderLength, &option, &Slider_);
        const int span = Slider_.width() - handle;
        const int left = Slider_.geometry().left() - geometry().left() + handle / 2;
        const auto x = [&](double Step) { return left + Step * span / (Steps - 1); };
        QPainter painter(this);
        const QColor work = palette().color(QPalette::Highlight);
        const QBrush awake(work, Qt::Dense4Pattern);
        const QBrush other(palette().color(QPalette::WindowText), Qt::BDiagPattern);
        for (int i = 0; i < Steps; ++i) {
            const QRectF column(QPointF(x(i - 0.5), 0), QPointF(x(i + 0.5), height()));
            switch (Shades_[std::size_t(i)]) {
            case TShade::AllWorking: painter.fillRect(column, work); break;
            case TShade::AllAwake: painter.fillRect(column, awake); break;
            case TShade::Other: painter.fillRect(column, other); break;
            }
        }
    }

private:
    const QSlider& Slider_;
    const std::vector<TShade>& Shades_;
};

} // namespace

TTimeStrip::TTimeStrip(const INowSource& Pc, TShadeSource Shades, QWidget* Parent)
    : QWidget(Parent), Pc_(Pc), Shades_(std::move(Shades))
{
    setObjectName(QStringLiteral("TimeStrip"));
    Slider_ = new QSlider(Qt::Horizontal, this);
    Slider_->setObjectName(QStringLiteral("TimeSlider"));
    Slider_->setAccessibleName(QStringLiteral("Time slider"));
    Slider_->setRange(-StepsEachWay, StepsEachWay);
    Slider_->setSingleStep(1);
    Slider_->setPageStep(4);
    Slider_->setValue(0);
    Slider_->installEventFilter(this);
    Band_ = new TShadeBand(*Slider_, ShadeSteps_, this);

    Day_ = new QDateEdit(this);
    Day_->setObjectName(QStringLiteral("TimeSliderDay"));
    Day_->setAccessibleName(QStringLiteral("Day"));
    Day_->setCalendarPopup(true);
    Day_->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    Day_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    ReadOut_ = new QLabel(this);
    ReadOut_->setObjectName(QStringLiteral("TimeSliderReadOut"));
    ReadOut_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Now_ = new QPushButton(QStringLiteral("&Now"), this);
    Now_->setObjectName(QStringLiteral("TimeSliderNow"));
    Copy_ = new QPushButton(QStringLiteral("&Copy"), this);
    Copy_->setObjectName(QStringLiteral("TimeSliderCopy"));
    Copy_->setToolTip(QStringLiteral("Copy the shown times as text (Ctrl+Shift+C)"));

    auto* track = new QVBoxLayout;
    track->setSpacing(0);
    track->addWidget(Slider_);
    track->addWidget(Band_);
    auto* row = new QHBoxLayout;
    row->addWidget(Day_);
    row->addWidget(ReadOut_, 1);
    row->addWidget(Now_);
    row->addWidget(Copy_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    layout->addLayout(track);
    layout->addLayout(row);

    connect(Slider_, &QSlider::valueChanged, this, &TTimeStrip::SliderMoved);
    connect(Day_, &QDateEdit::userDateChanged, this, &TTimeStrip::DayPicked);
    connect(Now_, &QPushButton::clicked, this, &TTimeStrip::ResumeNow);
    connect(Copy_, &QPushButton::clicked, this, &TTimeStrip::CopyRequested);
    Show(std::nullopt);
}

std::optional<qint64> TTimeStrip::Moment() const
{
    if (!Base_)
        return std::nullopt;
    return Shifted(*Base_, Slider_->value());
}

void TTimeStrip::ResumeNow()
{
    const bool wasMoment = Base_.has_value();
    Base_.reset();
    Show(std::nullopt);
    if (wasMoment)
        Q_EMIT MomentChanged(std::nullopt);
}

void TTimeStrip::FocusSlider()
{
    Slider_->setFocus(Qt::ShortcutFocusReason);
}

void TTimeStrip::RefreshShading()
{
    const qint64 first = Shifted(Base_ ? *Base_ : BaseNow(), -StepsEachWay);
    ShadeSteps_ = Shades_ ? Shades_(first, Steps) : std::vector<TShade>();
    Band_->update();
}

bool TTimeStrip::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == Slider_ && Event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Home) {
        ResumeNow();
        return true;
    }
    return QWidget::eventFilter(Watched, Event);
}

void TTimeStrip::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        RefreshShading();
    QWidget::changeEvent(Event);
}

qint64 TTimeStrip::BaseNow() const
{
    return QuarterHourFloor(Pc_.Read());
}

void TTimeStrip::SliderMoved(int)
{
    const bool leavingNow = !Base_;
    if (leavingNow)
        Base_ = BaseNow();
    Show(Moment());
    if (leavingNow)
        RefreshShading();
    Q_EMIT MomentChanged(Moment());
}

void TTimeStrip::DayPicked(QDate Day)
{
    const qint64 shown = Moment().value_or(BaseNow());
    Base_ = LocalDayTime(Day, LocalMinuteOfDay(shown, Pc_), Pc_);
    {
        const QSignalBlocker blocker(Slider_);
        Slider_->setValue(0); // the slider moves around the picked day
    }
    Show(Base_);
    RefreshShading();
    Q_EMIT MomentChanged(Base_);
}

// Puts every control in line with the moment, without their signals.
void TTimeStrip::Show(std::optional<qint64> Moment)
{
    if (!Moment) {
        const QSignalBlocker blocker(Slider_);
        Slider_->setValue(0);
    }
    const qint64 now = Pc_.Read().UtcMs;
    const TNowReading shown = Pc_.ReadAt(Moment.value_or(now));
    {
        const QSignalBlocker blocker(Day_);
        Day_->setDate(QDateTime::fromMSecsSinceEpoch(shown.UtcMs + shown.LocalOffsetSeconds * 1000LL, Qt::UTC).date());
    }
    ReadOut_->setText(Moment ? LocalText(shown) + QStringLiteral(" · ") + DistanceText(*Moment, now)
                             : QStringLiteral("Now"));
    Now_->setEnabled(Moment.has_value());
    if (!Moment)
        RefreshShading();
}
