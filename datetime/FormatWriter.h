#pragma once

#include "datetime/TDecodedMoment.h"
#include "datetime/TFormatOp.h"

#include <QString>

#include <cstddef>

// Writes compiled steps for the moment M into Out, replacing its text.
// MaxLength and Bounded are what the recorder counted for them: the longest
// text they write, era texts aside, and whether they have none. Out is
// touched only when its text changes, and allocates nothing when it is
// unshared and has the room (as a reused buffer has).
void WriteFormatOps(QString& Out, const TFormatOp* Ops, std::size_t Count, qsizetype MaxLength, bool Bounded,
                    const TDecodedMoment& M);
