#include "datetime/RenderDateTime.h"

#include "datetime/ProcessLocale.h"
#include "datetime/TDecodedMoment.h"
#include "platform/locale/ILocaleDatabase.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

constexpr char16_t Blank = u' ';
constexpr int LangChinese = 0x04;
constexpr int LangJapanese = 0x11;

constexpr char16_t UpperAscii(char16_t C) noexcept
{
    return (C >= u'a' && C <= u'z') ? char16_t(C - (u'a' - u'A')) : C;
}

constexpr bool IsSurrogate(char16_t C) noexcept { return C >= 0xD800 && C <= 0xDFFF; }
constexpr bool IsHighSurrogate(char16_t C) noexcept { return C >= 0xD800 && C <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t C) noexcept { return C >= 0xDC00 && C <= 0xDFFF; }

// Appends into the caller's QString through a raw pointer. The string keeps
// its allocation between calls: only its length is set, at the end, so a
// buffer that has grown before costs no allocation and no copy.
// "00" to "99", two characters each.
constexpr std::array<char16_t, 200> DigitPairs = [] {
    std::array<char16_t, 200> table{};
    for (int i = 0; i < 100; ++i) {
        table[size_t(2 * i)] = char16_t(u'0' + i / 10);
        table[size_t(2 * i + 1)] = char16_t(u'0' + i % 10);
    }
    return table;
}();

class TOutput {
public:
    explicit TOutput(QString& Buffer) : Buffer_(Buffer) { Acquire(64); }
    ~TOutput()
    {
        Buffer_.data_ptr().size = Len_;
        Data_[Len_] = 0; // Acquire keeps room for the terminator
    }
    TOutput(const TOutput&) = delete;
    TOutput& operator=(const TOutput&) = delete;

    void Put(char16_t C)
    {
        Reserve(1);
        Data_[Len_++] = C;
    }
    void Put(const char16_t* Text, qsizetype Count)
    {
        if (Count <= 0)
            return;
        Reserve(Count);
        std::memcpy(Data_ + Len_, Text, size_t(Count) * sizeof(char16_t));
        Len_ += Count;
    }
    void Put(QStringView Text) { Put(Text.utf16(), Text.size()); }

    // Decimal, zero-padded to MinWidth, never cut; a minus sign leads.
    void PutNumber(std::int64_t Value, int MinWidth)
    {
        // Every field of a clock: up to four digits, written in pairs.
        if (Value >= 0 && Value < 10000 && MinWidth <= 4) {
            const auto v = unsigned(Value);
            const int width = std::max(v >= 1000 ? 4 : v >= 100 ? 3 : v >= 10 ? 2 : 1, MinWidth);
            Reserve(4);
            char16_t* d = Data_ + Len_;
            switch (width) {
            case 4: PutPair(d, v / 100); PutPair(d + 2, v % 100); break;
            case 3: d[0] = char16_t(u'0' + v / 100); PutPair(d + 1, v % 100); break;
            case 2: PutPair(d, v); break;
            default: d[0] = char16_t(u'0' + v); break;
            }
            Len_ += width;
            return;
        }
        PutNumberSlow(Value, MinWidth);
    }

private:
    static void PutPair(char16_t* To, unsigned Value) noexcept
    {
        std::memcpy(To, &DigitPairs[2 * Value], 2 * sizeof(char16_t));
    }

    [[gnu::noinline]] void PutNumberSlow(std::int64_t Value, int MinWidth)
    {
        char16_t digits[24];
        int n = 0;
        // Work on the negative side so that INT64_MIN needs no special case.
        std::int64_t v = Value < 0 ? Value : -Value;
        do {
            digits[n++] = char16_t(u'0' - v % 10);
            v /= 10;
        } while (v != 0);
        const int pad = std::max(MinWidth - n, 0);
        Reserve(pad + n + 1);
        if (Value < 0)
            Data_[Len_++] = u'-';
        for (int i = 0; i < pad; ++i)
            Data_[Len_++] = u'0';
        while (n > 0)
            Data_[Len_++] = digits[--n];
    }

