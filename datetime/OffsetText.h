#pragma once

#include "datetime/TDateTime.h"

#include <QString>
#include <QStringView>

// "+0900", "-0530", "+0000": sign, then hours and minutes of the magnitude.
QString OffsetText(TDateTime Offset);

// The window tag of an offset: signed hours * 100 + minutes (900, -530).
int OffsetTag(TDateTime Offset);

// Reads the stored offset form (sign or blank, then HHMM). Empty text is 0.
// Hours above 23, minutes above 59 or a negative digit pair yield the default
// +0000; a pair that is no number or runs past the end counts as 0.
TDateTime ParseOffsetText(QStringView Text);
