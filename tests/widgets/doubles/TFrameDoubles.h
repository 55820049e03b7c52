#pragma once

#include "app/TMainForm.h"
#include "datetime/INowSource.h"
#include "shell/TShellOpen.h"
#include "widgets/doubles/TFakeFontChooser.h"
#include "widgets/doubles/TFakeMessageBoxes.h"
#include "widgets/doubles/TFakeOpenFileDialog.h"
#include "widgets/doubles/TFakeShell.h"
#include "widgets/doubles/TFakeStyleService.h"
#include "widgets/doubles/TFakeWindowSystem.h"

// Every service of a frame as a double, and the complete set of them. The
// frame and its clocks read the PC's clock; the rest record what they are
// asked. A fixture that needs another double puts it into the set by name.
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
};
