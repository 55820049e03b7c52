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

// The text of any error: an EPendulorError's own message, else what() in the
// local encoding.
inline QString MessageOf(const std::exception& E)
{
    if (const auto* own = dynamic_cast<const EPendulorError*>(&E))
        return own->Message();
    return QString::fromLocal8Bit(E.what());
}
