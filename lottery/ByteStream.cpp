#include "lottery/ByteStream.h"

#include <algorithm>
#include <bit>

namespace lottery {

static_assert(std::endian::native == std::endian::little,
              "the data files are little-endian and read by copying bytes");

namespace {

// At least as large as any one value a data file holds, so that a full
// window always takes in whole values; a smaller file gets a window of its
// own size, grown should the file have grown since it was opened.
constexpr std::size_t kWindowSize = 64 * 1024;

}  // namespace

ByteReader::ByteReader(std::istream& source, std::uintmax_t size)
    : source_(source),
      window_(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kWindowSize)), '\0'),
      unread_(static_cast<std::size_t>(std::min<std::uintmax_t>(size, SIZE_MAX))) {}

// Moves what is left of the window to its start and fills the rest from
// the stream.
bool ByteReader::Refill(std::size_t count) {
    const std::size_t left = Buffered();
    std::memmove(window_.data(), window_.data() + position_, left);
    if (window_.size() < count) window_.resize(count);
    source_.read(window_.data() + left, static_cast<std::streamsize>(window_.size() - left));
    const auto read = static_cast<std::size_t>(source_.gcount());
    unread_ -= std::min(unread_, read);
    bytes_ = std::string_view(window_.data(), left + read);
    position_ = 0;
    return Buffered() >= count;
}

bool ByteReader::GiveUp() {
    exhausted_ = true;
    position_ = bytes_.size();
    unread_ = 0;
    return false;
}

std::string_view ByteReader::ReadCountedText() {
    const uint16_t length = ReadUInt16();
    const char* where = nullptr;
    if (length == 0 || !Take(length, where)) return {};
    const std::string_view block(where, length);
    return block.substr(0, block.find('\0'));
}

void ByteWriter::WriteCountedText(std::string_view text) {
    WriteUInt16(static_cast<uint16_t>(text.size() + 1));
    bytes_.append(text);
    bytes_.push_back('\0');
}

}  // namespace lottery
