#pragma once

#include "platform/IMessageBoxes.h"

class QWidget;

// The message boxes as Qt dialogs, owned by the application's active window;
// the report dialogs are centred on the screen.
class TQtMessageBoxes : public IMessageBoxes {
public:
    void ShowPlain(const QString& Caption, const QString& Text) override;
    void ShowFitted(const QString& Caption, const QString& Text) override;
    TMessageAnswer Ask(const QString& Caption, const QString& Text, bool WithCancel) override;
    bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) override;

private:
    static void ShowReport(const QString& Caption, const QString& Text, bool Fitted);
};
