#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// How an open-file dialog is set up before it is shown.
struct TOpenDialogOptions {
    QString Title;           // empty: the platform's own caption
    QString InitialDir;
    QString DefaultExt;      // without the dot; added to a typed name that has none
    QStringList NameFilters; // "Caption (*.ext)"; the first is selected
    bool MultiSelect = false;
};

// A modal dialog that lets the user pick existing files. Tests put a double
// in that answers without showing anything.
class IOpenFileDialog {
public:
    virtual ~IOpenFileDialog() = default;

    // The chosen files in the order the dialog reports them; empty when the
    // user cancelled.
    virtual QStringList Execute(QWidget* Owner, const TOpenDialogOptions& Options) = 0;
};
