#pragma once

#include <QFont>
#include <QLineEdit>

// A text field that shows its text in a chosen font as a preview, at most as
// tall as the room it is given: a large font is shown smaller, in its own
// face and style, instead of making the field (and its dialog) grow.
class TFontPreviewEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFontPreviewEdit(QWidget* Parent = nullptr);

    // The font to preview; the field shows it at its own size when that fits.
    void SetPreviewFont(const QFont& Font);
    const QFont& PreviewFont() const { return Wanted1; }
    // The most height the field may take; 0 for no limit.
    void SetHeightLimit(int Pixels);

private:
    void Refit();

    QFont Wanted1;
    int HeightLimit1 = 0;
};
