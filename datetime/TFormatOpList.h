#pragma once

#include "datetime/TFormatOp.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// A growing list of steps that starts in room the caller provides (on the
// stack for a one-off render) and moves to the heap only when that is full.
class TFormatOpList {
public:
    TFormatOpList(TFormatOp* Room, std::size_t RoomSize) noexcept : Data_(Room), Capacity_(RoomSize) {}
    TFormatOpList(const TFormatOpList&) = delete;
    TFormatOpList& operator=(const TFormatOpList&) = delete;

    TFormatOp& Add()
    {
        if (Size_ == Capacity_) [[unlikely]]
            Grow();
        return Data_[Size_++];
    }

    TFormatOp* Data() noexcept { return Data_; }
    const TFormatOp* Data() const noexcept { return Data_; }
    std::size_t Size() const noexcept { return Size_; }
    TFormatOp& operator[](std::size_t I) noexcept { return Data_[I]; }
    TFormatOp& Back() noexcept { return Data_[Size_ - 1]; }

private:
    void Grow()
    {
        std::vector<TFormatOp> bigger(Capacity_ * 2);
        std::copy(Data_, Data_ + Size_, bigger.begin());
        Heap_ = std::move(bigger);
        Data_ = Heap_.data();
        Capacity_ = Heap_.size();
    }

    TFormatOp* Data_;
    std::size_t Size_ = 0;
    std::size_t Capacity_;
    std::vector<TFormatOp> Heap_;
};
