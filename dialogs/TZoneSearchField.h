#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>
#include <memory>

class INowSource;
class QCompleter;
class QStandardItemModel;
class TZoneCatalog;
class TZoneCatalogSource;

// A search field for a clock's time zone: typing lists the cities and zones
// whose names hold the text, each with its current offset from UTC; the
// whole list (an empty field) starts with "(fixed offset)". Picking a row
// makes its zone the field's zone.
class TZoneSearchField : public QLineEdit {
    Q_OBJECT
public:
    // Zones is the run's catalog, shared with the other search fields.
    TZoneSearchField(const INowSource& Now, std::shared_ptr<TZoneCatalogSource> Zones, QWidget* Parent = nullptr);
    ~TZoneSearchField() override;

    // The zone kept, an IANA id; empty for a fixed offset. An id the
    // database does not know is kept as well, and shows as "(fixed offset)".
    QString Zone() const { return Zone_; }
    // Keeps Id and shows it; no signal.
    void SetZone(const QString& Id);
    // Whether "(fixed offset)" is a choice (by default); without it an
    // empty zone shows as an empty field.
    void SetOffersFixedOffset(bool Offered) { FixedOffsetOffered_ = Offered; }

    // The rows offered for Text: the matches ("(fixed offset)" first when
    // Text is empty), or one disabled row saying that nothing matches.
    void Search(const QString& Text);
    // The zone behind a row of the list; empty for "(fixed offset)".
    QString RowZone(int Row) const;
    bool RowPickable(int Row) const;
    QCompleter* Completer() const { return Completer_; }

    static const QString FixedOffsetText;
    static const QString NoMatchText;

Q_SIGNALS:
    // The user picked a row: a zone, or "" for "(fixed offset)"; Place is
    // the row's city in the user's language (empty for "(fixed offset)").
    void ZonePicked(const QString& Id, const QString& Place);

protected:
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void inputMethodEvent(QInputMethodEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    TZoneCatalog& Catalog();
    QString ShownText(const QString& Id);
    void Pick(int Row);
    void ShowAll();
    void ShowMatches(const QString& Text);

    const INowSource& Now_;
    std::shared_ptr<TZoneCatalogSource> Zones_;
    QStandardItemModel* Rows_ = nullptr;
    QCompleter* Completer_ = nullptr;
    QString Zone_;
    bool FixedOffsetOffered_ = true;
};
