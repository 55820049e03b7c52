#pragma once

#include "platform/IFontChooser.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

// The dialog behind TFontChooser; the font part is an embedded QFontDialog.
class TFontChooserDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TFontChooserDialog(const TFontChoice& Initial, QWidget* Parent = nullptr);

    TFontChoice Choice() const;
    void SetColor(const QColor& Color);

    QFontDialog* FontPart = nullptr;
    QPushButton* ColorButton = nullptr;

private:
    void ColorButtonClick();

    QColor Color_;
};
