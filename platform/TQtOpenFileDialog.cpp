#include "platform/TQtOpenFileDialog.h"

#include <QFileDialog>

QStringList TQtOpenFileDialog::Execute(QWidget* Owner, const TOpenDialogOptions& Options)
{
    QFileDialog dialog(Owner, Options.Title, Options.InitialDir);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(Options.MultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(Options.NameFilters);
    if (!Options.NameFilters.isEmpty())
        dialog.selectNameFilter(Options.NameFilters.first());
    dialog.setDefaultSuffix(Options.DefaultExt);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}
