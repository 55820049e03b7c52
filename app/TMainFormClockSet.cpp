// The clock set as a whole: reopened at the first showing, added to by
// File > Open and drops, thrown away by Clear Restart.
#include "app/AppConstants.h"
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"
#include "platform/IMessageBoxes.h"
#include "platform/locale/ILocaleDatabase.h"
#include "shell/TShellOpen.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <ctime>

namespace {

// The extension from the last dot after the last separator, dot included.
QString Extension(const QString& Path)
{
    const qsizetype slash = std::max(Path.lastIndexOf(u'/'), Path.lastIndexOf(u'\\'));
    const qsizetype dot = Path.lastIndexOf(u'.');
    return dot > slash ? Path.mid(dot) : QString();
}

bool IsClockFileName(const QString& Path)
{
    const QString lower = ProcessLocale::Database().LowerCase(ProcessLocale::Identifier(), Extension(Path));
    return lower == QStringLiteral(".dat");
}

// The values of section DATAFILE in the order they stand, whatever the keys.
QStringList SavedClockSet(const QString& FileName)
{
    const TIniFile ini(FileName, ProcessLocale::Identifier());
    QStringList paths;
    for (const QString& key : ini.ReadSection(u"DATAFILE"))
        paths.append(ini.ReadString(u"DATAFILE", key, QString()));
    return paths;
}

QStringList LocalFiles(const QMimeData* Data)
{
    QStringList paths;
    if (Data)
        for (const QUrl& url : Data->urls())
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
    return paths;
}

// With PENDULOR_TRACE_STARTUP set, prints the time spent making the clocks
// at the first showing and when all of them have painted.
class TReopenTrace {
public:
    template <typename TOpen> void Open(TOpen OpenOne)
    {
        QElapsedTimer one;
        one.start();
        const std::clock_t cpu = std::clock();
        Made1 += OpenOne() ? 1 : 0;
        Making1 += one.nsecsElapsed();
        MakingCpu1 += std::clock() - cpu;
    }
    void Report(QWidget& Frame)
    {
        if (!On1 || Made1 == 0)
            return;
        // Processor time as well: on a busy machine the elapsed time says little.
        std::printf("reopen: %d clocks, %.3f ms each in OpenClockFile (%.3f ms of processor time), "
                    "%.1f ms with painting\n",
                    Made1, Making1 / 1e6 / Made1, 1e3 * double(MakingCpu1) / CLOCKS_PER_SEC / Made1,
                    Loop1.nsecsElapsed() / 1e6);
        Frame.repaint(); // the first whole frame with every clock in its place
        std::printf("reopened: all clocks painted at %lld ms since the epoch\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
    }

private:
    const bool On1 = qEnvironmentVariableIsSet("PENDULOR_TRACE_STARTUP");
    QElapsedTimer Loop1 = Started();
    qint64 Making1 = 0;
    std::clock_t MakingCpu1 = 0;
    int Made1 = 0;

    static QElapsedTimer Started()
    {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }
};

} // namespace

bool TMainForm::OpenClockFileReported(const QString& FileName)
{
    try {
        OpenClockFile(FileName);
        return true;
    } catch (const std::exception& E) {
        ExceptionEvent(this, E); // one unreadable file must not stop the others
        return false;
    }
}

void TMainForm::BeginOpeningClocks()
{
    OpeningClocks1 = true;
    // The clocks of a set are shown without being activated. Should the
    // frame become active meanwhile with nothing focused, the focus would
    // go to the first clock made and activate it out of turn, reordering
    // the list; the area keeps it instead.
    if (!focusWidget())
        MdiArea1->setFocus();
}

void TMainForm::EndOpeningClocks()
{
    OpeningClocks1 = false;
    if (CloseDeferred1) {
        CloseDeferred1 = false;
        close();
    }
}

void TMainForm::ShowingChanged()
{
    if (IsStyleChanged || !isVisible())
        return;
    repaint();
    if (IsStyleChanged) {
        IsStyleChanged = false;
        return;
    }
    TReopenTrace trace;
    BeginOpeningClocks();
    if (!CommandLine1.isEmpty()) {
        for (const QString& parameter : std::as_const(CommandLine1))
            if (IsClockFileName(parameter))
                trace.Open([&] { return OpenClockFileReported(parameter); });
        ActivateLastOpenedClock();
        WindowTileVertical1->setEnabled(MDIChildCount() > 0);
        if (WindowTileVertical1->isEnabled())
            WindowTileVertical1->trigger();
    } else if (!SettingsUnreadable1) {
        const QStringList paths = ReadSavedClockSet();
        for (qsizetype i = paths.size() - 1; i >= 0; --i) {
            trace.Open([&] { return OpenClockFileReported(paths[i]); });
            QCoreApplication::processEvents();
        }
        ActivateLastOpenedClock();
        ExecuteLastAction();
    }
    ShowTabs1Click();
    trace.Report(*this);
    EndOpeningClocks();
}

QStringList TMainForm::ReadSavedClockSet()
{
    try {
        return SavedClockSet(IniFileName);
    } catch (const std::exception& E) {
        ExceptionEvent(this, E); // became unreadable since start-up
        return {};
    }
}

void TMainForm::FileOpen1Execute()
{
    OpenDialog1.InitialDir = DataFolder;
    const QStringList files = Services1.OpenDialog->Execute(this, OpenDialog1);
    BeginOpeningClocks();
    for (const QString& file : files) {
        OpenClockFileReported(file);
        QCoreApplication::processEvents();
    }
    ActivateLastOpenedClock();
    if (MDIChildCount() == 1)
        LastAction1 = WindowCascade1;
    EndOpeningClocks();
}

void TMainForm::WMDropFiles(const QStringList& Paths)
{
    if (Paths.isEmpty())
        return;
    // The whole path: a shortened one would open some other file, or none.
    OpenClockFile(Paths.first());
    ExecuteLastAction();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* Event)
{
    if (!LocalFiles(Event->mimeData()).isEmpty())
        Event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* Event)
{
    const QStringList paths = LocalFiles(Event->mimeData());
    if (paths.isEmpty())
        return;
    Event->acceptProposedAction();
    // Opened once the drag has ended, so a report does not hold up the source.
    QTimer::singleShot(0, this, [this, paths] { WMDropFiles(paths); });
}

void TMainForm::ClearRestart1Click()
{
    TMessageAnswer answer = TMessageAnswer::No;
    if (MDIChildCount() > 0)
        answer = MessageBoxes().Ask(windowTitle(), QStringLiteral("Save current data BEFORE Clear Restart?"), true);
    if (answer == TMessageAnswer::Cancel)
        return;
    const QString settings = GetIniFileName(MakerFolderName);
    if (answer == TMessageAnswer::Yes) {
        SaveDataFiles = true;
        // A clock that could not be saved has been reported and keeps the
        // frame open: then nothing is thrown away and nothing restarts.
        if (!close())
            return;
        QCoreApplication::processEvents();
    } else {
        SaveDataFiles = false;
    }
    QFile::remove(settings);
    ShellOpen().MyShellExecuteOpen1(QCoreApplication::applicationFilePath(), QString());
    Services1.Terminate();
}
