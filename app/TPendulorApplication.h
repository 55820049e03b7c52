#pragma once

#include <QApplication>

#include <exception>
#include <functional>

// The application object: an exception that leaves an event handler is handed
// to the error handler instead of ending the process, and the event loop goes on.
class TPendulorApplication : public QApplication {
    Q_OBJECT

public:
    using TExceptionHandler = std::function<void(QObject* Sender, const std::exception& E)>;

    TPendulorApplication(int& Argc, char** Argv);

    // Until a handler is set, errors take the default report (they end the process).
    void SetExceptionHandler(TExceptionHandler Handler);

    bool notify(QObject* Receiver, QEvent* Event) override;

private:
    void Handle(QObject* Receiver, QEvent* Event, const std::exception& E);

    TExceptionHandler Handler1;
};
