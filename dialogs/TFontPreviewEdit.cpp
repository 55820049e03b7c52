#include "dialogs/TFontPreviewEdit.h"

#include <QFontInfo>

TFontPreviewEdit::TFontPreviewEdit(QWidget* Parent)
    : QLineEdit(Parent), Wanted1(font())
{
}

void TFontPreviewEdit::SetPreviewFont(const QFont& Font)
{
    Wanted1 = Font;
    Refit();
}

void TFontPreviewEdit::SetHeightLimit(int Pixels)
{
    if (Pixels == HeightLimit1)
        return;
    HeightLimit1 = Pixels;
    Refit();
}

void TFontPreviewEdit::Refit()
{
    setFont(Wanted1);
    if (HeightLimit1 <= 0 || sizeHint().height() <= HeightLimit1)
        return;
    // The largest pixel size below the wanted one whose field fits: the
    // field's height grows with the font's, so a binary search finds it.
    int Fits = 1;
    int TooLarge = QFontInfo(Wanted1).pixelSize();
    QFont Candidate = Wanted1;
    while (TooLarge - Fits > 1) {
        const int Middle = (Fits + TooLarge) / 2;
        Candidate.setPixelSize(Middle);
        setFont(Candidate);
        (sizeHint().height() <= HeightLimit1 ? Fits : TooLarge) = Middle;
    }
    Candidate.setPixelSize(Fits);
    setFont(Candidate);
}
