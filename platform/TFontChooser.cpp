#include "platform/TFontChooser.h"

#include "platform/TFontChooserDialog.h"

std::optional<TFontChoice> TFontChooser::Choose(const TFontChoice& Initial, QWidget* Parent)
{
    TFontChooserDialog dialog(Initial, Parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}
