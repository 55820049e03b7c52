#pragma once

#include "app/TMainForm.h"
#include "datetime/INowSource.h"
#include "dialogs/TForm3.h"
#include "dialogs/TForm4.h"
#include "shell/TShellOpen.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TFakeMessageBoxes.h"
#include "widgets/doubles/TFakeOpenFileDialog.h"
#include "widgets/doubles/TFakeShell.h"
#include "widgets/doubles/TFakeStyleService.h"
#include "widgets/doubles/TFakeWindowSystem.h"
#include "widgets/doubles/TForm3Doubles.h"

// Every service of a frame as a double, and the complete set of them. The
// frame, its clocks and its properties dialog read the PC's clock; the rest
// record what they are asked. A fixture that needs another double puts it
// into the set by name.
struct TFrameDoubles {
    TFakeWindowSystem Screen;
    TFakeMessageBoxes Boxes;
    TFakeStyleService Styles;
    TFakeShell Shell;
    TShellOpen Gateway{Shell, TMessageDialogs(Boxes)};
    TFakeOpenFileDialog OpenDialog;
    TSystemNow Now;
    TFakeFontChooser Fonts;
    int Terminations = 0; // the ends of the process Clear Restart asked for
    TForm3Doubles Dialog;  // the properties dialog's own font dialog and help

    TFrameServices Services()
    {
        return {
            .WindowSystem = &Screen,
            .MessageBoxes = &Boxes,
            .Styles = &Styles,
            .ShellOpen = &Gateway,
            .OpenDialog = &OpenDialog,
            .Now = &Now,
            .FontChooser = &Fonts,
            .Terminate = [this] { ++Terminations; },
        };
    }

    // The properties and style dialogs, made after the frame as the
    // application makes them (Form3, Form4); the frame deletes them.
    void MakeDialogs(TMainForm& Frame)
    {
        TForm3Services dialog = Dialog.Services();
        dialog.Now = &Now;
        dialog.WindowSystem = &Screen;
        dialog.Zones = Frame.ZoneCatalogs();
        Form3 = new TForm3(dialog, &Frame);
        Form4 = new TForm4(Frame.StyleDialogServices(), &Frame);
    }
};
