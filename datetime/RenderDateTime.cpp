#include "datetime/RenderDateTime.h"

#include "datetime/ProcessLocale.h"
#include "datetime/TDecodedMoment.h"
#include "platform/locale/ILocaleDatabase.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char16_t Blank = u' ';
constexpr int LangChinese = 0x04;
constexpr int LangJapanese = 0x11;

constexpr bool IsSurrogate(char16_t C) noexcept { return C >= 0xD800 && C <= 0xDFFF; }
constexpr bool IsHighSurrogate(char16_t C) noexcept { return C >= 0xD800 && C <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t C) noexcept { return C >= 0xDC00 && C <= 0xDFFF; }

// "00" to "99", two characters each.
constexpr std::array<char16_t, 200> DigitPairs = [] {
    std::array<char16_t, 200> table{};
    for (int i = 0; i < 100; ++i) {
        table[size_t(2 * i)] = char16_t(u'0' + i / 10);
        table[size_t(2 * i + 1)] = char16_t(u'0' + i % 10);
    }
    return table;
}();

// Writes into the caller's QString through a raw cursor that the scanner
// keeps in a local and passes along (so it can live in a register). The
// string keeps its allocation between calls: only its length is set, at the
// end, so a buffer that has grown before costs no allocation and no copy.
class TOutput {
public:
    // A buffer of ours with room already (every call after the first on a
    // reused buffer) is taken without the out-of-line call.
    explicit TOutput(QString& Buffer) : Buffer_(Buffer)
    {
        QString::DataPointer& d = Buffer.data_ptr();
        d.size = 0;
        if (!d.needsDetach()) {
            const qsizetype room = d.freeSpaceAtEnd();
            if (room > InitialRoom) {
                Begin_ = d.data();
                Limit_ = Begin_ + room - 1;
                *Begin_ = 0;
                return;
            }
        }
        Acquire(0, InitialRoom);
    }
    TOutput(const TOutput&) = delete;
    TOutput& operator=(const TOutput&) = delete;

    char16_t* Begin() const noexcept { return Begin_; }

    // Room for Count more characters at Cur; the cursor moves when the
    // buffer does.
    char16_t* Reserve(char16_t* Cur, qsizetype Count)
    {
        if (Limit_ - Cur < Count) [[unlikely]]
            return Acquire(Cur - Begin_, Cur - Begin_ + Count);
        return Cur;
    }

    void Finish(char16_t* Cur) noexcept
    {
        Buffer_.data_ptr().size = Cur - Begin_;
        *Cur = 0; // Acquire keeps room for the terminator
    }

    char16_t* Put(char16_t* Cur, char16_t C)
    {
        Cur = Reserve(Cur, 1);
        *Cur = C;
        return Cur + 1;
    }

    char16_t* Put(char16_t* Cur, const char16_t* Text, qsizetype Count)
    {
        Cur = Reserve(Cur, Count);
        CopyChars(Cur, Text, Count);
        return Cur + Count;
    }
    char16_t* Put(char16_t* Cur, QStringView Text) { return Put(Cur, Text.utf16(), Text.size()); }

    // Decimal, zero-padded to MinWidth, never cut; a minus sign leads.
    char16_t* PutNumber(char16_t* Cur, std::int64_t Value, int MinWidth)
    {
        // Every field of a clock: up to four digits, written in pairs.
        if (Value >= 0 && Value < 100 && MinWidth <= 2) {
            const auto v = unsigned(Value);
            Cur = Reserve(Cur, 2);
            if (v < 10 && MinWidth < 2) {
                *Cur = char16_t(u'0' + v);
                return Cur + 1;
            }
            PutPair(Cur, v);
            return Cur + 2;
        }
        if (Value >= 0 && Value < 10000 && MinWidth <= 4) {
            const auto v = unsigned(Value);
            Cur = Reserve(Cur, 4);
            if (v >= 1000 || MinWidth == 4) {
                PutPair(Cur, v / 100);
                PutPair(Cur + 2, v % 100);
                return Cur + 4;
            }
            if (v >= 100 || MinWidth == 3) {
                Cur[0] = char16_t(u'0' + v / 100);
                PutPair(Cur + 1, v % 100);
                return Cur + 3;
            }
            PutPair(Cur, v); // 10..99, at most two wide
            return Cur + 2;
        }
        return PutNumberSlow(Cur, Value, MinWidth);
    }

private:
    static constexpr qsizetype InitialRoom = 64;

