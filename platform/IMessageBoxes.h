#pragma once

#include <QString>

// Answer of a question box.
enum class TMessageAnswer { Yes, No, Cancel };

// The modal boxes the application shows. The real one shows Qt dialogs;
// tests put a recorder in, so no modal box ever blocks them.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;

    // Text, one OK button, no icon, centred on the screen.
    virtual void ShowPlain(const QString& Caption, const QString& Text) = 0;

    // Like ShowPlain, but the box is as wide as its longest line, so
    // paths and error texts are not wrapped.
    virtual void ShowFitted(const QString& Caption, const QString& Text) = 0;

    // A question with the question icon, Yes (default) and No, and Cancel
    // when WithCancel. Closing the box answers Cancel, or No without Cancel.
    virtual TMessageAnswer Ask(const QString& Caption, const QString& Text, bool WithCancel) = 0;

    // A one-line input box starting with Value. OK stores the entered text in
    // Value (an empty text too) and returns true; Cancel leaves Value alone.
    virtual bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) = 0;
};
