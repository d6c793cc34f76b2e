#include "lottery/TicketText.h"

#include <cstring>

namespace lottery {

static_assert(TicketText::kMaxLength <= UINT8_MAX, "the length is kept in one byte");

TicketText::TicketText(TicketText&& other) noexcept
    : inline_(other.inline_), size_(other.size_), heap_(std::move(other.heap_)) {
    other.size_ = 0;
}

TicketText& TicketText::operator=(const TicketText& other) {
    if (this != &other) Assign(other.View());
    return *this;
}

TicketText& TicketText::operator=(TicketText&& other) noexcept {
    if (this == &other) return *this;
    inline_ = other.inline_;
    size_ = other.size_;
    heap_ = std::move(other.heap_);
    other.size_ = 0;
    return *this;
}

void TicketText::Assign(std::string_view text) {
    text = text.substr(0, kMaxLength);
    if (text.size() <= kInlineCapacity) {
        if (!text.empty()) std::memmove(inline_.data(), text.data(), text.size());
        heap_.reset();
    } else {
        // A new block before the old one goes: the text may be the old one's.
        auto longer = std::make_unique_for_overwrite<char[]>(text.size());
        std::memcpy(longer.get(), text.data(), text.size());
        heap_ = std::move(longer);
    }
    size_ = static_cast<uint8_t>(text.size());
}

}  // namespace lottery
