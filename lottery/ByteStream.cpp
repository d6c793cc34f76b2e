#include "lottery/ByteStream.h"

#include <bit>
#include <cstring>

namespace lottery {

static_assert(std::endian::native == std::endian::little,
              "the data files are little-endian and read by copying bytes");

ByteReader::ByteReader(std::string_view bytes) : bytes_(bytes) {}

bool ByteReader::Take(std::size_t count, const char*& where) {
    if (exhausted_ || Remaining() < count) {
        exhausted_ = true;
        position_ = bytes_.size();
        return false;
    }
    where = bytes_.data() + position_;
    position_ += count;
    return true;
}

uint16_t ByteReader::ReadUInt16() {
    const char* where = nullptr;
    uint16_t value = 0;
    if (Take(sizeof value, where)) std::memcpy(&value, where, sizeof value);
    return value;
}

int16_t ByteReader::ReadInt16() {
    return static_cast<int16_t>(ReadUInt16());
}

double ByteReader::ReadDouble() {
    const char* where = nullptr;
    double value = 0;
    if (Take(sizeof value, where)) std::memcpy(&value, where, sizeof value);
    return value;
}

std::string ByteReader::ReadCountedText() {
    const uint16_t length = ReadUInt16();
    const char* where = nullptr;
    if (length == 0 || !Take(length, where)) return {};
    const std::string_view block(where, length);
    return std::string(block.substr(0, block.find('\0')));
}

void ByteWriter::WriteUInt16(uint16_t value) {
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes_.append(raw, sizeof value);
}

void ByteWriter::WriteInt16(int16_t value) {
    WriteUInt16(static_cast<uint16_t>(value));
}

void ByteWriter::WriteDouble(double value) {
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes_.append(raw, sizeof value);
}

void ByteWriter::WriteCountedText(std::string_view text) {
    WriteUInt16(static_cast<uint16_t>(text.size() + 1));
    bytes_.append(text);
    bytes_.push_back('\0');
}

}  // namespace lottery
