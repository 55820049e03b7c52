// View > "Select Style...": the style and transparency dialog.
#include "app/TMainForm.h"
#include "dialogs/TForm4.h"
#include "platform/IStyleService.h"
#include "shell/MessageDialogs.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <exception>

TForm4Services TMainForm::StyleDialogServices()
{
    const auto noteStyle = [this](const QString& Name) {
        IsStyleChanged = true;
        StyleName = Name;
    };
    return {.Styles = &Styles(),
            .WindowSystem = &WindowSystem(),
            .SetOpacity = [this](int Opacity) { SetAlphaBlendValue(Opacity); },
            .StyleClicked = noteStyle};
}

void TMainForm::Style1Click()
{
    // The dialog, made right after the frame, is there whenever a command can run.
    IStyleService& styles = Styles();
    try {
        QStringList names;
        for (int i = 0; i < ListBox1->count(); ++i)
            names << ListBox1->item(i)->text();
        Form4->FillStyleList(names);
        const QString old = styles.ActiveStyleName();
        Form4->SelectStyle(old);
        const int oldOpacity = AlphaBlendValue();
        IsStyleChanged = true;
        if (Form4->ShowModal() == 2) {
            SetAlphaBlendValue(oldOpacity);
            styles.ActivateStyle(old);
            FocusEachClockAndRepaint();
        } else {
            QCoreApplication::processEvents();
        }
    } catch (const std::exception&) {
        TMessageDialogs(MessageBoxes()).ShowPlain(QStringLiteral("StyleManager SetStyle Error ")
                                                  + styles.ActiveStyleName());
    }
    StyleName = styles.ActiveStyleName();
}
