// The application settings file: read and applied at creation, written at close.
#include "app/AppConstants.h"
#include "app/MainUnit.h"
#include "app/TFormTabsBar.h"
#include "app/TMainForm.h"
#include "app/data/FrameSettingsFile.h"
#include "clock/TMDIChild.h"
#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "platform/IMessageBoxes.h"
#include "platform/IStyleService.h"
#include "platform/IWindowSystem.h"
#include "shell/MessageDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QListWidget>

namespace {

QListWidgetItem* FindStyleItem(const QListWidget& List, const QString& Name)
{
    for (int i = 0; i < List.count(); ++i)
        if (List.item(i)->text().compare(Name, Qt::CaseInsensitive) == 0)
            return List.item(i);
    return nullptr;
}

} // namespace

void TMainForm::LoadSettings(const QString& FileName)
{
    const TFrameDefaults defaults{WindowSystem().WorkAreaSize(), WindowSystem().DesktopSize(), AppName};
    TFrameSettings settings;
    SettingsUnreadable1 = false;
    try {
        settings = ReadFrameSettingsFile(FileName, defaults);
    } catch (const std::exception& E) {
        // Come up with the defaults, and leave the file alone at close.
        SettingsUnreadable1 = true;
        settings = ReadFrameSettings(TIniFile::FromText(FileName, QStringView(), TTextEncoding{}), defaults);
        TMessageDialogs(MessageBoxes()).ShowFitted(
            QStringLiteral("The settings file could not be read; the default settings are used and the file is kept as it is.\r\n") +
            QString::fromUtf8(E.what()));
    }
    ApplyFrameSettings(settings);
}

void TMainForm::ApplyFrameSettings(const TFrameSettings& Settings)
{
    SetOuterGeometry(Settings.Bounds);

    ShowTitleBar1->setChecked(Settings.ShowTitleBar);
    ShowMenuBar1->setChecked(Settings.ShowMenuBar);
    ShowTabs1->setChecked(Settings.ShowTabs);
    ShowCloseButton1->setChecked(Settings.ShowCloseButton);
    StayOnTop1->setChecked(Settings.StayOnTop);

    LastTileMode1 = Settings.LastTileMode;
    switch (LayoutOfSavedTileMode(LastTileMode1)) {
    case TRememberedLayout::Cascade: LastAction1 = WindowCascade1; break;
    case TRememberedLayout::TileHorizontal:
        TileMode1 = TileHorizontal;
        LastAction1 = WindowTileHorizontal1;
        break;
    case TRememberedLayout::TileVertical:
        TileMode1 = TileVertical;
        LastAction1 = WindowTileVertical1;
        break;
    case TRememberedLayout::None: LastAction1 = nullptr; break;
    }

    SetAlphaBlendValue(Settings.AlphaBlendValue);
    SetCaption(Settings.Caption);
    TimeSlider1->setChecked(Settings.ShowTimeSlider);
    TimeSlider1Click();
    StyleName = Settings.StyleName;

    ListBox1->clear();
    IStyleService& styles = Styles();
    ListBox1->addItems(styles.StyleNames());
    const QListWidgetItem* chosen = FindStyleItem(*ListBox1, StyleName);
    styles.ActivateStyle(chosen ? chosen->text() : styles.ActiveStyleName());
    ListBox1->setCurrentItem(FindStyleItem(*ListBox1, styles.ActiveStyleName()));

    ShowTitleBar1Click();
    SetMenuBarShown(ShowMenuBar1->isChecked());
    ShowCloseButton1Click();
    StayOnTop1Click();
}

