#pragma once

#include "platform/IOpenFileDialog.h"

#include <QList>

// Answers with Chosen (empty = the user cancelled) and keeps the options
// of every showing.
class TFakeOpenFileDialog final : public IOpenFileDialog {
public:
    QStringList Chosen;
    QList<TOpenDialogOptions> Shown;

    QStringList Execute(QWidget*, const TOpenDialogOptions& Options) override
    {
        Shown.append(Options);
        return Chosen;
    }
};
