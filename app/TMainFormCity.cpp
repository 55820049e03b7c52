// File > "New for a City...": a clock for a city in one step.
#include "app/TCitySearchBox.h"
#include "app/TMainForm.h"
#include "clock/TMDIChild.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void TMainForm::FileNewCity1Execute()
{
    if (!CitySearch1) {
        CitySearch1 = new TCitySearchBox(ZoneCatalogs_, MdiArea1);
        connect(CitySearch1, &TCitySearchBox::CityPicked, this, &TMainForm::NewClockForCity);
    }
    CitySearch1->Open();
}

void TMainForm::NewClockForCity(const QString& Name, const QString& Zone)
{
    // Made and placed as File > New makes a clock, then given its place.
    OpenClockFile(QString());
    const QList<QMdiSubWindow*> Windows = MdiArea1->subWindowList(QMdiArea::CreationOrder);
    auto* Clock = Windows.isEmpty() ? nullptr : qobject_cast<TMDIChild*>(Windows.last());
    if (!Clock)
        return;
    Clock->SetClockName(Name);
    Clock->SetTimeZone(Zone);
    Clock->Timer1Timer(); // the tick takes the zone's offset from this PC
    Clock->SetOffset(Clock->ClockData().OffsetTime); // the caption shows it, as after an edit
}
