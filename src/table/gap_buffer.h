#pragma once
// A sequence with O(1) insertion and removal at a moving position: deleting or re-inserting a long
// run of rows at the same index (delete all, undo of it) stays linear instead of quadratic.
// Spare capacity is left unconstructed, so pages the table has not reached yet cost no memory.
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

namespace wayloom {

template <typename T>
class GapBuffer {
public:
    GapBuffer() = default;
    GapBuffer(const GapBuffer&) = delete;
    GapBuffer& operator=(const GapBuffer&) = delete;
    ~GapBuffer() { clear(); }

    std::size_t size() const noexcept { return capacity_ - gapLength(); }
    bool empty() const noexcept { return size() == 0; }

    T& operator[](std::size_t i) noexcept { return data_[physical(i)]; }
    const T& operator[](std::size_t i) const noexcept { return data_[physical(i)]; }

    void insert(std::size_t position, T&& value) {
        assert(position <= size());
        if (gapLength() == 0) grow();
        moveGapTo(position);
        ::new (static_cast<void*>(data_ + gapBegin_)) T(std::move(value));
        ++gapBegin_;
    }

    T erase(std::size_t position) {
        assert(position < size());
        moveGapTo(position);
        T value = std::move(data_[gapEnd_]);
        std::destroy_at(data_ + gapEnd_);
        ++gapEnd_;
        return value;
    }

    void clear() {
        std::destroy(data_, data_ + gapBegin_);
        std::destroy(data_ + gapEnd_, data_ + capacity_);
        ::operator delete(data_, std::align_val_t(alignof(T)));
        data_ = nullptr;
        capacity_ = gapBegin_ = gapEnd_ = 0;
    }

    // Makes room for `capacity` elements in all, so that inserting up to that many moves none.
    void reserve(std::size_t capacity) {
        if (capacity > capacity_) reallocate(capacity);
    }

    // Moves the gap to the end so that the elements are contiguous, e.g. for sorting.
    T* contiguous() {
        moveGapTo(size());
        return data_;
    }

    std::size_t capacityBytes() const noexcept { return capacity_ * sizeof(T); }

private:
    std::size_t gapLength() const noexcept { return gapEnd_ - gapBegin_; }
    std::size_t physical(std::size_t i) const noexcept { return i < gapBegin_ ? i : i + gapLength(); }

    // Each element crosses the gap by a move into an unconstructed slot.
    void relocate(std::size_t from, std::size_t to) {
        ::new (static_cast<void*>(data_ + to)) T(std::move(data_[from]));
        std::destroy_at(data_ + from);
    }

    void moveGapTo(std::size_t position) {
        const std::size_t gap = gapLength();
        while (gapBegin_ > position) {
            --gapBegin_;
            --gapEnd_;
            if (gap) relocate(gapBegin_, gapBegin_ + gap);
        }
        while (gapBegin_ < position) {
            if (gap) relocate(gapEnd_, gapBegin_);
            ++gapBegin_;
            ++gapEnd_;
        }
    }

    void grow() { reallocate(capacity_ + std::max<std::size_t>(16, capacity_ / 2)); }

    void reallocate(std::size_t capacity) {
        T* data = static_cast<T*>(::operator new(capacity * sizeof(T), std::align_val_t(alignof(T))));
        const std::size_t tail = capacity_ - gapEnd_;
        for (std::size_t i = 0; i < gapBegin_; ++i) ::new (static_cast<void*>(data + i)) T(std::move(data_[i]));
        for (std::size_t i = 0; i < tail; ++i)
            ::new (static_cast<void*>(data + capacity - tail + i)) T(std::move(data_[gapEnd_ + i]));
        const std::size_t gapBegin = gapBegin_;
        clear();
        data_ = data;
        capacity_ = capacity;
        gapBegin_ = gapBegin;
        gapEnd_ = capacity - tail;
    }

    T* data_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t gapBegin_ = 0;
    std::size_t gapEnd_ = 0;
};

}  // namespace wayloom
