#pragma once

#include <QSpinBox>

// The integer box of the properties dialog: centred text, a value that only
// the spin buttons, the Up/Down/PageUp/PageDown keys and the wheel change (one
// step at a time), typed characters discarded. Positive values can be shown
// with a leading "+", and values can be padded to a number of digits.
class TForm3NumberBox : public QSpinBox {
    Q_OBJECT
public:
    explicit TForm3NumberBox(QWidget* Parent = nullptr);

    void SetShowPlus(bool Show);     // +9 rather than 9
    void SetMinimumDigits(int Digits); // 00 rather than 0

protected:
    QString textFromValue(int Value) const override;
    int valueFromText(const QString& Text) const override;
    QValidator::State validate(QString& Input, int& Pos) const override;
    void keyPressEvent(QKeyEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void inputMethodEvent(QInputMethodEvent* Event) override;

private:
    bool ShowPlus = false;
    int MinimumDigits = 1;
    int WheelRemainder = 0; // angle not yet turned into a step
};
