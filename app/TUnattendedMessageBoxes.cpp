#include "app/TUnattendedMessageBoxes.h"

#include <QtGlobal>

namespace {

// One line per report: the journal of a session shows multi-line text badly.
QString OneLine(const QString& Text)
{
    QString line = Text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
    line.replace(QLatin1Char('\r'), QStringLiteral(" | "));
    line.replace(QLatin1Char('\n'), QStringLiteral(" | "));
    return line;
}

void Log(const QString& Caption, const QString& Text)
{
    qWarning("%s: %s", qUtf8Printable(Caption), qUtf8Printable(OneLine(Text)));
}

// Reports that a user saw are noted too, so a log tells what happened.
void Note(const QString& Caption, const QString& Text)
{
    qInfo("%s: %s", qUtf8Printable(Caption), qUtf8Printable(OneLine(Text)));
}

} // namespace

void TUnattendedMessageBoxes::ShowPlain(const QString& Caption, const QString& Text)
{
    if (Unattended1)
        return Log(Caption, Text);
    Note(Caption, Text);
    Boxes1.ShowPlain(Caption, Text);
}

void TUnattendedMessageBoxes::ShowFitted(const QString& Caption, const QString& Text)
{
    if (Unattended1)
        return Log(Caption, Text);
    Note(Caption, Text);
    Boxes1.ShowFitted(Caption, Text);
}

TMessageAnswer TUnattendedMessageBoxes::Ask(const QString& Caption, const QString& Text, bool WithCancel)
{
    if (!Unattended1)
        return Boxes1.Ask(Caption, Text, WithCancel);
    const TMessageAnswer answer = WithCancel ? TMessageAnswer::Cancel : TMessageAnswer::No;
    Log(Caption, Text + (WithCancel ? QStringLiteral(" (nobody to answer: Cancel)")
                                    : QStringLiteral(" (nobody to answer: No)")));
    return answer;
}

bool TUnattendedMessageBoxes::InputQuery(const QString& Caption, const QString& Prompt, QString& Value)
{
    if (Unattended1)
        return false;
    return Boxes1.InputQuery(Caption, Prompt, Value);
}
