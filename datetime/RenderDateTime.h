#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QString>
#include <QStringView>

// Renders Moment in the format language. Never fails; an empty Format renders
// as "c".
QString RenderDateTime(QStringView Format, TDateTime Moment, const TFormatSettings& Settings);

// The same into a caller-owned buffer (cleared first), so that a clock tick
// does not allocate once the buffer has grown.
void RenderDateTime(QString& Out, QStringView Format, TDateTime Moment, const TFormatSettings& Settings);
