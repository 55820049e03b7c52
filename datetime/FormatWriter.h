#pragma once

#include "datetime/TDecodedMoment.h"
#include "datetime/TFormatOp.h"

#include <QString>

#include <cstddef>

// Writes compiled steps for the moment M into Out, replacing its text.
// MaxLength is what the recorder counted for them (every text but an era's):
// Out is sized to it once (no allocation when Out is unshared and has the
// room, as a reused buffer has), written through, and cut to the length
// written.
void WriteFormatOps(QString& Out, const TFormatOp* Ops, std::size_t Count, qsizetype MaxLength,
                    const TDecodedMoment& M);
