#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>
#include <memory>

class INowSource;
class QCompleter;
class QStandardItemModel;
class TZoneCatalog;

// A search field for a clock's time zone: typing lists the zones whose
// names hold the text, each with its current offset from UTC, under a first
// entry "(fixed offset)"; picking one makes it the field's zone.
class TZoneSearchField : public QLineEdit {
    Q_OBJECT
public:
    // UserLocale names the language searched besides English ("ja-JP"); it is
    // asked when the zones are first needed.
    TZoneSearchField(const INowSource& Now, std::function<QString()> UserLocale, QWidget* Parent = nullptr);
    ~TZoneSearchField() override;

    // The zone kept, an IANA id; empty for a fixed offset. An id the
    // database does not know is kept as well, and shows as "(fixed offset)".
    QString Zone() const { return Zone_; }
    // Keeps Id and shows it; no signal.
    void SetZone(const QString& Id);

    // The rows offered for Text: "(fixed offset)" first, then the matches.
    void Search(const QString& Text);
    // The zone behind a row of the list; empty for "(fixed offset)".
    QString RowZone(int Row) const;
    QCompleter* Completer() const { return Completer_; }

    static const QString FixedOffsetText;

Q_SIGNALS:
    // The user picked a row: a zone, or "" for "(fixed offset)".
    void ZonePicked(const QString& Id);

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
    std::function<QString()> UserLocale_;
    std::unique_ptr<TZoneCatalog> Catalog_;
    QStandardItemModel* Rows_ = nullptr;
    QCompleter* Completer_ = nullptr;
    QString Zone_;
};
