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
#include <QFileInfo>
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
    setWindowTitle(Settings.Caption);
    StyleName = Settings.StyleName;

    ListBox1->clear();
    if (IStyleService* styles = Styles()) {
        ListBox1->addItems(styles->StyleNames());
        const QListWidgetItem* chosen = FindStyleItem(*ListBox1, StyleName);
        styles->ActivateStyle(chosen ? chosen->text() : styles->ActiveStyleName());
        ListBox1->setCurrentItem(FindStyleItem(*ListBox1, styles->ActiveStyleName()));
    }

    ShowTitleBar1Click();
    SetMenuBarShown(ShowMenuBar1->isChecked());
    ShowCloseButton1Click();
    StayOnTop1Click();
}

namespace {

// A folder that stays read-only would otherwise keep the frame open for good.
bool CloseWithoutSaving(IMessageBoxes& Boxes, const QString& Caption, const QString& Report)
{
    return Boxes.Ask(Caption, Report, false) == TMessageAnswer::Yes;
}

} // namespace

bool TMainForm::FormCloseQuery()
{
    bool givenUp = false; // the user chose to close without what cannot be saved
    const QList<TMDIChild*> clocks = ClockWindows();
    for (qsizetype i = clocks.size() - 1; i >= 0; --i) {
        try {
            clocks[i]->FormCloseQuery();
        } catch (const std::exception& E) {
            if (givenUp) { // the others are still saved where they can be
                qWarning("%s", E.what());
                continue;
            }
            ExceptionEvent(clocks[i], E);
            const QString report = QStringLiteral("The clock \"%1\" could not be saved.\r\n\r\nClose without saving it?")
                                       .arg(clocks[i]->ClockName());
            if (!CloseWithoutSaving(MessageBoxes(), windowTitle(), report))
                return false; // that clock's file is not written: keep it and the frame open
            givenUp = true;
        }
    }

    IniFileName = GetIniFileName(MakerFolderName);
    if (!DataFolderUsable())
        IniFileName = IniBesideExecutable();
    try {
        if (SettingsUnreadable1 && !IsReadable(IniFileName)) {
            TMessageDialogs(MessageBoxes()).ShowFitted(
                QStringLiteral("The settings file could not be read at start-up and is kept as it is:\r\n") + IniFileName);
            return true;
        }
        SaveSettings(IniFileName);
    } catch (const std::exception& E) {
        if (givenUp)
            return true;
        ExceptionEvent(this, E);
        return CloseWithoutSaving(MessageBoxes(), windowTitle(),
                                  QStringLiteral("The settings could not be saved to\r\n") + IniFileName
                                      + QStringLiteral("\r\n\r\nClose without saving the settings?"));
    }
    return true;
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
    s.Caption = windowTitle();
    s.StyleName = StyleName;
    // The files the clocks write (or wrote), numbered where names repeat.
    for (const TMDIChild* clock : ClockWindows())
        s.ClockFiles.append(clock->DataFilePath());
    return s;
}

void TMainForm::SaveSettings(const QString& FileName)
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const TProgramStamp program{exe.fileName(), exe.absolutePath(), AppVersion, IniFileName,
                                RenderDateTime(u"C", TSystemNow().Now(), ProcessLocale::SystemSettings())};
    WriteFrameSettingsFile(FileName, FrameSettings(), program);
}
