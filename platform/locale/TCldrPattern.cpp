#include "platform/locale/TCldrPattern.h"

namespace {

bool IsPatternLetter(QChar C)
{
    const char16_t U = C.unicode();
    return (U >= u'a' && U <= u'z') || (U >= u'A' && U <= u'Z');
}

bool IsHourField(QChar C)
{
    return C == u'h' || C == u'H' || C == u'k' || C == u'K';
}

bool IsMarkerField(QChar C)
{
    return C == u'a' || C == u'b' || C == u'B';
}

bool IsBidiMark(char16_t U)
{
    return U == 0x200E || U == 0x200F || U == 0x061C;
}

QString Repeated(QChar C, int Count)
{
    return QString(Count, C);
}

QString FieldPicture(QChar Field, int Count)
{
    switch (Field.unicode()) {
    case u'G':
        return QStringLiteral("gg");
    case u'y':
    case u'Y':
    case u'u':
    case u'r':
        return Count == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    case u'M':
    case u'L':
        return Repeated(u'M', Count);
    case u'd':
        return Repeated(u'd', qMin(Count, 2));
    case u'E':
    case u'c':
    case u'e':
        return Count == 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
    case u'a':
    case u'b':
    case u'B':
        return QStringLiteral("tt");
    case u'h':
    case u'K':
        return Repeated(u'h', qMin(Count, 2));
    case u'H':
    case u'k':
        return Repeated(u'H', qMin(Count, 2));
    case u'm':
    case u's':
        return Repeated(Field, qMin(Count, 2));
    default:
        // Zones, fractions, weeks and quarters have no picture letter.
        return {};
    }
}

// Letters (with their combining marks) and quotes, which the picture reader
// would take for something else.
bool NeedsQuoting(QChar C)
{
    return C.isLetter() || C.isMark() || C == u'\'' || C == u'"';
}

QString LiteralPicture(const QString& Text)
{
    qsizetype First = -1;
    qsizetype Last = -1;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (NeedsQuoting(Text[I])) {
            if (First < 0)
                First = I;
            Last = I;
        }
    }
    if (First < 0)
        return Text;
    QString Quoted = Text.left(First);
    Quoted += u'\'';
    for (qsizetype I = First; I <= Last; ++I) {
        if (Text[I] == u'\'')
            Quoted += u'\'';
        Quoted += Text[I];
    }
    Quoted += u'\'';
    Quoted += Text.mid(Last + 1);
    return Quoted;
}

} // namespace

QString TCldrPattern::CleanText(QStringView Text)
{
    QString Out;
    Out.reserve(Text.size());
    for (const QChar C : Text) {
        const char16_t U = C.unicode();
        if (IsBidiMark(U))
            continue;
        Out += (U == 0x202F || U == 0x00A0) ? QChar(u' ') : C;
    }
    return Out;
}

void TCldrPattern::AddLiteral(QStringView Text)
{
    const QString Clean = CleanText(Text);
    if (Clean.isEmpty())
        return;
    if (!Parts_.empty() && Parts_.back().Field.isNull())
        Parts_.back().Literal += Clean;
    else
        Parts_.push_back({QChar(), 0, Clean});
}

TCldrPattern TCldrPattern::Parse(QStringView Pattern)
{
    TCldrPattern Result;
    qsizetype I = 0;
    while (I < Pattern.size()) {
        const QChar C = Pattern[I];
        if (C == u'\'') {
            if (I + 1 < Pattern.size() && Pattern[I + 1] == u'\'') {
                Result.AddLiteral(u"'");
                I += 2;
                continue;
            }
            // Quoted text up to the closing quote; '' inside is one quote.
            QString Text;
            ++I;
            while (I < Pattern.size()) {
                if (Pattern[I] == u'\'') {
                    if (I + 1 < Pattern.size() && Pattern[I + 1] == u'\'') {
                        Text += u'\'';
                        I += 2;
                        continue;
                    }
                    ++I;
                    break;
                }
                Text += Pattern[I++];
            }
            Result.AddLiteral(Text);
        } else if (IsPatternLetter(C)) {
            qsizetype End = I;
            while (End < Pattern.size() && Pattern[End] == C)
                ++End;
            Result.Parts_.push_back({C, int(End - I), QString()});
            I = End;
        } else {
            Result.AddLiteral(Pattern.sliced(I, 1));
            ++I;
        }
    }
    return Result;
}

void TCldrPattern::WidenTwoLetterYear()
{
    for (TPart& Part : Parts_) {
        if (Part.Field == u'y' && Part.Count == 2)
            Part.Count = 1;
    }
}

QString TCldrPattern::ToWindowsPicture() const
{
    QString Out;
    for (const TPart& Part : Parts_)
        Out += Part.Field.isNull() ? LiteralPicture(Part.Literal) : FieldPicture(Part.Field, Part.Count);
    return Out;
}

std::optional<QString> TCldrPattern::FirstFieldSeparator() const
{
    for (std::size_t I = 0; I + 1 < Parts_.size(); ++I) {
        if (Parts_[I].Field.isNull())
            continue;
        if (!Parts_[I + 1].Field.isNull())
            return QString();
        if (I + 2 < Parts_.size())
            return Parts_[I + 1].Literal;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> TCldrPattern::HourMinuteSeparator() const
{
    for (std::size_t I = 0; I < Parts_.size(); ++I) {
        if (!IsHourField(Parts_[I].Field))
            continue;
        if (I + 1 < Parts_.size() && Parts_[I + 1].Field == u'm')
            return QString();
        if (I + 2 < Parts_.size() && Parts_[I + 1].Field.isNull() && Parts_[I + 2].Field == u'm')
            return Parts_[I + 1].Literal;
        return std::nullopt;
    }
    return std::nullopt;
}

bool TCldrPattern::HasTwoLetterHour() const
{
    for (const TPart& Part : Parts_) {
        if (IsHourField(Part.Field))
            return Part.Count >= 2;
    }
    return false;
}

bool TCldrPattern::HasTwentyFourHourClock() const
{
    for (const TPart& Part : Parts_) {
        if (IsHourField(Part.Field))
            return Part.Field == u'H' || Part.Field == u'k';
    }
    return false;
}

bool TCldrPattern::MarkerBeforeHour() const
{
    for (const TPart& Part : Parts_) {
        if (IsMarkerField(Part.Field))
            return true;
        if (IsHourField(Part.Field))
            return false;
    }
    return false;
}
