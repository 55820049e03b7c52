#include "shell/MessageDialogs.h"

#include "platform/IMessageBoxes.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstring>
#include <utility>

QString ApplicationTitle(const QString& ExecutablePath)
{
    QString Name = QFileInfo(ExecutablePath).fileName();
    const qsizetype Dot = Name.indexOf(QLatin1Char('.'));
    if (Dot >= 0)
        Name.truncate(Dot);
    if (Name.size() > 1)
        Name = Name.left(1) + Name.mid(1).toLower();
    return Name;
}

QString ApplicationTitle()
{
    return ApplicationTitle(QCoreApplication::applicationFilePath());
}

QString SystemErrorText(int ErrorNumber)
{
    char Buffer[256] = {};
    // The GNU strerror_r may return a static string instead of filling Buffer.
    const char* Text = strerror_r(ErrorNumber, Buffer, sizeof Buffer);
    return TrimmedErrorText(QString::fromLocal8Bit(Text ? Text : Buffer));
}

QString TrimmedErrorText(const QString& Text)
{
    QString Result = Text;
    qsizetype End = Result.size();
    while (End > 0) {
        const QChar C = Result.at(End - 1);
        if (!(C.isSpace() || C.category() == QChar::Other_Control || C == QLatin1Char('.')))
            break;
        --End;
    }
    Result.truncate(End);
    return Result;
}

TMessageDialogs::TMessageDialogs(IMessageBoxes& Boxes)
    : TMessageDialogs(Boxes, ApplicationTitle())
{
}

TMessageDialogs::TMessageDialogs(IMessageBoxes& Boxes, QString Title)
    : Boxes1(Boxes)
    , Title1(std::move(Title))
{
}

void TMessageDialogs::ShowPlain(const QString& Text) const
{
    Boxes1.ShowPlain(Title1, Text);
}

void TMessageDialogs::ShowFitted(const QString& Text) const
{
    Boxes1.ShowFitted(Title1, Text);
}
