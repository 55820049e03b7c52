// Help > About, File > My Memo and File > ShortCut: the frame's side of them.
#include "app/MainUnit.h"
#include "app/TMainForm.h"
#include "app/AppConstants.h"
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "dialogs/AboutText.h"
#include "dialogs/TAboutBox.h"
#include "platform/IShell.h"
#include "shell/MemoFile.h"
#include "shell/TShellOpen.h"
#include "shell/TShellShortCuts.h"

#include <QCoreApplication>

void TMainForm::About1Click()
{
    const QString Text = AboutText(CurrentAboutFacts(StartTime, DefaultLocaleID, *Services1.Now));
    TAboutServices Services;
    Services.Styles = &Styles();
    Services.OpenDownloadPage = [this] { ShellOpen().MyShellExecuteOpen1(DownloadPageUrl(), QString()); };
    TAboutBox Box(Text, Services, this);
    Box.exec();
}

void TMainForm::MyMemo1Click()
{
    OpenMemo(ShellOpen(), GetDataFolder(MakerFolderName), Services1.Now->Now(), ProcessLocale::SystemSettings());
}

void TMainForm::PlaceShortCut(int FolderNumber, const QString& Kind)
{
    const TShellShortCuts ShortCuts(ShellOpen(), *Services1.Now, ProcessLocale::SystemSettings());
    ShortCuts.PlaceShortCut(FolderNumber, Kind, QCoreApplication::applicationFilePath(), Caption());
}

void TMainForm::SendTo1Click()
{
    PlaceShortCut(FolderSendTo, QStringLiteral("SendTo"));
}

void TMainForm::DeskTop1Click()
{
    PlaceShortCut(FolderDesktop, QStringLiteral("DeskTop"));
}

void TMainForm::StartMenu1Click()
{
    PlaceShortCut(FolderPrograms, QStringLiteral("StartMenu"));
}

void TMainForm::StartUp1Click()
{
    PlaceShortCut(FolderStartup, QStringLiteral("StartUp"));
}
