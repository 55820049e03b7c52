#include "app/TDesktopServices.h"

#include <QCoreApplication>

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
