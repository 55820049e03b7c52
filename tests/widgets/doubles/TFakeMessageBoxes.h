#pragma once

#include "platform/IMessageBoxes.h"

#include <QList>
#include <QString>

// Records every box instead of showing it; questions and input boxes take
// their answers from queues the test fills (Yes / Cancel when empty).
class TFakeMessageBoxes : public IMessageBoxes {
public:
    enum class TKind { Plain, Fitted, Ask, Input };
    struct TShown {
        TKind Kind;
        QString Caption;
        QString Text;
    };

    void ShowPlain(const QString& Caption, const QString& Text) override;
    void ShowFitted(const QString& Caption, const QString& Text) override;
    TMessageAnswer Ask(const QString& Caption, const QString& Text, bool WithCancel) override;
    bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) override;

    QList<TShown> Shown;
    QList<TMessageAnswer> Answers;  // next answers to questions
    QList<QString> Inputs;          // next texts entered; an empty queue cancels

    // Texts of the boxes of one kind, in the order shown.
    QList<QString> Texts(TKind Kind) const;
};
