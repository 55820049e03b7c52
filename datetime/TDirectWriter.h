#pragma once

#include "datetime/FormatOutput.h"
#include "datetime/TFormatScanner.h"

#include <QString>

#include <algorithm>

// The scanner's handler that renders at once, for a one-off render: it
// writes into Out as the format is scanned, with no steps in between. Out
// is sized ahead and cut to the text at Finish; should anything throw, Abandon
// leaves Out holding what was written.
class TDirectWriter {
public:
    TDirectWriter(QString& Out, const TDecodedMoment& M) : Out_(Out), M_(M)
    {
        constexpr qsizetype MinimumRoom = 64;
        Out.resize(std::max(Out.capacity(), MinimumRoom));
        Begin_ = reinterpret_cast<char16_t*>(Out.data());
        Cur_ = Begin_;
        Limit_ = Begin_ + Out.size();
    }
    TDirectWriter(const TDirectWriter&) = delete;
    TDirectWriter& operator=(const TDirectWriter&) = delete;

    void Finish() { Out_.resize(Cur_ - Begin_); }
    void Abandon() noexcept { Out_.resize(Cur_ - Begin_); } // smaller: allocates nothing

    void Text(const char16_t* From, qsizetype Length)
    {
        Reserve(Length);
        Cur_ = FormatOutput::Put(Cur_, From, Length);
    }

    // Characters that are never tokens, from P (one at least), copied as
    // they are read; the rest of the format is room enough for them.
    const char16_t* PlainRun(const char16_t* P, const char16_t* End)
    {
        Reserve(End - P);
        char16_t* cur = Cur_;
        do
            *cur++ = *P++;
        while (P < End && FormatScanning::IsPlain(*P));
        Cur_ = cur;
        return P;
    }

    void Char(char16_t C)
    {
        Reserve(1);
        *Cur_++ = C;
    }

    void Number(TFormatOpKind Kind, int Width)
    {
        Reserve(Kind == TFormatOpKind::Year ? FormatOutput::YearRoom : FormatOutput::FieldRoom);
        Cur_ = FormatOutput::PutField(Cur_, Kind, Width, M_);
    }

    void Names(TFormatOpKind Kind, const QString* Names)
    {
        if (const QString* name = FormatOutput::NameOf(Kind, Names, M_))
            Text(reinterpret_cast<const char16_t*>(name->constData()), name->size());
    }

    void Choice(const char16_t* Am, qsizetype AmLength, const char16_t* Pm, qsizetype PmLength)
    {
        if (M_.Hour() < 12)
            Text(Am, AmLength);
        else
            Text(Pm, PmLength);
    }

    void Era(TFormatOpKind Kind, int Run)
    {
        const QString text = FormatOutput::EraText(Kind, Run, M_);
        Text(reinterpret_cast<const char16_t*>(text.constData()), text.size());
    }

    bool BeginUnlessMidnight() const noexcept { return !M_.IsMidnight(); }
    void EndUnlessMidnight() noexcept {}

private:
    void Reserve(qsizetype Count)
    {
        if (Limit_ - Cur_ < Count) [[unlikely]]
            Grow(Count);
    }

    [[gnu::noinline]] void Grow(qsizetype Count)
    {
        const qsizetype at = Cur_ - Begin_;
        Out_.resize(std::max(2 * Out_.size(), at + Count));
        Begin_ = reinterpret_cast<char16_t*>(Out_.data());
        Cur_ = Begin_ + at;
        Limit_ = Begin_ + Out_.size();
    }

    QString& Out_;
    const TDecodedMoment& M_;
    char16_t* Begin_;
    char16_t* Cur_;
    char16_t* Limit_;
};
