#include "lottery/ByteStream.h"

#include <bit>

namespace lottery {

static_assert(std::endian::native == std::endian::little,
              "the data files are little-endian and read by copying bytes");

ByteReader::ByteReader(std::string_view bytes) : bytes_(bytes) {}

bool ByteReader::GiveUp() {
    exhausted_ = true;
    position_ = bytes_.size();
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
