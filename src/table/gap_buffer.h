#pragma once
// A sequence with O(1) insertion and removal at a moving position: deleting or re-inserting a long
// run of rows at the same index (delete all, undo of it) stays linear instead of quadratic.
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

namespace wayloom {

template <typename T>
class GapBuffer {
public:
    std::size_t size() const noexcept { return store_.size() - gapLength(); }
    bool empty() const noexcept { return size() == 0; }

    T& operator[](std::size_t i) noexcept { return store_[physical(i)]; }
    const T& operator[](std::size_t i) const noexcept { return store_[physical(i)]; }

    void insert(std::size_t position, T value) {
        assert(position <= size());
        if (gapLength() == 0) grow();
        moveGapTo(position);
        store_[gapBegin_++] = std::move(value);
    }

    T erase(std::size_t position) {
        assert(position < size());
        moveGapTo(position);
        T value = std::move(store_[gapEnd_]);
        store_[gapEnd_++] = T();
        return value;
    }

    void clear() {
        std::vector<T>().swap(store_);
        gapBegin_ = gapEnd_ = 0;
    }

    // Moves the gap to the end so that the elements are contiguous, e.g. for sorting.
    T* contiguous() {
        moveGapTo(size());
        return store_.data();
    }

    std::size_t capacityBytes() const noexcept { return store_.capacity() * sizeof(T); }

private:
    std::size_t gapLength() const noexcept { return gapEnd_ - gapBegin_; }
    std::size_t physical(std::size_t i) const noexcept { return i < gapBegin_ ? i : i + gapLength(); }

    void moveGapTo(std::size_t position) {
        if (position < gapBegin_) {
            std::size_t count = gapBegin_ - position;
            std::move_backward(store_.begin() + position, store_.begin() + gapBegin_, store_.begin() + gapEnd_);
            gapBegin_ -= count;
            gapEnd_ -= count;
        } else if (position > gapBegin_) {
            std::size_t count = position - gapBegin_;
            std::move(store_.begin() + gapEnd_, store_.begin() + gapEnd_ + count, store_.begin() + gapBegin_);
            gapBegin_ += count;
            gapEnd_ += count;
        }
    }

    void grow() {
        const std::size_t oldSize = store_.size();
        const std::size_t tail = oldSize - gapEnd_;
        std::vector<T> bigger(oldSize + std::max<std::size_t>(16, oldSize / 2));
        std::move(store_.begin(), store_.begin() + gapBegin_, bigger.begin());
        std::move(store_.begin() + gapEnd_, store_.end(), bigger.end() - tail);
        store_.swap(bigger);
        gapEnd_ = store_.size() - tail;
    }

    std::vector<T> store_;
    std::size_t gapBegin_ = 0;
    std::size_t gapEnd_ = 0;
};

}  // namespace wayloom
