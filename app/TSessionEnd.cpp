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
        : Boxes1(Boxes)
        , Was1(Boxes.IsUnattended())
    {
        Boxes.SetUnattended(true);
    }
    ~TUnattendedScope() { Boxes1.SetUnattended(Was1); }

private:
    TUnattendedMessageBoxes& Boxes1;
    bool Was1;
};

} // namespace

TSessionEnd::TSessionEnd(TMainForm& Frame, TUnattendedMessageBoxes& Boxes, TExit Exit)
    : Frame1(Frame)
    , Boxes1(Boxes)
    , Exit1(std::move(Exit))
{
    if (!Exit1)
        Exit1 = [](int Status) { QCoreApplication::exit(Status); };
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
    if (Ending1)
        return;
    Ending1 = true;
    Boxes1.SetUnattended(true); // for good: the process is ending
    Finish();
}

void TSessionEnd::Finish()
{
    DismissModals();
    // A cancelled dialog returns to its caller only once its own loop has
    // ended, and a frame still reopening clocks would record only some of
    // them: close when both are over. Reopening always comes to an end; a
    // nested loop that outlives its dialog (a drag, say) gets two seconds.
    const bool nested = QThread::currentThread()->loopLevel() > 1 && Waits1 < MaxWaits;
    if (nested || Frame1.IsOpeningClocks()) {
        Waits1 += nested;
        QTimer::singleShot(WaitStepMs, this, &TSessionEnd::Finish);
        return;
    }
    const bool closed = Frame1.close();
    if (!closed)
        SaveEachClock(); // the frame refused: keep what can be kept
    Exit1(closed ? 0 : 1);
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
    if (Ending1 || Committing1)
        return;
    Committing1 = true;
    {
        const TUnattendedScope unattended(Boxes1);
        if (!Frame1.FormCloseQuery())
            SaveEachClock();
    }
    Committing1 = false;
}

void TSessionEnd::SaveEachClock()
{
    const TUnattendedScope unattended(Boxes1);
    const QList<TMDIChild*> clocks = Frame1.ClockWindows();
    for (qsizetype i = clocks.size() - 1; i >= 0; --i) {
        try {
            clocks[i]->FormCloseQuery();
        } catch (const std::exception& E) {
            Frame1.ExceptionEvent(clocks[i], E); // to the log
        }
    }
}