    static void PutPair(char16_t* To, unsigned Value) noexcept
    {
        std::memcpy(To, &DigitPairs[2 * Value], 2 * sizeof(char16_t));
    }

    // Names and literals are short: fixed-size moves that overlap instead of
    // a call to memcpy.
    static void CopyChars(char16_t* To, const char16_t* From, qsizetype Count) noexcept
    {
        const auto bytes = size_t(Count) * sizeof(char16_t);
        if (Count >= 4 && Count <= 8) {
            std::uint64_t head, tail;
            std::memcpy(&head, From, 8);
            std::memcpy(&tail, From + Count - 4, 8);
            std::memcpy(To, &head, 8);
            std::memcpy(To + Count - 4, &tail, 8);
        } else if (Count >= 2 && Count < 4) {
            std::uint32_t head, tail;
            std::memcpy(&head, From, 4);
            std::memcpy(&tail, From + Count - 2, 4);
            std::memcpy(To, &head, 4);
            std::memcpy(To + Count - 2, &tail, 4);
        } else if (Count == 1) {
            *To = *From;
        } else if (Count > 8) {
            std::memcpy(To, From, bytes);
        }
    }

    [[gnu::noinline]] char16_t* PutNumberSlow(char16_t* Cur, std::int64_t Value, int MinWidth)
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
        Cur = Reserve(Cur, pad + n + 1);
        if (Value < 0)
            *Cur++ = u'-';
        for (int i = 0; i < pad; ++i)
            *Cur++ = u'0';
        while (n > 0)
            *Cur++ = digits[--n];
        return Cur;
    }

    // Makes the buffer ours (detached) with room for Need characters plus
    // the terminator, keeping the Len characters written so far, which stay
    // a whole terminated string should a settings call throw.
    [[gnu::noinline]] char16_t* Acquire(qsizetype Len, qsizetype Need)
    {
        QString::DataPointer& d = Buffer_.data_ptr();
        d.size = Len;
        const qsizetype room = Len + d.freeSpaceAtEnd();
        if (d.needsDetach() || room < Need + 1)
            Buffer_.reserve(std::max(Need + 1, 2 * room));
        QString::DataPointer& grown = Buffer_.data_ptr();
        Begin_ = grown.data();
        Limit_ = Begin_ + Len + grown.freeSpaceAtEnd() - 1;
        Begin_[Len] = 0;
        return Begin_ + Len;
    }

    QString& Buffer_;
    char16_t* Begin_ = nullptr;
    char16_t* Limit_ = nullptr;
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

// What an a or A starts, longest pattern first where they share a prefix.
enum class TMarkerKind : std::uint8_t { None, AmPmSlash, APSlash, AmPm, LongDay, ShortDay };

constexpr char16_t CaseBit = 0x20;

// Four characters as one word, the first in the low lane.
static_assert(std::endian::native == std::endian::little, "lanes are read with one little-endian load");
constexpr std::uint64_t Lanes(char16_t A, char16_t B, char16_t C, char16_t D) noexcept
{
    return std::uint64_t(A) | std::uint64_t(B) << 16 | std::uint64_t(C) << 32 | std::uint64_t(D) << 48;
}

// Per lane: 1 folds case (a letter), 0 compares exactly, 2 ignores it.
constexpr std::uint64_t FoldLanes(int A, int B, int C, int D) noexcept
{
    const auto lane = [](int How) -> std::uint64_t { return How == 1 ? 0xFFDF : How == 0 ? 0xFFFF : 0; };
    return lane(A) | lane(B) << 16 | lane(C) << 32 | lane(D) << 48;
}

constexpr bool IsPlain(char16_t C) noexcept { return C < 128 ? TokenOf[C] == 0 : !IsSurrogate(C); }

// Runs the format language over one format string. Each string (the caller's
// and every expansion) gets its own scanner, hence its own last letter and
// twelve-hour flag. The format position and the output cursor are locals of
// Run, handed to the handlers and back.
class TScanner {
public:
    TScanner(TRenderState& State, QStringView Format, int Level) noexcept
        : S_(State), Out_(State.Out), Moment_(State.Moment), Settings_(State.Settings), Begin_(Format.utf16()),
          End_(Format.utf16() + Format.size()), Level_(Level)
    {
    }

