#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lottery {

// Reads little-endian values from bytes already in memory. Reading past the
// end never fails loudly: it yields zeros and marks the reader as exhausted,
// so loaders can drop an incomplete record instead of trusting the file.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes);

    uint16_t ReadUInt16();
    int16_t ReadInt16();
    double ReadDouble();
    std::string ReadCountedText();

    bool Exhausted() const { return exhausted_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    bool Take(std::size_t count, const char*& where);

    std::string_view bytes_;
    std::size_t position_ = 0;
    bool exhausted_ = false;
};

// Appends little-endian values to a growing byte buffer.
class ByteWriter {
public:
    void WriteUInt16(uint16_t value);
    void WriteInt16(int16_t value);
    void WriteDouble(double value);
    // A 16-bit length counting the bytes and their terminating NUL, then the
    // bytes and the NUL. The text must be shorter than 65535 bytes.
    void WriteCountedText(std::string_view text);

    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace lottery
