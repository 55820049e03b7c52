#include "tests/widgets/doubles/TFakeMessageBoxes.h"

void TFakeMessageBoxes::ShowPlain(const QString& Caption, const QString& Text)
{
    Shown.append({TKind::Plain, Caption, Text});
}

void TFakeMessageBoxes::ShowFitted(const QString& Caption, const QString& Text)
{
    Shown.append({TKind::Fitted, Caption, Text});
}

TMessageAnswer TFakeMessageBoxes::Ask(const QString& Caption, const QString& Text, bool)
{
    Shown.append({TKind::Ask, Caption, Text});
    return Answers.isEmpty() ? TMessageAnswer::Yes : Answers.takeFirst();
}

bool TFakeMessageBoxes::InputQuery(const QString& Caption, const QString& Prompt, QString& Value)
{
    Shown.append({TKind::Input, Caption, Prompt});
    if (Inputs.isEmpty())
        return false;
    Value = Inputs.takeFirst();
    return true;
}

QList<QString> TFakeMessageBoxes::Texts(TKind Kind) const
{
    QList<QString> Result;
    for (const TShown& S : Shown)
        if (S.Kind == Kind)
            Result.append(S.Text);
    return Result;
}
