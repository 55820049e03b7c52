#pragma once

#include "datetime/FormatOutput.h"
#include "datetime/TFormatOpList.h"
#include "datetime/TFormatScanner.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

// The scanner's handler that compiles: it records the steps, copies every
// piece of literal text into one pool as the suffix of the step before it
// (so "hh:nn" is two steps, not three), and counts the longest text the
// steps can write (names as the longest of their list, era texts as nothing).
//
// The pool grows while the steps are recorded: Finish points the suffixes
// into its final copy.
class TFormatRecorder {
public:
    explicit TFormatRecorder(TFormatOpList& Ops) noexcept : Ops_(Ops) {}

    qsizetype MaxLength() const noexcept { return MaxLength_; }
    const std::u16string& Pool() const noexcept { return Pool_; }

    // Points the suffixes into Pool, a copy of Pool() that outlives the steps.
    void Finish(const char16_t* Pool)
    {
        for (std::size_t i = 0; i < Ops_.Size(); ++i)
            Ops_[i].Suffix = Pool + SuffixAt_[i];
    }

    void Text(const char16_t* From, qsizetype Length)
    {
        if (Length <= 0)
            return;
        MaxLength_ += Length;
        // The suffix of the last step, unless that step is behind a part
        // skipped at midnight (or is the skip itself).
        if (Ops_.Size() <= SuffixFloor_)
            Add(TFormatOpKind::Text);
        TFormatOp& last = Ops_.Back();
        last.SuffixLength += std::int32_t(Length);
        Pool_.append(From, std::size_t(Length));
    }

    void Char(char16_t C) { Text(&C, 1); }

    // Characters that are never tokens, from P (one at least); returns
    // where they end.
    const char16_t* PlainRun(const char16_t* P, const char16_t* End)
    {
        const char16_t* from = P;
        do
            ++P;
        while (P < End && FormatScanning::IsPlain(*P));
        Text(from, P - from);
        return P;
    }

    void Number(TFormatOpKind Kind, int Width)
    {
        Add(Kind).Width = std::uint8_t(Width);
        MaxLength_ += Kind == TFormatOpKind::Year ? FormatOutput::YearRoom : FormatOutput::FieldRoom;
    }

    void Names(TFormatOpKind Kind, const QString* Names)
    {
        Add(Kind).Names = Names;
        const qsizetype count = Kind == TFormatOpKind::MonthName ? 12 : 7;
        qsizetype longest = 0;
        for (qsizetype i = 0; i < count; ++i)
            longest = std::max(longest, Names[i].size());
        MaxLength_ += longest;
    }

    void Choice(const char16_t* Am, qsizetype AmLength, const char16_t* Pm, qsizetype PmLength)
    {
        TFormatOp& op = Add(TFormatOpKind::AmPm);
        op.Text = Am;
        op.Length = std::int32_t(AmLength);
        op.Other = Pm;
        op.OtherLength = std::int32_t(PmLength);
        MaxLength_ += std::max(AmLength, PmLength);
    }

    void Era(TFormatOpKind Kind, int Run) { Add(Kind).Width = std::uint8_t(Run); }

    // The time part of a c: it is always recorded, behind a step that skips
    // it at midnight.
    bool BeginUnlessMidnight()
    {
        Skip_ = Ops_.Size();
        Add(TFormatOpKind::SkipIfMidnight);
        SuffixFloor_ = Ops_.Size();
        return true;
    }

    void EndUnlessMidnight()
    {
        Ops_[Skip_].Length = std::int32_t(Ops_.Size() - Skip_ - 1);
        SuffixFloor_ = Ops_.Size();
    }

private:
    TFormatOp& Add(TFormatOpKind Kind)
    {
        TFormatOp& op = Ops_.Add();
        op = TFormatOp{Kind, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr};
        SuffixAt_.push_back(Pool_.size());
        return op;
    }

    TFormatOpList& Ops_;
    std::u16string Pool_;
    std::vector<std::size_t> SuffixAt_; // per step: where its suffix starts in the pool
    qsizetype MaxLength_ = 0;
    std::size_t SuffixFloor_ = 0;
    std::size_t Skip_ = 0;
};