    void Reserve(qsizetype Count)
    {
        if (Len_ + Count > Cap_) [[unlikely]]
            Acquire(Len_ + Count);
    }

    // Makes the buffer ours (detached) with room for Need characters plus
    // the terminator, keeping the Len_ characters written so far.
    [[gnu::noinline]] void Acquire(qsizetype Need)
    {
        QString::DataPointer& d = Buffer_.data_ptr();
        d.size = Len_;
        const qsizetype room = Len_ + d.freeSpaceAtEnd();
        if (d.needsDetach() || room < Need + 1)
            Buffer_.reserve(std::max(Need + 1, 2 * room));
        QString::DataPointer& grown = Buffer_.data_ptr();
        Data_ = grown.data();
        Cap_ = Len_ + grown.freeSpaceAtEnd() - 1;
    }

    QString& Buffer_;
    char16_t* Data_ = nullptr;
    qsizetype Len_ = 0;
    qsizetype Cap_ = 0;
};

struct TRenderState {
    TOutput& Out;
    TDecodedMoment& Moment;
    const TFormatSettings& Settings;
};

// What an ASCII character is to the scanner: 0 for a plain character, the
// upper-case letter for a letter, the character itself for / : ' and ".
constexpr std::array<char16_t, 128> TokenOf = [] {
    std::array<char16_t, 128> table{};
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        table[c] = c;
        table[c + (u'a' - u'A')] = c;
    }
    table[u'/'] = u'/';
    table[u':'] = u':';
    table[u'\''] = u'\'';
    table[u'"'] = u'"';
    return table;
}();

// What an ASCII character is to the look for a 12-hour marker.
enum : std::uint8_t { ScanOther, ScanQuote, ScanHour, ScanMarker };
constexpr std::array<std::uint8_t, 128> MarkerScanOf = [] {
    std::array<std::uint8_t, 128> table{};
    table[u'\''] = table[u'"'] = ScanQuote;
    table[u'h'] = table[u'H'] = ScanHour;
    table[u'a'] = table[u'A'] = ScanMarker;
    return table;
}();

constexpr bool IsPlain(char16_t C) noexcept { return C < 128 ? TokenOf[C] == 0 : !IsSurrogate(C); }

// Runs the format language over one format string. Each string (the caller's
// and every expansion) gets its own scanner, hence its own last letter and
// twelve-hour flag.
class TScanner {
public:
    TScanner(TRenderState& State, QStringView Format, int Level) noexcept
        : S_(State), P_(Format.utf16()), N_(Format.size()), Level_(Level)
    {
    }

    void Run()
    {
        while (I_ < N_) {
            const char16_t c = P_[I_];
            char16_t t;
            if (c < 128) {
                t = TokenOf[c];
            } else if (IsSurrogate(c)) {
                const bool pair = IsHighSurrogate(c) && I_ + 1 < N_ && IsLowSurrogate(P_[I_ + 1]);
                S_.Out.Put(P_ + I_, pair ? 2 : 1);
                I_ += pair ? 2 : 1;
                Last_ = Blank;
                continue;
            } else {
                t = 0;
            }
            if (t == 0) {
                // Characters that are never tokens are copied as a run.
                const qsizetype from = I_++;
                while (I_ < N_ && IsPlain(P_[I_]))
                    ++I_;
                S_.Out.Put(P_ + from, I_ - from);
                continue;
            }
            if (t >= u'A') {
                if (t == u'M' && Last_ == u'H')
                    t = u'N'; // an m after an hour is a minute
                Last_ = t;
            }
            switch (t) {
            case u'Y': Year(TakeRun()); break;
            case u'M': Month(TakeRun()); break;
            case u'D': Day(TakeRun()); break;
            case u'H': Hour(TakeRun()); break;
            case u'N': Number(S_.Moment.Minute(), TakeRun() >= 2 ? 2 : 1); break;
            case u'S': Number(S_.Moment.Second(), TakeRun() >= 2 ? 2 : 1); break;
            case u'Z': Number(S_.Moment.Millisecond(), int(std::min<qsizetype>(TakeRun(), 3))); break;
            case u'T': Expand(TakeRun() == 1 ? S_.Settings.ShortTimeFormat : S_.Settings.LongTimeFormat); break;
            case u'C': TakeRun(); DateAndTime(); break;
            case u'G': EraName(TakeRun()); break;
            case u'E': EraYear(TakeRun()); break;
            case u'A': Marker(); break;
            case u'/': Separator(S_.Settings.DateSeparator); break;
            case u':': Separator(S_.Settings.TimeSeparator); break;
            case u'\'':
            case u'"': Quoted(c); break;
            default: // a letter that is no token: it only sets the last letter
                S_.Out.Put(c);
                ++I_;
                break;
            }
        }
    }

private:
    // The starter and every directly following identical character.
    qsizetype TakeRun() noexcept
    {
        const char16_t c = P_[I_];
        qsizetype end = I_ + 1;
        while (end < N_ && P_[end] == c)
            ++end;
        const qsizetype count = end - I_;
        I_ = end;
        return count;
    }

