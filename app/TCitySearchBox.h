#pragma once

#include "datetime/INowSource.h"

#include <QFrame>

#include <memory>

class TZoneCatalogSource;
class TZoneSearchField;

// File > "New for a City...": a small search field over the frame. Typing
// lists cities and zones; Enter or a click on a row reports the pick and
// closes the box; Escape, or the focus going elsewhere, closes it with
// nothing made.
class TCitySearchBox : public QFrame {
    Q_OBJECT
public:
    // Zones is the run's catalog, shared with the properties dialog.
    TCitySearchBox(std::shared_ptr<TZoneCatalogSource> Zones, QWidget* Parent);

    // Shows the box empty at the top of Parent's middle, with the focus.
    void Open();
    TZoneSearchField* Field() const { return Field_; }

Q_SIGNALS:
    // The user picked Zone (an IANA id) for a place called Name.
    void CityPicked(const QString& Name, const QString& Zone);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void Close();
    void FocusMoved(QWidget* Now);

    TSystemNow Now_;
    TZoneSearchField* Field_ = nullptr;
};
