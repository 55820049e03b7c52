#pragma once

#include "platform/TStyleDefinition.h"

#include <QColor>
#include <QPalette>
#include <QStringView>

#include <span>

// The styles on offer as data: "Windows" (the plain look) first, then the
// shipped styles sorted without regard to case.
std::span<const TStyleDefinition> StyleDefinitions();

// The row of a name in any letter case; null when no style has it.
const TStyleDefinition* FindStyleDefinition(QStringView Name);

const TFamilyLook& FamilyLook(TStyleFamily Family);

// The application palette a row stands for, in all three colour groups.
QPalette StylePalette(const TStyleDefinition& Style);

inline QColor StyleColor(std::uint32_t Rgb) { return QColor::fromRgb(QRgb(0xFF000000u | Rgb)); }

// Colour as near as it can stay to itself while reading on Ground: mixed
// towards black or white (whichever reads better) until its contrast, judged
// as drawn in 8 bits a channel, is at least 4.5:1.
QColor ReadableOn(const QColor& Colour, const QColor& Ground);
