#include "table/cell_text.h"

#include <new>

namespace wayloom {

void CellText::assign(std::u16string_view text) {
    release();
    if (text.size() <= InlineCapacity) {
        // Copied and checked in one pass; a text that turns out not to be Latin-1 goes to the heap.
        char16_t all = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            all |= text[i];
            bytes_[i] = static_cast<unsigned char>(text[i]);
        }
        if (all < 0x100) {
            bytes_[23] = static_cast<unsigned char>(text.size());
            return;
        }
    }
    auto* data = new char16_t[text.size()];
    std::memcpy(data, text.data(), text.size() * sizeof(char16_t));
    const auto length = static_cast<std::uint32_t>(text.size());
    std::memcpy(bytes_, &data, sizeof data);
    std::memcpy(bytes_ + 8, &length, sizeof length);
    bytes_[23] = HeapFlag;
}

std::uint32_t CellText::heapSize() const noexcept {
    std::uint32_t length;
    std::memcpy(&length, bytes_ + 8, sizeof length);
    return length;
}

void CellText::copyFrom(const CellText& other) {
    if (other.onHeap()) {
        clearInline();
        assign(std::u16string_view(other.heapData(), other.heapSize()));
    } else {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    }
}

std::size_t CellText::size() const noexcept { return onHeap() ? heapSize() : bytes_[23]; }

std::u16string CellText::str() const {
    if (onHeap()) return std::u16string(heapData(), heapSize());
    std::u16string text(bytes_[23], u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = bytes_[i];
    return text;
}

std::u16string_view CellText::view(Scratch& scratch) const noexcept {
    if (onHeap()) return std::u16string_view(heapData(), heapSize());
    for (std::size_t i = 0; i < bytes_[23]; ++i) scratch[i] = bytes_[i];
    return std::u16string_view(scratch, bytes_[23]);
}

bool CellText::equals(std::u16string_view text) const noexcept {
    if (onHeap()) return std::u16string_view(heapData(), heapSize()) == text;
    if (text.size() != bytes_[23]) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != bytes_[i]) return false;
    return true;
}

}  // namespace wayloom
