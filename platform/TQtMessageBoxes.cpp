#include "platform/TQtMessageBoxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QStringList>

namespace {

// Reports are built with CR LF line breaks; a label shows a lone CR as a glyph.
QString DisplayText(const QString& Text)
{
    QString Result = Text;
    Result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Result;
}

void CentreOnScreen(QWidget& Box)
{
    Box.adjustSize();
    if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
        QRect Frame = Box.frameGeometry();
        Frame.moveCenter(Screen->availableGeometry().center());
        Box.move(Frame.topLeft());
    }
}

// Size to the longest line instead of wrapping at the box's own limit, but
// never wider than the screen.
void FitToLongestLine(QMessageBox& Box, const QString& Text)
{
    auto* Label = Box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!Label)
        return;
    const QFontMetrics Metrics(Label->font());
    int Widest = 0;
    for (const QString& Line : DisplayText(Text).split(QLatin1Char('\n')))
        Widest = qMax(Widest, Metrics.horizontalAdvance(Line));
    int Limit = 1600;
    if (const QScreen* Screen = QGuiApplication::primaryScreen())
        Limit = Screen->availableGeometry().width() * 9 / 10;
    Label->setWordWrap(Widest + 8 > Limit);
    Label->setMinimumWidth(qMin(Widest + 8, Limit));
}

} // namespace

void TQtMessageBoxes::ShowPlain(const QString& Caption, const QString& Text)
{
    ShowReport(Caption, Text, false);
}

void TQtMessageBoxes::ShowFitted(const QString& Caption, const QString& Text)
{
    ShowReport(Caption, Text, true);
}

void TQtMessageBoxes::ShowReport(const QString& Caption, const QString& Text, bool Fitted)
{
    // Owned by the active window so that it stays above a frame that is kept
    // on top; it is still placed in the middle of the screen. The owner may go
    // away while the box is open, taking the box with it.
    const QPointer<QMessageBox> Box = new QMessageBox(QMessageBox::NoIcon, Caption, DisplayText(Text),
                                                      QMessageBox::Ok, QApplication::activeWindow());
    Box->setTextFormat(Qt::PlainText);
    if (Fitted)
        FitToLongestLine(*Box, Text);
    CentreOnScreen(*Box);
    Box->exec();
    delete Box.data();
}

TMessageAnswer TQtMessageBoxes::Ask(const QString& Caption, const QString& Text, bool WithCancel)
{
    QMessageBox::StandardButtons Buttons = QMessageBox::Yes | QMessageBox::No;
    if (WithCancel)
        Buttons |= QMessageBox::Cancel;
    QMessageBox Box(QMessageBox::Question, Caption, DisplayText(Text), Buttons, QApplication::activeWindow());
    Box.setDefaultButton(QMessageBox::Yes);
    Box.setEscapeButton(WithCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (Box.exec()) {
    case QMessageBox::Yes:
        return TMessageAnswer::Yes;
    case QMessageBox::No:
        return TMessageAnswer::No;
    default:
        return WithCancel ? TMessageAnswer::Cancel : TMessageAnswer::No;
    }
}

bool TQtMessageBoxes::InputQuery(const QString& Caption, const QString& Prompt, QString& Value)
{
    bool Ok = false;
    const QString Entered = QInputDialog::getText(QApplication::activeWindow(), Caption, Prompt,
                                                  QLineEdit::Normal, Value, &Ok);
    if (Ok)
        Value = Entered;
    return Ok;
}
