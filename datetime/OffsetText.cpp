#include "datetime/OffsetText.h"

#include "common/TIniFile.h"

#include <cmath>

namespace {

constexpr double MinutesPerDay = 1440.0;

int WholeMinutes(TDateTime Offset) { return int(std::lround(std::fabs(Offset) * MinutesPerDay)); }

// Characters From..From+1 of Text as an integer; 0 when they are no number
// or run past the end.
int DigitPair(QStringView Text, qsizetype From)
{
    if (From + 2 > Text.size())
        return 0;
    return TIniFile::ParseInteger(Text.sliced(From, 2)).value_or(0);
}

} // namespace

QString OffsetText(TDateTime Offset)
{
    const int Minutes = WholeMinutes(Offset);
    return QStringLiteral("%1%2%3")
        .arg(QChar(Offset < 0 ? u'-' : u'+'))
        .arg(Minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(Minutes % 60, 2, 10, QLatin1Char('0'));
}

int OffsetTag(TDateTime Offset)
{
    const int Minutes = WholeMinutes(Offset);
    const int Tag = Minutes / 60 * 100 + Minutes % 60;
    return Offset < 0 ? -Tag : Tag;
}

TDateTime ParseOffsetText(QStringView Text)
{
    if (Text.isEmpty())
        return 0;
    const int Hours = DigitPair(Text, 1);
    const int Minutes = DigitPair(Text, 3);
    if (Hours < 0 || Hours > 23 || Minutes < 0 || Minutes > 59)
        return 0;
    const TDateTime Magnitude = (Hours * 60 + Minutes) / MinutesPerDay;
    return Text[0] == u'-' ? -Magnitude : Magnitude;
}
