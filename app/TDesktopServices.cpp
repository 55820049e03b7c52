#include "app/TDesktopServices.h"

#include "dialogs/TForm4.h"

#include <QCoreApplication>

#include <utility>

TDesktopServices::TDesktopServices()
    : ShellOpen_(Shell_, TMessageDialogs(Boxes_))
{
}

TFrameServices TDesktopServices::Frame()
{
    return {
        .WindowSystem = &WindowSystem_,
        .MessageBoxes = &Boxes_,
        .Styles = &Styles_,
        .ShellOpen = &ShellOpen_,
        .OpenDialog = &OpenDialog_,
        .Now = &Now_,
        .FontChooser = &FontChooser_,
        // Leaves the loop without asking any window to close.
        .Terminate = [] { QCoreApplication::exit(0); },
    };
}

TForm3Services TDesktopServices::PropertiesDialog(std::shared_ptr<TZoneCatalogSource> Zones)
{
    return {
        .Now = &Now_,
        .Conventions = [](LCID Locale) { return TFormatSettings::Create(Locale); },
        .FontChooser = &FontChooser_,
        .WindowSystem = &WindowSystem_,
        .OpenHelp = [this](const QString& Page) { ShellOpen_.OpenHelpTopic(Page); },
        .Zones = std::move(Zones),
    };
}

void TDesktopServices::MakeDialogs(TMainForm& Frame)
{
    // One zone catalog for the dialog and the frame's city search.
    Form3 = new TForm3(PropertiesDialog(Frame.ZoneCatalogs()), &Frame);
    Form4 = new TForm4(Frame.StyleDialogServices(), &Frame);
}
