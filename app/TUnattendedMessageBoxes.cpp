#include "app/TUnattendedMessageBoxes.h"

#include <QtGlobal>

namespace {

// One line per report: the journal of a session shows multi-line text badly.
void Log(const QString& Caption, const QString& Text)
{
    QString line = Text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
    line.replace(QLatin1Char('\r'), QStringLiteral(" | "));
    line.replace(QLatin1Char('\n'), QStringLiteral(" | "));
    qWarning("%s: %s", qUtf8Printable(Caption), qUtf8Printable(line));
}

} // namespace

void TUnattendedMessageBoxes::ShowPlain(const QString& Caption, const QString& Text)
{
    if (Unattended1)
        Log(Caption, Text);
    else
        Boxes1.ShowPlain(Caption, Text);
}

void TUnattendedMessageBoxes::ShowFitted(const QString& Caption, const QString& Text)
{
    if (Unattended1)
        Log(Caption, Text);
    else
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
