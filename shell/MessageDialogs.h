#pragma once

#include <QString>

class IMessageBoxes;

// "AbcDef.exe" -> "Abcdef": the file name up to its first dot, every
// character after the first in lower case. Takes a full path or a name.
QString ApplicationTitle(const QString& ExecutablePath);

// The title of the running executable ("Pendulor").
QString ApplicationTitle();

// The operating system's text for an error number, without trailing blanks,
// control characters (line breaks) and full stops.
QString SystemErrorText(int ErrorNumber);

// Text without its trailing blanks, control characters and full stops.
QString TrimmedErrorText(const QString& Text);

// The two report forms of the shell utilities and the error handler: both
// carry the application title as caption. Holds no state of its own beyond
// the boxes it shows through, so one may be made wherever needed.
class TMessageDialogs {
public:
    explicit TMessageDialogs(IMessageBoxes& Boxes);
    TMessageDialogs(IMessageBoxes& Boxes, QString Title);

    // Success notes and the error handler's reports.
    void ShowPlain(const QString& Text) const;
    // Failure reports: sized to the content.
    void ShowFitted(const QString& Text) const;

    const QString& Title() const { return Title1; }
    IMessageBoxes& Boxes() const { return Boxes1; }

private:
    IMessageBoxes& Boxes1;
    QString Title1;
};
