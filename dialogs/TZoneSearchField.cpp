#include "dialogs/TZoneSearchField.h"

#include "datetime/INowSource.h"
#include "datetime/TZoneCatalog.h"
#include "datetime/TZoneCatalogSource.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyledItemDelegate>
#include <QAction>
#include <QCompleter>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

const QString TZoneSearchField::FixedOffsetText = QStringLiteral("(fixed offset)");
const QString TZoneSearchField::NoMatchText = QStringLiteral("No city or time zone matches");

namespace {

constexpr int ZoneRole = Qt::UserRole + 1;
constexpr int PlaceRole = Qt::UserRole + 2;
constexpr int RowsVisible = 16;
// A short query matches thousands of cities: no one scrolls past these.
constexpr int RowsListed = 300;
constexpr int RowCharacters = 84;

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

// A row of the list: the place in the text colour, the zone id after it in
// the muted one.
class TZoneRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        QStyleOptionViewItem Item = Option;
        initStyleOption(&Item, Index);
        const QString Text = Item.text;
        const qsizetype Split = Text.lastIndexOf(IdSeparator);
        if (Split < 0) {
            QStyledItemDelegate::paint(Painter, Option, Index);
            return;
        }
        Item.text.clear();
        const QWidget* View = Option.widget;
        QStyle* Style = View ? View->style() : QApplication::style();
        Style->drawControl(QStyle::CE_ItemViewItem, &Item, Painter, View);
        const QRect Area = Style->subElementRect(QStyle::SE_ItemViewItemText, &Item, View).adjusted(2, 0, -2, 0);
        const bool Chosen = Item.state & QStyle::State_Selected;
        const QPalette::ColorGroup Group = Item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        const QString Place = Text.left(Split);
        const QString Id = Text.mid(Split + IdSeparator.size());
        Painter->save();
        Painter->setFont(Item.font);
        Painter->setPen(Item.palette.color(Group, Chosen ? QPalette::HighlightedText : QPalette::Text));
        const QString Shown = Item.fontMetrics.elidedText(Place, Qt::ElideRight, Area.width());
        Painter->drawText(Area, Qt::AlignLeft | Qt::AlignVCenter, Shown);
        const int IdLeft = Area.left() + Item.fontMetrics.horizontalAdvance(Shown + QStringLiteral("   "));
        if (IdLeft < Area.right()) {
            Painter->setPen(Item.palette.color(QPalette::Disabled, Chosen ? QPalette::HighlightedText : QPalette::Text));
            Painter->drawText(QRect(IdLeft, Area.top(), Area.right() - IdLeft, Area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, Id);
        }
        Painter->restore();
    }

    static inline const QString IdSeparator = QStringLiteral(" \u2014 ");
};

} // namespace

TZoneSearchField::TZoneSearchField(const INowSource& Now, std::shared_ptr<TZoneCatalogSource> Zones, QWidget* Parent)
    : QLineEdit(Parent)
    , Now_(Now)
    , Zones_(std::move(Zones))
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
    Completer_->popup()->setItemDelegate(new TZoneRowDelegate(Completer_->popup()));
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
    // Built by the first search of the run: it takes a few dozen milliseconds.
    return Zones_->Catalog();
}

QString TZoneSearchField::ShownText(const QString& Id)
{
    if (Id.isEmpty())
        return FixedOffsetOffered_ ? FixedOffsetText : QString();
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
    // "(fixed offset)" is a choice of its own, not a match of typed text.
    if (FixedOffsetOffered_ && Text.trimmed().isEmpty()) {
        auto* Fixed = new QStandardItem(FixedOffsetText);
        Fixed->setData(QString(), ZoneRole);
        Rows_->appendRow(Fixed);
    }
    for (const int Index : Found.mid(0, RowsListed)) {
        auto* Row = new QStandardItem(Zones.RowText(Index, Utc));
        Row->setData(Zones.Id(Index), ZoneRole);
        Row->setData(Zones.Name(Index), PlaceRole);
        Rows_->appendRow(Row);
    }
    if (Rows_->rowCount() == 0) {
        auto* None = new QStandardItem(NoMatchText);
        None->setFlags(Qt::NoItemFlags);
        Rows_->appendRow(None);
    }
}

QString TZoneSearchField::RowZone(int Row) const
{
    return Rows_->data(Rows_->index(Row, 0), ZoneRole).toString();
}

bool TZoneSearchField::RowPickable(int Row) const
{
    return Row >= 0 && Row < Rows_->rowCount() && Rows_->item(Row)->isEnabled();
}

void TZoneSearchField::Pick(int Row)
{
    if (!RowPickable(Row))
        return;
    const QString Place = Rows_->data(Rows_->index(Row, 0), PlaceRole).toString();
    // The list goes at once, so the next click reaches what it is aimed at.
    Completer_->popup()->hide();
    SetZone(RowZone(Row));
    Q_EMIT ZonePicked(Zone_, Place);
}

void TZoneSearchField::ShowMatches(const QString& Text)
{
    Search(Text);
    // The list is wider than a narrow field: a row holds a city, its state,
    // its country and its zone.
    const int Wide = fontMetrics().averageCharWidth() * RowCharacters;
    const int Room = screen()->availableGeometry().right() - mapToGlobal(QPoint(0, 0)).x();
    Completer_->complete(QRect(0, 0, std::max(width(), std::min(Wide, Room)), height()));
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
    // Enter picks (the chosen row, else the best match of typed text) and
    // never reaches the dialog's default button: a key typed here must not
    // close the dialog with a zone the user did not see.
    const bool Enter = Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter;
    if (Enter) {
        QAbstractItemView* List = Completer_->popup();
        if (List->isVisible() && List->currentIndex().isValid())
            Pick(List->currentIndex().row());
        else if (text() != ShownText(Zone_)) {
            Search(text());
            Pick(0);
        }
        Event->accept();
        return;
    }
    // Escape with typed text drops the text (and the list) first.
    if (Event->key() == Qt::Key_Escape && text() != ShownText(Zone_)) {
        Completer_->popup()->hide();
        setText(ShownText(Zone_));
        Event->accept();
        return;
    }
    QLineEdit::keyPressEvent(Event);
}
