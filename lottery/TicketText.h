#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace lottery {

// A ticket's description, at most 255 bytes. Most descriptions are a few
// words: those stay inside the ticket, so that loading tens of thousands of
// tickets asks the heap for nothing; only longer ones are kept apart.
class TicketText {
public:
    static constexpr std::size_t kMaxLength = 255;

    TicketText() = default;
    TicketText(const TicketText& other) { Assign(other.View()); }
    TicketText(TicketText&& other) noexcept;
    TicketText& operator=(const TicketText& other);
    TicketText& operator=(TicketText&& other) noexcept;
    ~TicketText() = default;

    // Keeps at most the first kMaxLength bytes: longer text cannot be stored.
    void Assign(std::string_view text);
    std::string_view View() const { return {size_ <= kInlineCapacity ? inline_.data() : heap_.get(), size_}; }

    bool operator==(const TicketText& other) const { return View() == other.View(); }

private:
    static constexpr std::size_t kInlineCapacity = 30;

    std::array<char, kInlineCapacity> inline_{};
    uint8_t size_ = 0;
    std::unique_ptr<char[]> heap_;
};

}  // namespace lottery