namespace {

// Why Folder cannot take a new file, or empty when it can. A probe: root
// ignores permissions, and only a write shows an immutable folder.
QString FolderWriteProblem(const QString& Folder)
{
    if (!QFileInfo(Folder).isDir())
        return QStringLiteral("The folder does not exist and cannot be made.");
    QTemporaryFile probe(QDir(Folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open() ? QString() : probe.errorString();
}

// Why the existing file Path cannot be replaced, or empty when it can.
QString FileWriteProblem(const QString& Path)
{
    QFile file(Path);
    if (!file.exists() || file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QString();
    return file.errorString();
}

} // namespace

void TMainForm::ReportUnwritableFolder()
{
    QString problem = FolderWriteProblem(DataFolder);
    QString what = QStringLiteral("The data folder cannot be written:\r\n") + DataFolder;
    // A settings file that could not be read has been reported and is kept.
    if (problem.isEmpty() && !SettingsUnreadable1) {
        problem = FolderWriteProblem(QFileInfo(IniFileName).path());
        if (problem.isEmpty())
            problem = FileWriteProblem(IniFileName);
        what = QStringLiteral("The settings file cannot be written:\r\n") + IniFileName;
    }
    if (problem.isEmpty())
        return;
    // Said now, before anything is changed that could not be kept.
    TMessageDialogs(MessageBoxes()).ShowFitted(what + QStringLiteral("\r\n") + problem
                                               + QStringLiteral("\r\n\r\nChanges to the clocks and settings will not be kept when ")
                                               + AppName + QStringLiteral(" closes."));
}

bool TMainForm::FormCloseQuery()
{
    // Every clock is saved where it can be; what could not be saved is said
    // in one question at the end.
    QStringList failures;
    const QList<TMDIChild*> clocks = ClockWindows();
    for (qsizetype i = clocks.size() - 1; i >= 0; --i) {
        try {
            clocks[i]->FormCloseQuery();
        } catch (const std::exception& E) {
            failures << QStringLiteral("The clock \"%1\": ").arg(clocks[i]->ClockName()) + MessageOf(E);
        }
    }

    IniFileName = GetIniFileName(MakerFolderName);
    if (!DataFolderUsable())
        IniFileName = IniBesideExecutable();
    if (SettingsUnreadable1 && !IsReadable(IniFileName)) {
        TMessageDialogs(MessageBoxes()).ShowFitted(
            QStringLiteral("The settings file could not be read at start-up and is kept as it is:\r\n") + IniFileName);
        return failures.isEmpty() || CloseWithoutSaving(failures);
    }
    if (!failures.isEmpty()) {
        // The settings are written only once the frame really closes: a list
        // naming files that were not written must not replace the last one.
        QString problem = FolderWriteProblem(QFileInfo(IniFileName).path());
        if (problem.isEmpty())
            problem = FileWriteProblem(IniFileName);
        if (!problem.isEmpty())
            failures << QStringLiteral("The settings: Cannot save file \"%1\". ").arg(IniFileName) + problem;
        if (!CloseWithoutSaving(failures))
            return false;
    }
    try {
        SaveSettings(IniFileName);
    } catch (const std::exception& E) {
        if (!failures.isEmpty())
            return true; // already said, and the user chose to close
        return CloseWithoutSaving({QStringLiteral("The settings: ") + MessageOf(E)});
    }
    return true;
}

bool TMainForm::CloseWithoutSaving(const QStringList& Failures)
{
    const QString question = QStringLiteral("These could not be saved:\r\n\r\n") + Failures.join(QStringLiteral("\r\n"))
                             + QStringLiteral("\r\n\r\nClose without saving them?");
    // No keeps the frame open, so that the folder can be mended and the close tried again.
    return MessageBoxes().Ask(windowTitle(), question, false) == TMessageAnswer::Yes;
}

bool TMainForm::IsReadable(const QString& FileName)
{
    try {
        TIniFile probe(FileName, ProcessLocale::Identifier());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

TFrameSettings TMainForm::FrameSettings() const
{
    TFrameSettings s;
    s.Bounds = OuterGeometry();
    s.ShowTitleBar = ShowTitleBar1->isChecked();
    s.ShowMenuBar = ShowMenuBar1->isChecked();
    s.ShowTabs = ShowTabs1->isChecked() && !FormTabsBar1->isHidden();
    s.ShowCloseButton = ShowCloseButton1->isChecked();
    s.StayOnTop = StayOnTop1->isChecked();
    s.LastTileMode = SavedTileModeOf(LastAction1 == WindowCascade1 ? TRememberedLayout::Cascade
                                                                    : TRememberedLayout::None,
                                     TileMode1);
    s.AlphaBlendValue = AlphaBlendValue();
    s.Caption = Caption();
    s.StyleName = StyleName;
    s.ShowTimeSlider = TimeSlider1->isChecked();
    // The files the clocks write (or wrote), numbered where names repeat.
    for (const TMDIChild* clock : ClockWindows())
        s.ClockFiles.append(clock->DataFilePath());
    return s;
}

void TMainForm::SaveSettings(const QString& FileName)
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const TProgramStamp program{exe.fileName(), exe.absolutePath(), AppVersion, IniFileName,
                                RenderDateTime(u"C", Services1.Now->Now(), ProcessLocale::SystemSettings())};
    WriteFrameSettingsFile(FileName, FrameSettings(), program);
}
