#include "datetime/RenderDateTime.h"

#include "datetime/TDecodedMoment.h"
#include "datetime/TDirectWriter.h"
#include "datetime/TFormatScanner.h"

#include <cstdint>

void RenderDateTime(QString& Out, QStringView Format, TDateTime Moment, const TFormatSettings& Settings)
{
    // A format that lives inside Out, or an Out that is one of the settings'
    // strings, would be overwritten while it is read: render into a copy.
    const auto begin = reinterpret_cast<std::uintptr_t>(Out.constData());
    const auto format = reinterpret_cast<std::uintptr_t>(Format.utf16());
    const auto self = reinterpret_cast<std::uintptr_t>(&Out);
    const auto settings = reinterpret_cast<std::uintptr_t>(&Settings);
    const bool formatInOut = !Format.isEmpty() && format >= begin
                             && format < begin + std::uintptr_t(Out.capacity()) * sizeof(char16_t);
    if (formatInOut || (self >= settings && self < settings + sizeof(TFormatSettings))) {
        const QString formatCopy = Format.toString();
        QString result;
        RenderDateTime(result, formatCopy, Moment, Settings);
        Out = result;
        return;
    }

    // Scanned and written in one pass: a format rendered once gains nothing
    // from a list of steps (TCompiledFormat keeps one for formats rendered
    // again and again).
    const TDecodedMoment decoded(Moment);
    TDirectWriter writer(Out, decoded);
    try {
        TFormatScanner<TDirectWriter>(writer, Settings).Scan(Format.isEmpty() ? QStringView(u"c") : Format, 1);
    } catch (...) {
        writer.Abandon();
        throw;
    }
    writer.Finish();
}

QString RenderDateTime(QStringView Format, TDateTime Moment, const TFormatSettings& Settings)
{
    QString out;
    RenderDateTime(out, Format, Moment, Settings);
    return out;
}
