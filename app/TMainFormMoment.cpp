// The time slider: every clock shows a chosen moment instead of now, the
// frame's title says so, and the shown times can be copied as text.
#include "app/TMainForm.h"

#include "app/TTimeStrip.h"
#include "clock/TClockTicker.h"
#include "clock/TMDIChild.h"
#include "datetime/ChosenMoment.h"
#include "datetime/INowSource.h"
#include "datetime/MomentText.h"
#include "datetime/WorkingDays.h"
#include "datetime/WorkingShade.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QLabel>
#include <QShortcut>
#include <QTimeZone>

#include <cmath>
#include <memory>

void TMainForm::CreateTimeStrip(QBoxLayout* Layout)
{
    TimeStrip1 = new TTimeStrip(*Services1.Now, [this](qint64 First, int Steps) { return MomentShades(First, Steps); },
                                centralWidget());
    TimeStrip1->hide();
    Layout->addWidget(TimeStrip1);
    connect(TimeStrip1, &TTimeStrip::MomentChanged, this, &TMainForm::ShowMoment);
    connect(TimeStrip1, &TTimeStrip::CopyRequested, this, &TMainForm::CopyMoment);

    auto* copy = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    copy->setObjectName(QStringLiteral("CopyMoment1"));
    connect(copy, &QShortcut::activated, this, &TMainForm::CopyMoment);
}

void TMainForm::TimeSlider1Click()
{
    const bool show = TimeSlider1->isChecked();
    if (!show)
        TimeStrip1->ResumeNow(); // a hidden slider shows nothing but now
    TimeStrip1->setVisible(show);
    if (show) {
        TimeStrip1->RefreshShading();
        TimeStrip1->FocusSlider();
    }
}

void TMainForm::RefreshMomentShading()
{
    // A set of clocks opens or closes one clock at a time: shade once, when
    // the set is done, not once a clock over all the clocks.
    if (ShadingDue1 || !TimeStrip1->isVisible())
        return;
    ShadingDue1 = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            ShadingDue1 = false;
            if (TimeStrip1->isVisible())
                TimeStrip1->RefreshShading();
        },
        Qt::QueuedConnection);
}

void TMainForm::ShowMoment(std::optional<qint64> UtcMs)
{
    const QString caption = Caption();
    if (UtcMs) {
        const TNowReading pc = Services1.Now->ReadAt(*UtcMs);
        ClockTicker1->ShowMoment(pc);
        MomentTitle1 = QStringLiteral(" — shown: %1 (not now)").arg(ChosenMoment::LocalText(pc));
    } else {
        ClockTicker1->ShowNow();
        MomentTitle1.clear();
    }
    SetCaption(caption);
}

QString TMainForm::Caption() const
{
    const QString title = windowTitle();
    return !MomentTitle1.isEmpty() && title.endsWith(MomentTitle1) ? title.chopped(MomentTitle1.size()) : title;
}

void TMainForm::SetCaption(const QString& Caption)
{
    setWindowTitle(Caption + MomentTitle1);
}

void TMainForm::CopyMoment()
{
    const qint64 at = TimeStrip1->Moment().value_or(Services1.Now->Read().UtcMs / 1000 * 1000);
    QList<TMomentLine> lines;
    for (const TMDIChild* clock : ClockWindows())
        lines.append({clock->ClockName(), clock->Label(TMDIChild::LineDate)->text(),
                      clock->Label(TMDIChild::LineTime)->text(), clock->ShownOffsetMs()});
    QApplication::clipboard()->setText(MomentText(at, lines));
}

std::vector<TShade> TMainForm::MomentShades(qint64 FirstUtcMs, int Steps) const
{
    // Fixed-offset clocks follow this PC's zone rules.
    auto pc = std::make_shared<TZoneOffset>(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
    std::vector<TShadeClock> clocks;
    for (const TMDIChild* clock : ClockWindows()) {
        const TClockData& data = clock->ClockData();
        auto zone = std::make_shared<TZoneOffset>(data.TimeZone);
        const int fixed = int(std::lround(data.OffsetTime * 86400));
        clocks.push_back({[zone, pc, fixed](qint64 UtcMs) {
                              return zone->IsKnown() ? zone->SecondsAt(UtcMs) : pc->SecondsAt(UtcMs) + fixed;
                          },
                          data.WorkingHours.value_or(DefaultWorkingHours(data.TimeZone, data.LocaleID))});
    }
    return WorkingShade(clocks, FirstUtcMs, Steps);
}
