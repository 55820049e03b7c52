#pragma once

#include "common/AnsiCodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// How a text file's bytes hold its characters, kept so that a file is written
// back the way it was read.
struct TTextEncoding {
    enum TKind { Utf8, Utf8Bom, Utf16LE, Utf16BE, Legacy };

    TKind Kind = Utf8;
    QByteArray Converter; // the ICU converter of a Legacy file

    friend bool operator==(const TTextEncoding&, const TTextEncoding&) = default;

    // By byte-order mark; without one, valid UTF-8 is Utf8 and anything else
    // is the ANSI code page of LegacyLocale (the caller's choice, usually the
    // process locale).
    static TTextEncoding Detect(const QByteArray& Bytes, LCID LegacyLocale);

    // The text of Bytes (without its mark). Throws EPendulorError with the
    // reason when the bytes are not valid in an encoding that a mark declares
    // (an odd UTF-16 byte count, a lone surrogate, a bad UTF-8 sequence).
    QString Decode(const QByteArray& Bytes) const;

    // Text with this encoding's mark. Text that a legacy code page cannot
    // represent whole is written as UTF-8 with its mark instead, so that no
    // character is lost.
    QByteArray Encode(QStringView Text) const;
};
