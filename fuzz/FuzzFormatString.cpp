// Feeds arbitrary bytes to the formatter: the first eight are the moment (any
// bit pattern: NaN, infinities, huge values), the rest UTF-16 text, unpaired
// surrogates and NULs included. The text is cut at U+0001 into the format
// and, when present, the settings' short date, long date, short time and long
// time formats, AM and PM texts, the date and time separators and a text for
// every long month and day name. The one-off renderer, its buffer overload
// and a compiled format (rendered twice, the second time a little later)
// must all give what the plain reference renderer beside this file gives.
// The format also goes through the picture translations, rendered as well.
#include "ReferenceRenderDateTime.h"

#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "datetime/TCompiledFormat.h"
#include "datetime/TFormatSettings.h"
#include "platform/locale/TIcuLocaleDatabase.h"

#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// UTF-16 code units in hex: the texts may hold anything.
QByteArray Units(const QString& Text)
{
    QByteArray out;
    for (const QChar c : Text)
        out += QByteArray::number(c.unicode(), 16) + ' ';
    return out;
}

void Check(const QString& Actual, const QString& Expected, const char* Who, const QString& Format)
{
    if (Actual == Expected)
        return;
    std::fprintf(stderr, "%s renders [%s] as [%s], the reference as [%s]\n", Who, Units(Format).constData(),
                 Units(Actual).constData(), Units(Expected).constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Japanese: the era tokens then have a calendar to ask.
    static TIcuLocaleDatabase japanese(1041);
    ProcessLocale::Init(japanese);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size < sizeof(double))
        return 0;
    double moment = 0;
    std::memcpy(&moment, Data, sizeof moment);
    Data += sizeof moment;
    Size -= sizeof moment;

    QString text(qsizetype(Size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), Data, (Size / 2) * 2);
    const QStringList parts = text.split(QChar(1));
    const QString& format = parts[0];

    static const TFormatSettings defaults = [] {
        TFormatSettings s;
        s.TimeAMString = QStringLiteral("AM");
        s.TimePMString = QStringLiteral("PM");
        return s;
    }();
    TFormatSettings settings = defaults;
    QString* const fields[] = {&settings.ShortDateFormat, &settings.LongDateFormat, &settings.ShortTimeFormat,
                               &settings.LongTimeFormat,  &settings.TimeAMString,   &settings.TimePMString};
    for (qsizetype i = 1; i < parts.size() && i <= 6; ++i)
        *fields[i - 1] = parts[i];
    if (parts.size() > 7)
        settings.DateSeparator = parts[7].isEmpty() ? QChar() : parts[7][0];
    if (parts.size() > 8)
        settings.TimeSeparator = parts[8].isEmpty() ? QChar() : parts[8][0];
    if (parts.size() > 9) {
        for (QString& name : settings.LongMonthNames)
            name = parts[9];
        for (QString& name : settings.LongDayNames)
            name = parts[9];
    }

    const QString expected = Reference::RenderDateTime(format, moment, settings);
    static QString buffer; // reused, as a clock's is
    RenderDateTime(buffer, format, moment, settings);
    Check(buffer, expected, "RenderDateTime into a buffer", format);
    Check(RenderDateTime(format, moment, settings), expected, "RenderDateTime", format);

    TCompiledFormat compiled(format, settings);
    compiled.Render(buffer, moment);
    Check(buffer, expected, "TCompiledFormat", format);
    const double later = moment + 0.3 / 24; // 18 minutes: sometimes the next day
    compiled.Render(buffer, later);
    Check(buffer, Reference::RenderDateTime(format, later, settings), "TCompiledFormat, later", format);

    TFormatSettings translated;
    translated.ShortDateFormat = ConvertDatePicture(format, u'.', 3, 0x11);
    translated.LongTimeFormat = ConvertTimePicture(format, u'.');
    RenderDateTime(buffer, u"ddddd|c", moment, translated);
    return 0;
}