    // Renders the format at Out; returns the cursor after it.
    char16_t* Run(char16_t* Out)
    {
        char16_t last = Blank;
        const char16_t* p = Begin_;
        while (p < End_) {
            const char16_t c = *p;
            char16_t t;
            if (c < 128) {
                t = TokenOf[c];
            } else if (IsSurrogate(c)) {
                const qsizetype n = IsHighSurrogate(c) && p + 1 < End_ && IsLowSurrogate(p[1]) ? 2 : 1;
                Out = Out_.Put(Out, p, n);
                p += n;
                last = Blank;
                continue;
            } else {
                t = 0;
            }
            if (t == 0) {
                // Characters that are never tokens are copied as they are
                // scanned; the rest of the format is room enough for them.
                Out = Out_.Reserve(Out, End_ - p);
                do
                    *Out++ = *p++;
                while (p < End_ && IsPlain(*p));
                continue;
            }
            if (t >= u'A') {
                if (t == u'M' && last == u'H')
                    t = u'N'; // an m after an hour is a minute
                last = t;
            }
            switch (t) {
            case u'Y': Out = Year(Out, TakeRun(p)); break;
            case u'M': Out = Month(Out, TakeRun(p)); break;
            case u'D': Out = Day(Out, TakeRun(p)); break;
            case u'H': {
                const qsizetype run = TakeRun(p);
                Out = Hour(Out, run, p);
                break;
            }
            case u'N': Out = Out_.PutNumber(Out, Moment_.Minute(), TakeRun(p) >= 2 ? 2 : 1); break;
            case u'S': Out = Out_.PutNumber(Out, Moment_.Second(), TakeRun(p) >= 2 ? 2 : 1); break;
            case u'Z':
                Out = Out_.PutNumber(Out, Moment_.Millisecond(), int(std::min<qsizetype>(TakeRun(p), 3)));
                break;
            case u'T':
                Out = Expand(Out, TakeRun(p) == 1 ? Settings_.ShortTimeFormat : Settings_.LongTimeFormat);
                break;
            case u'C': TakeRun(p); Out = DateAndTime(Out); break;
            case u'G': Out = EraName(Out, TakeRun(p)); break;
            case u'E': Out = EraYear(Out, TakeRun(p)); break;
            case u'A': p = Marker(p, Out); break;
            case u'/': Out = Separator(Out, Settings_.DateSeparator); ++p; break;
            case u':': Out = Separator(Out, Settings_.TimeSeparator); ++p; break;
            case u'\'':
            case u'"': p = Quoted(p, Out); break;
            default: // a letter that is no token: it only sets the last letter
                Out = Out_.Put(Out, c);
                ++p;
                break;
            }
        }
        return Out;
    }

private:
    // The starter and every directly following identical character.
    qsizetype TakeRun(const char16_t*& P) const noexcept
    {
        const char16_t* from = P;
        const char16_t c = *P++;
        while (P < End_ && *P == c)
            ++P;
        return P - from;
    }

    // Up to four characters from At in one word, lane k holding At[k]; lanes
    // past the end are 0, which no pattern has.
    std::uint64_t LoadFour(const char16_t* At) const noexcept
    {
        const qsizetype avail = End_ - At;
        std::uint64_t w = 0;
        if (avail >= 4) [[likely]] {
            std::memcpy(&w, At, 8);
            return w;
        }
        for (qsizetype k = 0; k < avail; ++k)
            w |= std::uint64_t(At[k]) << (16 * k);
        return w;
    }

    // What starts at an a or A. Letters compare with bit 5 of their lane
    // cleared, which folds exactly a-z onto A-Z and nothing else onto them.
    TMarkerKind MarkerKindAt(const char16_t* At) const noexcept
    {
        const std::uint64_t w = LoadFour(At);
        if ((w & FoldLanes(1, 1, 0, 1)) == Lanes(u'A', u'M', u'/', u'P'))
            return End_ - At >= 5 && (At[4] & ~CaseBit) == u'M' ? TMarkerKind::AmPmSlash : TMarkerKind::None;
        if ((w & FoldLanes(1, 0, 1, 2)) == Lanes(u'A', u'/', u'P', 0))
            return TMarkerKind::APSlash;
        const std::uint64_t folded = w & FoldLanes(1, 1, 1, 1);
        if (folded == Lanes(u'A', u'M', u'P', u'M'))
            return TMarkerKind::AmPm;
        if (folded == Lanes(u'A', u'A', u'A', u'A'))
            return TMarkerKind::LongDay;
        if ((folded & 0xFFFF'FFFF'FFFFull) == Lanes(u'A', u'A', u'A', 0))
            return TMarkerKind::ShortDay;
        return TMarkerKind::None;
    }

