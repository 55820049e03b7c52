#include "app/TCitySearchBox.h"

#include "dialogs/TZoneSearchField.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr int BoxWidthInAverageCharacters = 48;

} // namespace

TCitySearchBox::TCitySearchBox(std::shared_ptr<TZoneCatalogSource> Zones, QWidget* Parent)
    : QFrame(Parent)
{
    setObjectName(QStringLiteral("CitySearchBox"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* Layout = new QHBoxLayout(this);
    auto* Label = new QLabel(QStringLiteral("New clock for"), this);
    Field_ = new TZoneSearchField(Now_, std::move(Zones), this);
    Field_->SetOffersFixedOffset(false);
    Label->setBuddy(Field_);
    Layout->addWidget(Label);
    Layout->addWidget(Field_, 1);
    Field_->installEventFilter(this);
    Field_->Completer()->popup()->installEventFilter(this);
    connect(Field_, &TZoneSearchField::ZonePicked, this, [this](const QString& Zone, const QString& Name) {
        if (Zone.isEmpty())
            return;
        Close();
        Q_EMIT CityPicked(Name, Zone);
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* Now) { FocusMoved(Now); });
    hide();
}

void TCitySearchBox::Open()
{
    QWidget* Over = parentWidget();
    const int Width = std::min(Over->width() - 8, fontMetrics().averageCharWidth() * BoxWidthInAverageCharacters);
    resize(std::max(Width, 120), sizeHint().height());
    move((Over->width() - width()) / 2, 4);
    Field_->SetZone(QString());
    show();
    raise();
    Field_->setFocus(Qt::ShortcutFocusReason);
}

void TCitySearchBox::Close()
{
    Field_->Completer()->popup()->hide();
    hide();
}

void TCitySearchBox::FocusMoved(QWidget* Now)
{
    // A click elsewhere ends the search; the list of rows is part of it.
    if (isVisible() && Now && Now != Field_ && Now != Field_->Completer()->popup())
        Close();
}

bool TCitySearchBox::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Escape) {
        Close();
        return true;
    }
    return QFrame::eventFilter(Watched, Event);
}
