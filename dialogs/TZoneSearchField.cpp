#include "dialogs/TZoneSearchField.h"

#include "datetime/INowSource.h"
#include "datetime/TZoneCatalog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

const QString TZoneSearchField::FixedOffsetText = QStringLiteral("(fixed offset)");

namespace {

constexpr int ZoneRole = Qt::UserRole + 1;
constexpr int RowsVisible = 16;

// A small triangle in the text colour, as on a drop-down list: the icon
// themes' "down" arrows read as a download.
QIcon ListIcon(const QPalette& Palette)
{
    QIcon Icon;
    for (const int Side : {16, 32}) {
        QPixmap Image(Side, Side);
        Image.fill(Qt::transparent);
        QPainter Painter(&Image);
        Painter.setRenderHint(QPainter::Antialiasing);
        Painter.setPen(Qt::NoPen);
        Painter.setBrush(Palette.color(QPalette::Text));
        const double Unit = Side / 16.0;
        const QPointF Points[] = {{4 * Unit, 6 * Unit}, {12 * Unit, 6 * Unit}, {8 * Unit, 11 * Unit}};
        Painter.drawPolygon(Points, 3);
        Painter.end();
        Icon.addPixmap(Image);
    }
    return Icon;
}

} // namespace

TZoneSearchField::TZoneSearchField(const INowSource& Now, std::function<QString()> UserLocale, QWidget* Parent)
    : QLineEdit(Parent)
    , Now_(Now)
    , UserLocale_(std::move(UserLocale))
{
    setObjectName(QStringLiteral("TimeZoneSearch"));
    setPlaceholderText(QStringLiteral("City, country, zone or abbreviation"));
    setText(FixedOffsetText);
    Rows_ = new QStandardItemModel(this);
    // The rows are the search's own result: the completer shows them as
    // they are, without a prefix filter of its own.
    Completer_ = new QCompleter(Rows_, this);
    Completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    Completer_->setMaxVisibleItems(RowsVisible);
    Completer_->setWidget(this);
    connect(Completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& Index) { Pick(Index.row()); });
    connect(this, &QLineEdit::textEdited, this, &TZoneSearchField::ShowMatches);
    QAction* List = addAction(ListIcon(palette()), QLineEdit::TrailingPosition);
    List->setToolTip(QStringLiteral("All time zones"));
    connect(List, &QAction::triggered, this, &TZoneSearchField::ShowAll);
}

TZoneSearchField::~TZoneSearchField() = default;

TZoneCatalog& TZoneSearchField::Catalog()
{
    // Reading the names of every zone takes a few dozen milliseconds: only
    // when the zones are first needed.
    if (!Catalog_)
        Catalog_ = std::make_unique<TZoneCatalog>(UserLocale_ ? UserLocale_() : QString());
    return *Catalog_;
}

QString TZoneSearchField::ShownText(const QString& Id)
{
    if (Id.isEmpty())
        return FixedOffsetText;
    const int Index = Catalog().Find(Id);
    return Index < 0 ? FixedOffsetText : Catalog().RowText(Index, Now_.Read().UtcMs);
}

void TZoneSearchField::SetZone(const QString& Id)
{
    Zone_ = Id;
    setText(ShownText(Id));
    setCursorPosition(0);
}

void TZoneSearchField::Search(const QString& Text)
{
    const qint64 Utc = Now_.Read().UtcMs;
    TZoneCatalog& Zones = Catalog();
    const QList<int> Found = Zones.Search(Text, Utc);
    Rows_->clear();
    auto* Fixed = new QStandardItem(FixedOffsetText);
    Fixed->setData(QString(), ZoneRole);
    Rows_->appendRow(Fixed);
    for (const int Index : Found) {
        auto* Row = new QStandardItem(Zones.RowText(Index, Utc));
        Row->setData(Zones.Id(Index), ZoneRole);
        Rows_->appendRow(Row);
    }
}

QString TZoneSearchField::RowZone(int Row) const
{
    return Rows_->data(Rows_->index(Row, 0), ZoneRole).toString();
}

void TZoneSearchField::Pick(int Row)
{
    if (Row < 0 || Row >= Rows_->rowCount())
        return;
    SetZone(RowZone(Row));
    Q_EMIT ZonePicked(Zone_);
}

void TZoneSearchField::ShowMatches(const QString& Text)
{
    Search(Text);
    Completer_->complete();
    // A new list starts with no row chosen.
    Completer_->popup()->setCurrentIndex(QModelIndex());
}

void TZoneSearchField::ShowAll()
{
    ShowMatches(QString());
}

void TZoneSearchField::inputMethodEvent(QInputMethodEvent* Event)
{
    // Text committed by an input method (kanji, hangul) is typed text too.
    const QString Before = text();
    QLineEdit::inputMethodEvent(Event);
    if (text() != Before)
        ShowMatches(text());
}

void TZoneSearchField::focusInEvent(QFocusEvent* Event)
{
    QLineEdit::focusInEvent(Event);
    // Typing replaces the shown zone, also after a click (the click itself
    // would place the cursor).
    if (Event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void TZoneSearchField::focusOutEvent(QFocusEvent* Event)
{
    QLineEdit::focusOutEvent(Event);
    // Text typed but not picked is dropped: the field shows its zone again.
    if (Event->reason() != Qt::PopupFocusReason && !Completer_->popup()->isVisible())
        setText(ShownText(Zone_));
}

void TZoneSearchField::keyPressEvent(QKeyEvent* Event)
{
    // Alt+Down opens the whole list, as a drop-down list would.
    if (Event->key() == Qt::Key_Down && (Event->modifiers() & Qt::AltModifier)) {
        ShowAll();
        return;
    }
    // Enter on typed text takes the best match, rather than closing the
    // dialog with a zone the user did not see.
    const bool Enter = Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter;
    if (Enter && Completer_->popup()->isVisible() && Completer_->popup()->currentIndex().isValid()) {
        Event->ignore(); // the list picks its chosen row
        return;
    }
    if (Enter && text() != ShownText(Zone_)) {
        Search(text());
        Pick(Rows_->rowCount() > 1 ? 1 : 0);
        return;
    }
    QLineEdit::keyPressEvent(Event);
}
