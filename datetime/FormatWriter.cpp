#include "datetime/FormatWriter.h"

#include "datetime/FormatOutput.h"
#include "datetime/ProcessLocale.h"
#include "platform/locale/ILocaleDatabase.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int LangChinese = 0x04;
constexpr int LangJapanese = 0x11;

// The era calendar is asked only for the years it is defined on; outside
// them, as for a failed call, an era token renders nothing.
std::optional<QString> AltCalendarText(const TDecodedMoment& M, QStringView Picture)
{
    if (!M.Valid())
        return std::nullopt;
    const std::int64_t y = M.Year();
    if (y < 1 || y > 9999)
        return std::nullopt;
    const ILocaleDatabase& db = ProcessLocale::Database();
    return db.GetDateFormatAltCalendar(db.GetThreadLocale(), int(y), M.Month(), M.Day(), Picture);
}

QString EraName(const TDecodedMoment& M, int Run)
{
    const std::optional<QString> era = AltCalendarText(M, u"gg");
    if (!era)
        return {};
    QStringView name = *era;
    if (Run == 1) {
        const int lang = ProcessLocale::PrimaryLanguage();
        if (lang == LangJapanese && !name.isEmpty()) {
            const bool pair = name.size() >= 2 && name[0].isHighSurrogate() && name[1].isLowSurrogate();
            name = name.first(pair ? 2 : 1);
        } else if (lang == LangChinese && ProcessLocale::SubLanguage() == 1 && name.size() == 4) {
            name = name.sliced(2, 2);
        }
    }
    return name.toString();
}

QString EraYear(const TDecodedMoment& M, int Run)
{
    const std::optional<QString> year = AltCalendarText(M, Run <= 2 ? u"yy" : u"yyyy");
    if (!year)
        return {};
    if (Run == 1 && year->startsWith(u'0'))
        return year->sliced(1);
    return *year;
}

} // namespace

namespace FormatOutput {

char16_t* PutNumberSlow(char16_t* Cur, std::int64_t Value, int MinWidth) noexcept
{
    char16_t digits[24];
    int n = 0;
    // Work on the negative side so that INT64_MIN needs no special case.
    std::int64_t v = Value < 0 ? Value : -Value;
    do {
        digits[n++] = char16_t(u'0' - v % 10);
        v /= 10;
    } while (v != 0);
    if (Value < 0)
        *Cur++ = u'-';
    for (int pad = MinWidth - n; pad > 0; --pad)
        *Cur++ = u'0';
    while (n > 0)
        *Cur++ = digits[--n];
    return Cur;
}

QString EraText(TFormatOpKind Kind, int Run, const TDecodedMoment& M)
{
    return Kind == TFormatOpKind::EraName ? EraName(M, Run) : EraYear(M, Run);
}

} // namespace FormatOutput

using namespace FormatOutput;

void WriteFormatOps(QString& Out, const TFormatOp* Ops, std::size_t Count, qsizetype MaxLength,
                    const TDecodedMoment& M)
{
    // A buffer grows with room to spare, so that the formats of one clock
    // all fit once it has grown.
    constexpr qsizetype MinimumRoom = 64;
    if (Out.capacity() < MaxLength)
        Out.reserve(std::max(MaxLength, MinimumRoom));
    Out.resize(MaxLength);
    char16_t* begin = reinterpret_cast<char16_t*>(Out.data());
    char16_t* cur = begin;
    const TFormatOp* const end = Ops + Count;
    for (const TFormatOp* op = Ops; op < end; ++op) {
        switch (op->Kind) {
        case TFormatOpKind::Text: break;
        case TFormatOpKind::Year2: cur = PutField(cur, TFormatOpKind::Year2, 2, M); break;
        case TFormatOpKind::Year: cur = PutNumber(cur, M.Year(), op->Width); break;
        case TFormatOpKind::Month: cur = PutNumber(cur, M.Month(), op->Width); break;
        case TFormatOpKind::Day: cur = PutNumber(cur, M.Day(), op->Width); break;
        case TFormatOpKind::Hour: cur = PutNumber(cur, M.Hour(), op->Width); break;
        case TFormatOpKind::Hour12: cur = PutField(cur, TFormatOpKind::Hour12, op->Width, M); break;
        case TFormatOpKind::Minute: cur = PutNumber(cur, M.Minute(), op->Width); break;
        case TFormatOpKind::Second: cur = PutNumber(cur, M.Second(), op->Width); break;
        case TFormatOpKind::Millisecond: cur = PutNumber(cur, M.Millisecond(), op->Width); break;
        case TFormatOpKind::MonthName:
        case TFormatOpKind::DayName:
            if (const QString* name = NameOf(op->Kind, op->Names, M))
                cur = Put(cur, *name);
            break;
        case TFormatOpKind::AmPm:
            cur = M.Hour() < 12 ? Put(cur, op->Text, op->Length) : Put(cur, op->Other, op->OtherLength);
            break;
        case TFormatOpKind::SkipIfMidnight:
            if (M.IsMidnight())
                op += op->Length;
            continue; // no suffix
        case TFormatOpKind::EraName:
        case TFormatOpKind::EraYear: {
            QString text;
            try {
                text = EraText(op->Kind, op->Width, M);
            } catch (...) {
                Out.resize(cur - begin); // what was written stays a whole string
                throw;
            }
            if (!text.isEmpty()) {
                // An era's text was not counted: room is made, and what was
                // written moves along.
                const qsizetype at = cur - begin;
                Out.resize(Out.size() + text.size());
                begin = reinterpret_cast<char16_t*>(Out.data());
                cur = Put(begin + at, text);
            }
            break;
        }
        }
        cur = Put(cur, op->Suffix, op->SuffixLength);
    }
    Out.resize(cur - begin);
}