    // Compares the text at Pos with an upper-case ASCII pattern, ignoring the
    // case of ASCII letters.
    bool MatchesAt(qsizetype Pos, std::u16string_view Pattern) const noexcept
    {
        if (N_ - Pos < qsizetype(Pattern.size()))
            return false;
        for (size_t k = 0; k < Pattern.size(); ++k)
            if (UpperAscii(P_[Pos + qsizetype(k)]) != Pattern[k])
                return false;
        return true;
    }

    bool TwelveHourMarkerAt(qsizetype Pos) const noexcept
    {
        return MatchesAt(Pos, u"AM/PM") || MatchesAt(Pos, u"A/P") || MatchesAt(Pos, u"AMPM");
    }

    // From just after an hour's run: does a 12-hour marker follow before the
    // next hour? Both quote characters toggle one shared quoted state.
    bool MarkerFollows(qsizetype From) const noexcept
    {
        bool quoted = false;
        for (qsizetype k = From; k < N_; ++k) {
            const char16_t c = P_[k];
            if (c >= 128)
                continue;
            switch (MarkerScanOf[c]) {
            case ScanQuote: quoted = !quoted; break;
            case ScanHour: return false;
            case ScanMarker:
                if (!quoted)
                    return TwelveHourMarkerAt(k);
                break;
            default: break;
            }
        }
        return false;
    }

    void Number(std::int64_t Value, int MinWidth) { S_.Out.PutNumber(Value, MinWidth); }

    void Year(qsizetype Run)
    {
        const std::int64_t y = S_.Moment.Year();
        if (Run <= 2)
            Number(y < 0 ? -(-y % 100) : y % 100, 2);
        else
            Number(y, 4);
    }

    void Month(qsizetype Run)
    {
        const int m = S_.Moment.Month();
        if (Run <= 2) {
            Number(m, int(Run));
            return;
        }
        if (m < 1)
            return; // an undecodable moment has no month name
        S_.Out.Put(Run == 3 ? S_.Settings.ShortMonthNames[size_t(m - 1)] : S_.Settings.LongMonthNames[size_t(m - 1)]);
    }

    void DayName(bool Long)
    {
        const int w = S_.Moment.DayOfWeek();
        if (w < 1)
            return;
        S_.Out.Put(Long ? S_.Settings.LongDayNames[size_t(w - 1)] : S_.Settings.ShortDayNames[size_t(w - 1)]);
    }

    void Day(qsizetype Run)
    {
        switch (Run) {
        case 1:
        case 2: Number(S_.Moment.Day(), int(Run)); break;
        case 3: DayName(false); break;
        case 4: DayName(true); break;
        case 5: Expand(S_.Settings.ShortDateFormat); break;
        default: Expand(S_.Settings.LongDateFormat); break;
        }
    }

