#pragma once

#include <QString>

#include <stdexcept>

// The system's error: an exception that carries the text shown to the user.
class EPendulorError : public std::runtime_error {
public:
    explicit EPendulorError(const QString& Message)
        : std::runtime_error(Message.toStdString()), Message_(Message) {}

    const QString& Message() const noexcept { return Message_; }

private:
    QString Message_;
};
