#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// The name of the first colour-table entry with Color's value, else "$" and
// eight upper-case hexadecimal digits.
QString ColorToText(quint32 Color);

// A table name (any letter case, first entry wins), an integer, "#RRGGBB" or
// "#RGB"; nullopt for any other text.
std::optional<quint32> TextToColor(QStringView Text);
