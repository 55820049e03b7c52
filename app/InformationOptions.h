#pragma once

#include <QStringList>

#include <optional>

// The options that only print something: --version and --help. They are
// answered before the application object exists, so they need no display.
struct TInformationAnswer {
    QString Text; // for standard output; the program then exits with 0
};

// Arguments is the whole command line, the executable first. nullopt when no
// information option is on it (the program then starts as usual). Nothing
// after "--" is an option.
std::optional<TInformationAnswer> AnswerInformationOptions(const QStringList& Arguments);