    // The look ahead from an hour classifies the marker it reaches; the
    // marker itself then takes the answer instead of matching again.
    TMarkerKind MarkerKindAtCached(const char16_t* At) noexcept
    {
        if (At == LookedAt_)
            return LookedKind_;
        return MarkerKindAt(At);
    }

    static constexpr bool IsTwelveHourMarker(TMarkerKind Kind) noexcept
    {
        return Kind == TMarkerKind::AmPmSlash || Kind == TMarkerKind::APSlash || Kind == TMarkerKind::AmPm;
    }

    // From just after an hour's run: does a 12-hour marker follow before the
    // next hour? Both quote characters toggle one shared quoted state.
    bool MarkerFollows(const char16_t* From) noexcept
    {
        bool quoted = false;
        for (const char16_t* k = NextMarkerCandidate(From); k < End_; k = NextMarkerCandidate(k + 1)) {
            switch (MarkerScanOf[*k]) {
            case ScanQuote: quoted = !quoted; break;
            case ScanHour: return false;
            case ScanMarker:
                if (!quoted) {
                    LookedAt_ = k;
                    LookedKind_ = MarkerKindAt(k);
                    return IsTwelveHourMarker(LookedKind_);
                }
                break;
            default: break;
            }
        }
        return false;
    }

    // The first quote, h, H, a or A at or after From; End_ when none. Eight
    // characters at a time where the vector unit allows.
    const char16_t* NextMarkerCandidate(const char16_t* From) const noexcept
    {
        const char16_t* k = From;
#if defined(__SSE2__)
        const __m128i caseBit = _mm_set1_epi16(CaseBit);
        const __m128i hour = _mm_set1_epi16(u'h');
        const __m128i marker = _mm_set1_epi16(u'a');
        const __m128i single = _mm_set1_epi16(u'\'');
        const __m128i twin = _mm_set1_epi16(u'"');
        for (; End_ - k >= 8; k += 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(k));
            // Setting bit 5 maps exactly H and h onto h, A and a onto a.
            const __m128i folded = _mm_or_si128(v, caseBit);
            const __m128i hit = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi16(folded, hour), _mm_cmpeq_epi16(folded, marker)),
                _mm_or_si128(_mm_cmpeq_epi16(v, single), _mm_cmpeq_epi16(v, twin)));
            if (const int bits = _mm_movemask_epi8(hit))
                return k + std::countr_zero(unsigned(bits)) / 2;
        }
