// The clock set at the frame's first showing.
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "common/TIniFile.h"

#include <QCoreApplication>

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
    // One clock file that cannot be read is reported; the others still open.
    const auto open = [this](const QString& Path) {
        try {
            OpenClockFile(Path);
        } catch (const std::exception& E) {
            ExceptionEvent(this, E);
        }
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
}
