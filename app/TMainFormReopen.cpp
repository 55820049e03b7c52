// The clock set at the frame's first showing.
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "common/TIniFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

// The extension from the last dot after the last separator, dot included.
QString Extension(const QString& Path)
{
    const qsizetype slash = std::max(Path.lastIndexOf(u'/'), Path.lastIndexOf(u'\\'));
    const qsizetype dot = Path.lastIndexOf(u'.');
    return dot > slash ? Path.mid(dot) : QString();
}

} // namespace

void TMainForm::ShowingChanged()
{
    if (IsStyleChanged || !isVisible())
        return;
    repaint();
    if (IsStyleChanged) {
        IsStyleChanged = false;
        return;
    }
    // With PENDULOR_TRACE_STARTUP set, the time spent making the clocks is printed.
    const bool trace = qEnvironmentVariableIsSet("PENDULOR_TRACE_STARTUP");
    QElapsedTimer loop;
    loop.start();
    qint64 making = 0;
    int made = 0;
    // One clock file that cannot be read is reported; the others still open.
    const auto open = [&](const QString& Path) {
        QElapsedTimer one;
        one.start();
        try {
            OpenClockFile(Path);
            ++made;
        } catch (const std::exception& E) {
            ExceptionEvent(this, E);
        }
        making += one.nsecsElapsed();
    };
    if (!CommandLine1.isEmpty()) {
        for (const QString& parameter : std::as_const(CommandLine1))
            if (Extension(parameter).toLower() == QStringLiteral(".dat"))
                open(parameter);
        WindowTileVertical1->setEnabled(MDIChildCount() > 0);
        if (WindowTileVertical1->isEnabled())
            WindowTileVertical1->trigger();
    } else if (!SettingsUnreadable1) {
        QStringList paths;
        {
            const TIniFile ini(IniFileName);
            const QStringList keys = ini.ReadSection(u"DATAFILE");
            for (const QString& key : keys)
                paths.append(ini.ReadString(u"DATAFILE", key, QString()));
        }
        for (qsizetype i = paths.size() - 1; i >= 0; --i) {
            open(paths[i]);
            QCoreApplication::processEvents();
        }
        ExecuteLastAction();
    }
    ShowTabs1Click();
    if (trace && made > 0) {
        std::printf("reopen: %d clocks, %.3f ms each in OpenClockFile, %.1f ms with painting\n", made,
                    making / 1e6 / made, loop.nsecsElapsed() / 1e6);
        std::fflush(stdout);
    }
}
