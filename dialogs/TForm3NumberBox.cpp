#include "dialogs/TForm3NumberBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

TForm3NumberBox::TForm3NumberBox(QWidget* Parent)
    : QSpinBox(Parent)
{
    setAlignment(Qt::AlignCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    setKeyboardTracking(false);
    // The text is only ever what the value renders; paste, cut, undo and drops
    // go through the line edit, so it must not take them.
    lineEdit()->setReadOnly(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TForm3NumberBox::SetShowPlus(bool Show)
{
    ShowPlus = Show;
    lineEdit()->setText(textFromValue(value()));
    updateGeometry();
}

void TForm3NumberBox::SetMinimumDigits(int Digits)
{
    MinimumDigits = Digits;
    lineEdit()->setText(textFromValue(value()));
    updateGeometry();
}

QString TForm3NumberBox::textFromValue(int Value) const
{
    QString Digits = QString::number(Value < 0 ? -qint64(Value) : qint64(Value));
    if (Digits.size() < MinimumDigits)
        Digits.prepend(QString(MinimumDigits - Digits.size(), u'0'));
    if (Value < 0)
        return u'-' + Digits;
    if (Value > 0 && ShowPlus)
        return u'+' + Digits;
    return Digits;
}

int TForm3NumberBox::valueFromText(const QString& Text) const
{
    bool Ok = false;
    const int Value = Text.trimmed().toInt(&Ok, 10);
    return Ok ? Value : value();
}

QValidator::State TForm3NumberBox::validate(QString& Input, int& Pos) const
{
    Q_UNUSED(Pos);
    bool Ok = false;
    const int Value = Input.trimmed().toInt(&Ok, 10);
    return Ok && Value >= minimum() && Value <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
}

void TForm3NumberBox::keyPressEvent(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        stepBy(1);
        Event->accept();
        return;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        stepBy(-1);
        Event->accept();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Focus moves and the dialog's default and cancel keys stay with the dialog.
        QSpinBox::keyPressEvent(Event);
        return;
    default:
        // Every other key, typed characters and Backspace included, is discarded.
        Event->accept();
        return;
    }
}

void TForm3NumberBox::wheelEvent(QWheelEvent* Event)
{
    // One notch is one step, whatever the modifiers; high-resolution wheels
    // send fractions of a notch, which add up.
    WheelRemainder += Event->angleDelta().y();
    const int Steps = WheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    WheelRemainder -= Steps * QWheelEvent::DefaultDeltasPerStep;
    if (Steps != 0)
        stepBy(Steps);
    Event->accept();
}

void TForm3NumberBox::inputMethodEvent(QInputMethodEvent* Event)
{
    Event->accept();
}
