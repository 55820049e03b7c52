// The application settings file: read and applied at creation, written at close.
#include "app/AppConstants.h"
#include "app/MainUnit.h"
#include "app/TFormTabsBar.h"
#include "app/TMainForm.h"
#include "clock/TMDIChild.h"
#include "clock/data/DataFileName.h"
#include "common/EPendulorError.h"
#include "common/TIniFile.h"
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "platform/IStyleService.h"
#include "platform/IWindowSystem.h"
#include "shell/MessageDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QListWidget>

#include <optional>

namespace {

const QString Program = QStringLiteral("PROGRAM");
const QString Position = QStringLiteral("POSITION");
const QString Option = QStringLiteral("OPTION");
const QString DataFile = QStringLiteral("DATAFILE");

// Window coordinates beyond this are refused by the X protocol.
constexpr int CoordinateLimit = 30000;
constexpr int MinimumWidth = 120;
constexpr int MinimumHeight = 60;

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
    std::optional<TIniFile> ini;
    SettingsUnreadable1 = false;
    try {
        ini.emplace(FileName);
    } catch (const std::exception& E) {
        // Come up with the defaults, and leave the file alone at close.
        SettingsUnreadable1 = true;
        ini.emplace(TIniFile::FromText(FileName, QStringView(), TTextEncoding{}));
        TMessageDialogs(MessageBoxes()).ShowFitted(
            QStringLiteral("The settings file could not be read; the default settings are used and the file is kept as it is.\r\n") +
            QString::fromUtf8(E.what()));
    }

    // Absurd sizes would make a window no one can see or grab.
    const QSize work = WindowSystem().WorkAreaSize();
    const QSize desktop = WindowSystem().DesktopSize().expandedTo(work);
    const int width = std::clamp(ini->ReadInteger(Position, u"Width", work.width() / 3), MinimumWidth,
                                 std::max(MinimumWidth, desktop.width()));
    const int height = std::clamp(ini->ReadInteger(Position, u"Height", work.height() / 3), MinimumHeight,
                                  std::max(MinimumHeight, desktop.height()));
    const int left = std::clamp(ini->ReadInteger(Position, u"Left", (work.width() - width) / 2),
                                -CoordinateLimit, CoordinateLimit);
    const int top = std::clamp(ini->ReadInteger(Position, u"Top", (work.height() - height) / 2),
                               -CoordinateLimit, CoordinateLimit);
    SetOuterGeometry(QRect(left, top, width, height));

    ShowTitleBar1->setChecked(ini->ReadBool(Option, u"ShowTitleBar", true));
    ShowMenuBar1->setChecked(ini->ReadBool(Option, u"ShowMenuBar", true));
    ShowTabs1->setChecked(ini->ReadBool(Option, u"ShowTabs", false));
    ShowCloseButton1->setChecked(ini->ReadBool(Option, u"ShowCloseButton", false));
    StayOnTop1->setChecked(ini->ReadBool(Option, u"StayOnTop", false));

    LastTileMode1 = ini->ReadInteger(Option, u"LastTileMode", -1);
    switch (LastTileMode1) {
    case -1: LastAction1 = WindowCascade1; break;
    case TileHorizontal:
        TileMode1 = TileHorizontal;
        LastAction1 = WindowTileHorizontal1;
        break;
    case TileVertical:
        TileMode1 = TileVertical;
        LastAction1 = WindowTileVertical1;
        break;
    default: LastAction1 = nullptr; break;
    }

    SetAlphaBlendValue(ini->ReadInteger(Option, u"AlphaBlendValue", 255) & 0xFF);
    setWindowTitle(ini->ReadString(Option, u"Caption", AppName));
    StyleName = ini->ReadString(Option, u"StyleName", QStringLiteral("Windows"));

    ListBox1->clear();
    if (IStyleService* styles = Styles()) {
        ListBox1->addItems(styles->StyleNames());
        const QListWidgetItem* chosen = FindStyleItem(*ListBox1, StyleName);
        styles->ActivateStyle(chosen ? chosen->text() : styles->ActiveStyleName());
        ListBox1->setCurrentItem(FindStyleItem(*ListBox1, styles->ActiveStyleName()));
    }
    ini.reset();

    ShowTitleBar1Click();
    SetMenuBarShown(ShowMenuBar1->isChecked());
    ShowCloseButton1Click();
    StayOnTop1Click();
}

bool TMainForm::FormCloseQuery()
{
    const QList<TMDIChild*> clocks = ClockWindows();
    for (qsizetype i = clocks.size() - 1; i >= 0; --i) {
        try {
            clocks[i]->FormCloseQuery();
        } catch (const std::exception& E) {
            // That clock's file is not written: keep it and the frame open.
            ExceptionEvent(clocks[i], E);
            return false;
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
        ExceptionEvent(this, E);
        return false;
    }
    return true;
}

bool TMainForm::IsReadable(const QString& FileName)
{
    try {
        TIniFile probe(FileName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TMainForm::SaveSettings(const QString& FileName)
{
    TIniFile ini = TIniFile::ForRewrite(FileName); // keeps the file's encoding
    ini.Clear();
    try {
        const QFileInfo exe(QCoreApplication::applicationFilePath());
        ini.WriteString(Program, u"Name", exe.fileName());
        ini.WriteString(Program, u"Path", exe.absolutePath());
        ini.WriteString(Program, u"Version", AppVersion);
        ini.WriteString(Program, u"IniFile", IniFileName);
        ini.WriteString(Program, u"LastClose",
                        RenderDateTime(u"C", TSystemNow().Now(), ProcessLocale::SystemSettings()));

        const QRect outer = OuterGeometry();
        ini.WriteInteger(Position, u"Width", outer.width());
        ini.WriteInteger(Position, u"Height", outer.height());
        ini.WriteInteger(Position, u"Left", outer.left());
        ini.WriteInteger(Position, u"Top", outer.top());

        ini.WriteBool(Option, u"ShowTitleBar", ShowTitleBar1->isChecked());
        ini.WriteBool(Option, u"ShowMenuBar", ShowMenuBar1->isChecked());
        if (ShowTabs1->isChecked() && !FormTabsBar1->isHidden())
            ini.WriteString(Option, u"ShowTabs", QStringLiteral("1"));
        ini.WriteBool(Option, u"ShowCloseButton", ShowCloseButton1->isChecked());
        ini.WriteBool(Option, u"StayOnTop", StayOnTop1->isChecked());
        ini.WriteInteger(Option, u"LastTileMode", LastAction1 == WindowCascade1 ? -1 : TileMode1);
        ini.WriteInteger(Option, u"AlphaBlendValue", AlphaBlendValue());
        ini.WriteString(Option, u"Caption", windowTitle());
        ini.WriteString(Option, u"StyleName", StyleName);

        const QString folder = QFileInfo(GetIniFileName(MakerFolderName)).path();
        const QList<TMDIChild*> clocks = ClockWindows();
        for (qsizetype i = 0; i < clocks.size(); ++i)
            ini.WriteString(DataFile, QStringLiteral("FileName%1").arg(i),
                            ClockDataFileName(folder, clocks[i]->ClockName()));
    } catch (...) {
        ini.UpdateFile(); // what was written so far is kept
        throw;
    }
    ini.UpdateFile();
}
