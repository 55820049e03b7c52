#include "platform/TFontChooserDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TFontChooserDialog::TFontChooserDialog(const TFontChoice& Initial, QWidget* Parent)
    : QDialog(Parent)
{
    setWindowTitle(tr("Font"));

    // Qt's font dialog as a plain child widget: its own buttons off, never the
    // desktop's native dialog (which has no colour and cannot be embedded).
    FontPart = new QFontDialog(this);
    FontPart->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    FontPart->setWindowFlags(Qt::Widget);
    FontPart->setCurrentFont(Initial.Font);

    auto* colorLabel = new QLabel(tr("&Color:"), this);
    ColorButton = new QPushButton(this);
    ColorButton->setObjectName(QStringLiteral("ColorButton"));
    colorLabel->setBuddy(ColorButton);
    connect(ColorButton, &QPushButton::clicked, this, &TFontChooserDialog::ColorButtonClick);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(ColorButton);
    colorRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FontPart);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    SetColor(Initial.Color.isValid() ? Initial.Color : QColor(Qt::black));
}

TFontChoice TFontChooserDialog::Choice() const
{
    return TFontChoice{FontPart->currentFont(), Color_};
}

void TFontChooserDialog::SetColor(const QColor& Color)
{
    Color_ = Color.toRgb();
    Color_.setAlpha(255); // stored colours are plain colours
    QPixmap swatch(32, 14);
    swatch.fill(Color_);
    ColorButton->setIcon(QIcon(swatch));
    ColorButton->setIconSize(swatch.size());
    ColorButton->setText(Color_.name(QColor::HexRgb).toUpper());
}

void TFontChooserDialog::ColorButtonClick()
{
    const QColor chosen = QColorDialog::getColor(Color_, this, tr("Color"));
    if (chosen.isValid())
        SetColor(chosen);
}
