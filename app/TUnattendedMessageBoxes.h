#pragma once

#include "platform/IMessageBoxes.h"

// The application's message boxes, with a switch for the moments when nobody
// can answer (the desktop session is ending, the process was told to stop):
// then reports go to the log, questions answer "do nothing" (Cancel, or No
// without Cancel) and input boxes are cancelled, so nothing waits on a user.
class TUnattendedMessageBoxes : public IMessageBoxes {
public:
    explicit TUnattendedMessageBoxes(IMessageBoxes& Boxes) : Boxes1(Boxes) {}

    void SetUnattended(bool Unattended) { Unattended1 = Unattended; }
    bool IsUnattended() const { return Unattended1; }

    void ShowPlain(const QString& Caption, const QString& Text) override;
    void ShowFitted(const QString& Caption, const QString& Text) override;
    TMessageAnswer Ask(const QString& Caption, const QString& Text, bool WithCancel) override;
    bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) override;

private:
    IMessageBoxes& Boxes1;
    bool Unattended1 = false;
};
