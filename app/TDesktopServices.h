#pragma once

#include "app/TMainForm.h"
#include "app/TUnattendedMessageBoxes.h"
#include "datetime/INowSource.h"
#include "dialogs/TForm3.h"
#include "platform/TFontChooser.h"
#include "platform/TLinuxShell.h"
#include "platform/TQtMessageBoxes.h"
#include "platform/TQtOpenFileDialog.h"
#include "platform/TStyleService.h"
#include "platform/TWindowSystem.h"
#include "shell/TShellOpen.h"

#include <memory>

// The real services of one run, made once at start-up and handed down as
// complete sets: the frame and the windows it makes never pick a service of
// their own. Needs the QApplication (the style service sets its style).
class TDesktopServices {
public:
    TDesktopServices();
    TDesktopServices(const TDesktopServices&) = delete;
    TDesktopServices& operator=(const TDesktopServices&) = delete;

    TFrameServices Frame();
    // The properties dialog's, over the run's one zone catalog.
    TForm3Services PropertiesDialog(std::shared_ptr<TZoneCatalogSource> Zones);
    // The properties dialog and the style dialog (Form3, Form4), made hidden
    // right after the frame and reused until exit; the frame deletes them.
    void MakeDialogs(TMainForm& Frame);

    // The frame's boxes: the session's end switches them to the log.
    TUnattendedMessageBoxes& MessageBoxes() { return Boxes_; }
    TStyleService& Styles() { return Styles_; }

private:
    TStyleService Styles_;
    TLinuxShell Shell_;
    TQtMessageBoxes QtBoxes_;
    TUnattendedMessageBoxes Boxes_{QtBoxes_}; // to the log once nobody can answer
    TShellOpen ShellOpen_; // one gateway for the frame and the dialogs
    TWindowSystem WindowSystem_;
    TQtOpenFileDialog OpenDialog_;
    TSystemNow Now_;
    // The platform's font dialog holds no state between showings: one
    // serves every clock window and the properties dialog.
    TFontChooser FontChooser_;
};