    void Hour(qsizetype Run)
    {
        if (!Twelve_)
            Twelve_ = MarkerFollows(I_);
        int h = S_.Moment.Hour();
        if (Twelve_ && S_.Moment.Valid()) {
            h %= 12;
            if (h == 0)
                h = 12;
        }
        Number(h, Run >= 2 ? 2 : 1);
    }

    void Marker()
    {
        const bool am = S_.Moment.Hour() < 12;
        if (MatchesAt(I_, u"AM/PM")) {
            S_.Out.Put(P_ + I_ + (am ? 0 : 3), 2);
            I_ += 5;
            Twelve_ = true;
        } else if (MatchesAt(I_, u"A/P")) {
            S_.Out.Put(P_[I_ + (am ? 0 : 2)]);
            I_ += 3;
            Twelve_ = true;
        } else if (MatchesAt(I_, u"AMPM")) {
            S_.Out.Put(am ? S_.Settings.TimeAMString : S_.Settings.TimePMString);
            I_ += 4;
            Twelve_ = true;
        } else if (MatchesAt(I_, u"AAAA")) {
            DayName(true);
            I_ += 4;
        } else if (MatchesAt(I_, u"AAA")) {
            DayName(false);
            I_ += 3;
        } else {
            S_.Out.Put(P_[I_]);
            ++I_;
        }
    }

    void Separator(QChar Sep)
    {
        if (!Sep.isNull())
            S_.Out.Put(Sep.unicode());
        ++I_;
    }

    void Quoted(char16_t Quote)
    {
        const qsizetype from = I_ + 1;
        qsizetype end = from;
        while (end < N_ && P_[end] != Quote)
            ++end;
        S_.Out.Put(P_ + from, end - from);
        I_ = end < N_ ? end + 1 : N_;
    }

    // Only two levels exist: expansions inside an expansion render nothing.
    void Expand(const QString& Format)
    {
        if (Level_ >= 2)
            return;
        TScanner(S_, Format, Level_ + 1).Run();
    }

    void DateAndTime()
    {
        if (Level_ >= 2)
            return;
        Expand(S_.Settings.ShortDateFormat);
        if (!S_.Moment.IsMidnight()) {
            S_.Out.Put(Blank);
            Expand(S_.Settings.LongTimeFormat);
        }
    }

    // The era calendar is asked only for the years it is defined on; outside
    // them, as for a failed call, an era token renders nothing.
    std::optional<QString> EraText(QStringView Picture)
    {
        if (!S_.Moment.Valid())
            return std::nullopt;
        const std::int64_t y = S_.Moment.Year();
        if (y < 1 || y > 9999)
            return std::nullopt;
        const ILocaleDatabase& db = ProcessLocale::Database();
        return db.GetDateFormatAltCalendar(db.GetThreadLocale(), int(y), S_.Moment.Month(), S_.Moment.Day(),
                                           Picture);
    }

    void EraName(qsizetype Run)
    {
        const std::optional<QString> era = EraText(u"gg");
        if (!era)
            return;
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
        S_.Out.Put(name);
    }

    void EraYear(qsizetype Run)
    {
        const std::optional<QString> year = EraText(Run <= 2 ? u"yy" : u"yyyy");
        if (!year)
            return;
        QStringView text = *year;
        if (Run == 1 && text.startsWith(u'0'))
            text = text.sliced(1);
        S_.Out.Put(text);
    }

    TRenderState& S_;
    const char16_t* P_;
    qsizetype N_;
    qsizetype I_ = 0;
    int Level_;
    char16_t Last_ = Blank;
    bool Twelve_ = false;
};

} // namespace

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

    TDecodedMoment decoded(Moment);
    TOutput output(Out);
    TRenderState state{output, decoded, Settings};
    TScanner(state, Format.isEmpty() ? QStringView(u"c") : Format, 1).Run();
}

QString RenderDateTime(QStringView Format, TDateTime Moment, const TFormatSettings& Settings)
{
    QString out;
    RenderDateTime(out, Format, Moment, Settings);
    return out;
}
