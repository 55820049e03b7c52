#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>

struct TColorEntry {
    const char16_t* Name;
    quint32 Value;
};

// The colour-name table in its order. Four names occur twice with different
// values; reading takes the first.
std::span<const TColorEntry> ColorTable();

// The name of the first table entry with Color's value, else "$" and eight
// upper-case hexadecimal digits.
QString ColorToText(quint32 Color);

// A table name (any letter case, first entry wins), an integer, "#RRGGBB" or
// "#RGB"; nullopt for any other text.
std::optional<quint32> TextToColor(QStringView Text);