#endif
        for (; k < End_; ++k)
            if (*k < 128 && MarkerScanOf[*k] != ScanOther)
                return k;
        return End_;
    }

    char16_t* Year(char16_t* Out, qsizetype Run)
    {
        const std::int64_t y = Moment_.Year();
        if (Run <= 2)
            return Out_.PutNumber(Out, y < 0 ? -(-y % 100) : y % 100, 2);
        return Out_.PutNumber(Out, y, 4);
    }

    char16_t* Month(char16_t* Out, qsizetype Run)
    {
        const int m = Moment_.Month();
        if (Run <= 2)
            return Out_.PutNumber(Out, m, int(Run));
        if (m < 1)
            return Out; // an undecodable moment has no month name
        return Out_.Put(Out, Run == 3 ? Settings_.ShortMonthNames[size_t(m - 1)]
                                      : Settings_.LongMonthNames[size_t(m - 1)]);
    }

    char16_t* DayName(char16_t* Out, bool Long)
    {
        const int w = Moment_.DayOfWeek();
        if (w < 1)
            return Out;
        return Out_.Put(Out, Long ? Settings_.LongDayNames[size_t(w - 1)] : Settings_.ShortDayNames[size_t(w - 1)]);
    }

    char16_t* Day(char16_t* Out, qsizetype Run)
    {
        switch (Run) {
        case 1:
        case 2: return Out_.PutNumber(Out, Moment_.Day(), int(Run));
        case 3: return DayName(Out, false);
        case 4: return DayName(Out, true);
        case 5: return Expand(Out, Settings_.ShortDateFormat);
        default: return Expand(Out, Settings_.LongDateFormat);
        }
    }

    // After is just past the hour's run.
    char16_t* Hour(char16_t* Out, qsizetype Run, const char16_t* After)
    {
        if (!Twelve_)
            Twelve_ = MarkerFollows(After);
        int h = Moment_.Hour();
        if (Twelve_ && Moment_.Valid()) {
            h %= 12;
            if (h == 0)
                h = 12;
        }
        return Out_.PutNumber(Out, h, Run >= 2 ? 2 : 1);
    }

    // At an a or A; returns the format position after what it used.
    const char16_t* Marker(const char16_t* P, char16_t*& Out)
    {
        const bool am = Moment_.Hour() < 12;
        switch (MarkerKindAtCached(P)) {
        case TMarkerKind::AmPmSlash:
            Out = Out_.Put(Out, P + (am ? 0 : 3), 2);
            Twelve_ = true;
            return P + 5;
        case TMarkerKind::APSlash:
            Out = Out_.Put(Out, P[am ? 0 : 2]);
            Twelve_ = true;
            return P + 3;
        case TMarkerKind::AmPm:
            Out = Out_.Put(Out, am ? Settings_.TimeAMString : Settings_.TimePMString);
            Twelve_ = true;
            return P + 4;
        case TMarkerKind::LongDay: Out = DayName(Out, true); return P + 4;
        case TMarkerKind::ShortDay: Out = DayName(Out, false); return P + 3;
        case TMarkerKind::None: break;
        }
        Out = Out_.Put(Out, *P);
        return P + 1;
    }

    char16_t* Separator(char16_t* Out, QChar Sep)
    {
        return Sep.isNull() ? Out : Out_.Put(Out, Sep.unicode());
    }

    // At the opening quote; returns the format position after the closing one.
    const char16_t* Quoted(const char16_t* P, char16_t*& Out)
    {
        const char16_t quote = *P;
        const char16_t* from = P + 1;
        const char16_t* close = from;
        while (close < End_ && *close != quote)
            ++close;
        Out = Out_.Put(Out, from, close - from);
        return close < End_ ? close + 1 : End_;
    }

    // Only two levels exist: expansions inside an expansion render nothing.
    char16_t* Expand(char16_t* Out, const QString& Format)
    {
        if (Level_ >= 2)
            return Out;
        return TScanner(S_, Format, Level_ + 1).Run(Out);
    }

    char16_t* DateAndTime(char16_t* Out)
    {
        if (Level_ >= 2)
            return Out;
        Out = Expand(Out, Settings_.ShortDateFormat);
        if (!Moment_.IsMidnight()) {
            Out = Out_.Put(Out, Blank);
            Out = Expand(Out, Settings_.LongTimeFormat);
        }
        return Out;
    }

    // The era calendar is asked only for the years it is defined on; outside
    // them, as for a failed call, an era token renders nothing.
    std::optional<QString> EraText(QStringView Picture)
    {
        if (!Moment_.Valid())
            return std::nullopt;
        const std::int64_t y = Moment_.Year();
        if (y < 1 || y > 9999)
            return std::nullopt;
        const ILocaleDatabase& db = ProcessLocale::Database();
        return db.GetDateFormatAltCalendar(db.GetThreadLocale(), int(y), Moment_.Month(), Moment_.Day(),
                                           Picture);
    }

    char16_t* EraName(char16_t* Out, qsizetype Run)
    {
        const std::optional<QString> era = EraText(u"gg");
        if (!era)
            return Out;
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
        return Out_.Put(Out, name);
    }

    char16_t* EraYear(char16_t* Out, qsizetype Run)
    {
        const std::optional<QString> year = EraText(Run <= 2 ? u"yy" : u"yyyy");
        if (!year)
            return Out;
        QStringView text = *year;
        if (Run == 1 && text.startsWith(u'0'))
            text = text.sliced(1);
        return Out_.Put(Out, text);
    }

    TRenderState& S_;
    TOutput& Out_;
    // Held directly so that a field costs one load, not two.
    const TDecodedMoment& Moment_;
    const TFormatSettings& Settings_;
    const char16_t* Begin_;
    const char16_t* End_;
    int Level_;
    bool Twelve_ = false;
    const char16_t* LookedAt_ = nullptr;
    TMarkerKind LookedKind_ = TMarkerKind::None;
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
    char16_t* end = TScanner(state, Format.isEmpty() ? QStringView(u"c") : Format, 1).Run(output.Begin());
    output.Finish(end);
}

QString RenderDateTime(QStringView Format, TDateTime Moment, const TFormatSettings& Settings)
{
    QString out;
    RenderDateTime(out, Format, Moment, Settings);
    return out;
}
