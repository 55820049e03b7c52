#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class TMainForm;
class TTerminationSignals;
class TUnattendedMessageBoxes;

// The end of the process from outside: a termination signal or the desktop
// session ending. Either way the clocks and the settings are saved as the
// frame's own close saves them, and nothing waits for a user who is gone.
class TSessionEnd : public QObject {
    Q_OBJECT

public:
    // Ends the event loop with a status; QCoreApplication::exit by default.
    using TExit = std::function<void(int Status)>;

    // Boxes must be the frame's message boxes. Follows the session manager
    // of the running application, when there is one.
    TSessionEnd(TMainForm& Frame, TUnattendedMessageBoxes& Boxes, TExit Exit = {});

    void Watch(TTerminationSignals& Signals);

    // A termination signal: open dialogs are cancelled, the frame runs its
    // close sequence without asking anything, and the loop ends with 0, or
    // with 1 when something could not be saved (reported to the log). Runs
    // once; later calls are ignored.
    void Terminate();
    bool IsEnding() const { return Ending_; }

    // The session manager's commit: every clock file and the settings file
    // are written as at a close, nothing is asked and nothing closes; what
    // cannot be written is reported to the log and the old file stays.
    void CommitData();

    // What the session manager runs to restore this program: the executable
    // alone, which reopens the clocks from the settings file.
    static QStringList RestartCommand();

private:
    void Finish();
    void DismissModals();
    void SaveEachClock();

    TMainForm& Frame_;
    TUnattendedMessageBoxes& Boxes_;
    TExit Exit_;
    bool Ending_ = false;
    bool Committing_ = false;
    int Waits_ = 0;
};
