#pragma once

#include "datetime/TDateTime.h"
#include "datetime/TFormatSettings.h"

#include <QString>
#include <QStringView>

// Renders Moment in the format language; an empty Format renders as "c".
// Every character of any format renders to something or to nothing: only a
// failed allocation throws (the buffer form then keeps what was written).
QString RenderDateTime(QStringView Format, TDateTime Moment, const TFormatSettings& Settings);

// The same into a caller-owned buffer (cleared first), so that a clock tick
// does not allocate once the buffer has grown.
void RenderDateTime(QString& Out, QStringView Format, TDateTime Moment, const TFormatSettings& Settings);
