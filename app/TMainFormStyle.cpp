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
    TForm4Services services;
    services.Styles = &Styles();
    services.WindowSystem = &WindowSystem();
    services.SetOpacity = [this](int Opacity) { SetAlphaBlendValue(Opacity); };
    services.StyleClicked = [this](const QString& Name) {
        IsStyleChanged = true;
        StyleName = Name;
    };
    return services;
}

void TMainForm::Style1Click()
{
    IStyleService* styles = &Styles();
    try {
        QStringList names;
        for (int i = 0; i < ListBox1->count(); ++i)
            names << ListBox1->item(i)->text();
        Form4->FillStyleList(names);
        const QString old = styles->ActiveStyleName();
        Form4->SelectStyle(old);
        const int oldOpacity = AlphaBlendValue();
        IsStyleChanged = true;
        if (Form4->ShowModal() == 2) {
            SetAlphaBlendValue(oldOpacity);
            styles->ActivateStyle(old);
            FocusEachClockAndRepaint();
        } else {
            QCoreApplication::processEvents();
        }
    } catch (const std::exception&) {
        TMessageDialogs(MessageBoxes()).ShowPlain(QStringLiteral("StyleManager SetStyle Error ")
                                                  + styles->ActiveStyleName());
    }
    StyleName = styles->ActiveStyleName();
}
