#include "app/TPendulorApplication.h"

#include "common/BuildInfo.h"

#include <QEvent>
#include <QIcon>

#include <stdexcept>

TPendulorApplication::TPendulorApplication(int& Argc, char** Argv)
    : QApplication(Argc, Argv)
{
    // The desktop entry's name: Wayland compositors and task bars find the
    // entry, and with it the icon, through it.
    setDesktopFileName(ApplicationId);
    QIcon Icon = QIcon::fromTheme(ApplicationId);
    if (Icon.isNull()) {
        // Not installed: the sizes built in.
        for (const int Size : {16, 24, 32, 48, 64, 128, 256})
            Icon.addFile(QStringLiteral(":/icons/Pendulor-%1.png").arg(Size), QSize(Size, Size));
    }
    setWindowIcon(Icon);
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
