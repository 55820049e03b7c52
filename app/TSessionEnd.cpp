#include "app/TSessionEnd.h"

#include "app/TMainForm.h"
#include "app/TTerminationSignals.h"
#include "app/TUnattendedMessageBoxes.h"
#include "clock/TMDIChild.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QThread>
#include <QTimer>

#include <exception>

namespace {

// How long a close waits for cancelled dialogs to return to the main loop.
constexpr int WaitStepMs = 20;
constexpr int MaxWaits = 100;

// Reports while the session ends go to the log; restores the boxes after.
class TUnattendedScope {
public:
    explicit TUnattendedScope(TUnattendedMessageBoxes& Boxes)
        : Boxes_(Boxes)
        , Was_(Boxes.IsUnattended())
    {
        Boxes.SetUnattended(true);
    }
    ~TUnattendedScope() { Boxes_.SetUnattended(Was_); }

private:
    TUnattendedMessageBoxes& Boxes_;
    bool Was_;
};

} // namespace

TSessionEnd::TSessionEnd(TMainForm& Frame, TUnattendedMessageBoxes& Boxes, TExit Exit)
    : Frame_(Frame)
    , Boxes_(Boxes)
    , Exit_(std::move(Exit))
{
    if (!Exit_)
        Exit_ = [](int Status) { QCoreApplication::exit(Status); };
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { CommitData(); });
        connect(qGuiApp, &QGuiApplication::saveStateRequest, this, [](QSessionManager& Manager) {
            Manager.setRestartCommand(RestartCommand());
            Manager.setRestartHint(QSessionManager::RestartIfRunning);
        });
    }
}

void TSessionEnd::Watch(TTerminationSignals& Signals)
{
    connect(&Signals, &TTerminationSignals::Received, this, &TSessionEnd::Terminate);
}

QStringList TSessionEnd::RestartCommand()
{
    return {QCoreApplication::applicationFilePath()};
}

void TSessionEnd::Terminate()
{
    if (Ending_)
        return;
    Ending_ = true;
    Boxes_.SetUnattended(true); // for good: the process is ending
    Finish();
}

void TSessionEnd::Finish()
{
    DismissModals();
    // A cancelled dialog returns to its caller only once its own loop has
    // ended, and a frame still reopening clocks would record only some of
    // them: close when both are over. Reopening always comes to an end; a
    // nested loop that outlives its dialog (a drag, say) gets two seconds.
    const bool nested = QThread::currentThread()->loopLevel() > 1 && Waits_ < MaxWaits;
    if (nested || Frame_.IsOpeningClocks()) {
        Waits_ += nested;
        QTimer::singleShot(WaitStepMs, this, &TSessionEnd::Finish);
        return;
    }
    const bool closed = Frame_.close();
    if (!closed)
        SaveEachClock(); // the frame refused: keep what can be kept
    Exit_(closed ? 0 : 1);
}

void TSessionEnd::DismissModals()
{
    for (int i = 0; i < 16 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    // As Cancel would: unconfirmed changes are dropped.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
}

void TSessionEnd::CommitData()
{
    if (Ending_ || Committing_)
        return;
    Committing_ = true;
    {
        const TUnattendedScope unattended(Boxes_);
        if (!Frame_.FormCloseQuery())
            SaveEachClock();
    }
    Committing_ = false;
}

void TSessionEnd::SaveEachClock()
{
    const TUnattendedScope unattended(Boxes_);
    const QList<TMDIChild*> clocks = Frame_.ClockWindows();
    for (qsizetype i = clocks.size() - 1; i >= 0; --i) {
        try {
            clocks[i]->FormCloseQuery();
        } catch (const std::exception& E) {
            Frame_.ExceptionEvent(clocks[i], E); // to the log
        }
    }
}
