#pragma once
// A compact cell text: up to 22 Latin-1 characters are kept inline (every coordinate display form,
// order number, distance text and most names); anything else lives in one heap block.
// Keeps a million-row table within a few dozen bytes per cell.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace wayloom {

class CellText {
public:
    CellText() noexcept { clearInline(); }
    explicit CellText(std::u16string_view text) {
        clearInline();
        assign(text);
    }
    CellText(const CellText& other) {
        clearInline();
        copyFrom(other);
    }
    CellText(CellText&& other) noexcept {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.clearInline();
    }
    CellText& operator=(const CellText& other) {
        if (this != &other) {
            release();
            copyFrom(other);
        }
        return *this;
    }
    CellText& operator=(CellText&& other) noexcept {
        if (this != &other) {
            release();
            std::memcpy(bytes_, other.bytes_, sizeof bytes_);
            other.clearInline();
        }
        return *this;
    }
    ~CellText() { release(); }

    void assign(std::u16string_view text);
    std::u16string str() const;
    std::size_t size() const noexcept;
    bool empty() const noexcept { return size() == 0; }
    bool equals(std::u16string_view text) const noexcept;

    // A view of the text without allocating: inline texts are widened into `scratch`.
    using Scratch = char16_t[23];
    std::u16string_view view(Scratch& scratch) const noexcept;

private:
    static constexpr std::size_t InlineCapacity = 22;
    static constexpr std::uint8_t HeapFlag = 0xFF;

    bool onHeap() const noexcept { return bytes_[23] == HeapFlag; }
    void clearInline() noexcept {
        bytes_[0] = 0;
        bytes_[23] = 0;
    }
    // Inline: every row insert and removal moves and destroys cells, and most hold no heap block.
    void release() noexcept {
        if (onHeap()) delete[] heapData();
        clearInline();
    }
    void copyFrom(const CellText& other);
    const char16_t* heapData() const noexcept {
        char16_t* data;
        std::memcpy(&data, bytes_, sizeof data);
        return data;
    }
    std::uint32_t heapSize() const noexcept;

    // Inline: bytes_[0..22] Latin-1 characters, bytes_[23] the length.
    // Heap: a pointer to the characters and a 32-bit length at the front, bytes_[23] = HeapFlag.
    alignas(8) unsigned char bytes_[24];
};

}  // namespace wayloom
