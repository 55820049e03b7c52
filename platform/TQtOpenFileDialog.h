#pragma once

#include "platform/IOpenFileDialog.h"

// The open-file dialog as a QFileDialog: existing files only, resizable.
class TQtOpenFileDialog : public IOpenFileDialog {
public:
    QStringList Execute(QWidget* Owner, const TOpenDialogOptions& Options) override;
};
