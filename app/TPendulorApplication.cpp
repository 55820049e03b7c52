#include "app/TPendulorApplication.h"

#include <QEvent>

#include <stdexcept>

TPendulorApplication::TPendulorApplication(int& Argc, char** Argv)
    : QApplication(Argc, Argv)
{
}

void TPendulorApplication::SetExceptionHandler(TExceptionHandler Handler)
{
    Handler1 = std::move(Handler);
}

bool TPendulorApplication::notify(QObject* Receiver, QEvent* Event)
{
    if (!Handler1)
        return QApplication::notify(Receiver, Event);
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& E) {
        Handle(Receiver, Event, E);
    } catch (...) {
        Handle(Receiver, Event, std::runtime_error("Unknown error"));
    }
    return false;
}

void TPendulorApplication::Handle(QObject* Receiver, QEvent* Event, const std::exception& E)
{
    // A close that failed half-way must not go on as accepted: the window
    // would disappear with its data unsaved.
    if (Event->type() == QEvent::Close)
        Event->ignore();
    try {
        Handler1(Receiver, E);
    } catch (const std::exception& Inner) {
        qWarning("Error while reporting an error: %s (first: %s)", Inner.what(), E.what());
    }
}
