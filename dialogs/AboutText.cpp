#include "dialogs/AboutText.h"

#include "common/BuildInfo.h"
#include "datetime/RenderDateTime.h"

#include <QDate>

#include <cmath>
#include <cstdlib>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// Days since 1899-12-30 of a date.
TDateTime ToDateTime(const QDate& Date)
{
    static const qint64 Epoch = QDate(1899, 12, 30).toJulianDay();
    return TDateTime(Date.toJulianDay() - Epoch);
}

QDate DateOf(TDateTime Moment)
{
    return QDate(1899, 12, 30).addDays(qint64(std::floor(Moment)));
}

// The last Sunday of Month in Year, found from the month's last day back.
QDate LastSunday(int Year, int Month)
{
    QDate Day(Year, Month, QDate(Year, Month, 1).daysInMonth());
    while (Day.dayOfWeek() != Qt::Sunday)
        Day = Day.addDays(-1);
    return Day;
}

} // namespace

QString GetFileVersionText(const QString& FourPartVersion)
{
    const QStringList Parts = FourPartVersion.split(QLatin1Char('.'));
    if (Parts.size() != 4)
        return {};
    QStringList Numbers;
    for (const QString& Part : Parts) {
        bool Ok = false;
        const uint Value = Part.toUInt(&Ok);
        if (!Ok || Value > 0xFFFF)
            return {};
        Numbers << QString::number(Value);
    }
    return Numbers.join(QLatin1Char('.'));
}

int ScalePercent(int Dpi)
{
    return int(std::trunc(Dpi / 96.0 * 100 + 0.5));
}

QString GetElapsedText(TDateTime Moment, TDateTime Now, const TFormatSettings& Settings)
{
    // Counted in whole milliseconds so that 30 s is never 29.999 s. A moment
    // after now (the clock was set back) counts the time to it, as the
    // rendering reads the time of day of a negative value.
    const qint64 Ms = std::llabs(std::llround((Now - Moment) * 86400000.0));
    const qint64 Days = Ms / 86400000;
    QString Text;
    if (Days != 0)
        Text = QString::number(Days) + QLatin1Char('d');
    return Text + RenderDateTime(u"H\"h\"N\"m\"S\"s\"", TDateTime(Ms) / 86400000.0, Settings);
}

QString GetUkraineTimeText(TDateTime LocalNow, int UtcOffsetSeconds, const TFormatSettings& Ukrainian)
{
    const TDateTime Utc = LocalNow - UtcOffsetSeconds / 86400.0;
    TDateTime K = Utc + 120 / 1440.0;
    const int Year = DateOf(K).year();
    const TDateTime Start = ToDateTime(LastSunday(Year, 3)) + 3 / 24.0;
    const TDateTime End = ToDateTime(LastSunday(Year, 10)) + 4 / 24.0;
    const QString Format = QStringLiteral("d mmmm yyyy aaaa") + QStringLiteral(" ") + QStringLiteral("hh:nn");
    if (Start < K && K < End) {
        K += 60 / 1440.0;
        return QStringLiteral("Peace for Ukraine") + LineBreak + RenderDateTime(Format, K, Ukrainian)
               + QStringLiteral(", Ukraine Standard Time") + QStringLiteral(" (in Daylight Saving Time)");
    }
    return QStringLiteral("Peace For Ukraine") + LineBreak + RenderDateTime(Format, K, Ukrainian)
           + QStringLiteral(", Ukraine Standard Time");
}

bool ArgumentLine(const QStringList& Arguments, QString& Line)
{
    if (Arguments.isEmpty())
        return false;
    const QString& First = Arguments.first();
    Line = First.mid(First.lastIndexOf(QLatin1Char('/')) + 1);
    return true;
}

QString AboutText(const TAboutFacts& Facts)
{
    QStringList Lines;
    Lines << AppTitle + QStringLiteral(" ") + AppVersion + QStringLiteral(" (") + Facts.FileVersion
                 + QStringLiteral(") ") + QStringLiteral("Release Build");
    Lines << Facts.ExecutablePath;
    Lines << QStringLiteral("CurrentScreen %1 x %2 / %3dpi x %4%")
                 .arg(Facts.ScreenSize.width())
                 .arg(Facts.ScreenSize.height())
                 .arg(Facts.Dpi)
                 .arg(ScalePercent(Facts.Dpi));
    Lines << QStringLiteral("CurrentLocale ") + Facts.LocaleName + QStringLiteral(" ")
                 + QString::number(Facts.LocaleId);
    Lines << QStringLiteral("Elapsed ") + Facts.ElapsedText;
    if (QString Argument; ArgumentLine(Facts.Arguments, Argument))
        Lines << Argument;
    Lines << QString() << AppCopyright << AppMailAddress << HomeSiteUrl() << QStringLiteral("made in Japan")
          << QString() << Facts.UkraineText;
    return Lines.join(LineBreak) + LineBreak;
}
