// Feeds arbitrary bytes to the formatter: the first eight are the moment (any
// bit pattern: NaN, infinities, huge values), the rest a UTF-16 format string,
// unpaired surrogates and NULs included. The same string also goes through
// the picture translations, whose output is rendered as well.
#include "datetime/RenderDateTime.h"
#include "datetime/TFormatSettings.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < sizeof(double))
        return 0;
    double moment = 0;
    std::memcpy(&moment, Data, sizeof moment);
    Data += sizeof moment;
    Size -= sizeof moment;

    QString format(qsizetype(Size / 2), Qt::Uninitialized);
    std::memcpy(format.data(), Data, (Size / 2) * 2);

    static const TFormatSettings settings;
    static QString buffer;
    RenderDateTime(buffer, format, moment, settings);
    const QString copy = RenderDateTime(format, moment, settings);
    if (copy != buffer)
        __builtin_trap(); // both overloads must agree

    TFormatSettings translated;
    translated.ShortDateFormat = ConvertDatePicture(format, u'.', 3, 0x11);
    translated.LongTimeFormat = ConvertTimePicture(format, u'.');
    RenderDateTime(buffer, u"ddddd|c", moment, translated);
    return 0;
}
