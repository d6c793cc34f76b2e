#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <istream>
#include <string>
#include <string_view>

namespace lottery {

// Reads little-endian values from a stream, a window at a time. Reading past
// the end never fails loudly: it yields zeros and marks the reader as
// exhausted, so loaders can drop an incomplete record instead of trusting
// the file.
class ByteReader {
public:
    // Reads the stream, of size bytes when opened, as values are asked for,
    // through a window of 64 KiB. Read whole, the largest ticket file made
    // start-up fill fresh memory as large as itself besides its tickets,
    // which alone took start-up past its budget of 1.5 times start-up with
    // no data (1.58 on an AMD EPYC machine).
    ByteReader(std::istream& source, std::uintmax_t size);
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    uint16_t ReadUInt16() { return Read<uint16_t>(); }
    int16_t ReadInt16() { return Read<int16_t>(); }
    double ReadDouble() { return Read<double>(); }
    // count numbers in a row; all of them zero when the bytes run out.
    void ReadInt16s(int16_t* values, std::size_t count) {
        const char* where = nullptr;
        if (Take(count * sizeof *values, where)) std::memcpy(values, where, count * sizeof *values);
        else std::memset(values, 0, count * sizeof *values);
    }
    // The next count bytes as they are, or none when fewer are left; good
    // until the next read.
    std::string_view ReadBytes(std::size_t count) {
        const char* where = nullptr;
        return Take(count, where) ? std::string_view(where, count) : std::string_view();
    }
    // The text of a counted-text block: its bytes before the first NUL;
    // good until the next read.
    std::string_view ReadCountedText();

    bool Exhausted() const { return exhausted_; }
    // The bytes left, as far as the size the stream had when opened tells.
    std::size_t Remaining() const { return Buffered() + unread_; }

private:
    std::size_t Buffered() const { return bytes_.size() - position_; }
    bool Take(std::size_t count, const char*& where) {
        if (exhausted_ || (Buffered() < count && !Refill(count))) return GiveUp();
        where = bytes_.data() + position_;
        position_ += count;
        return true;
    }
    bool Refill(std::size_t count);
    bool GiveUp();

    // Loaders read every field through here, so it stays inline.
    template <typename Value>
    Value Read() {
        const char* where = nullptr;
        Value value{};
        if (Take(sizeof value, where)) std::memcpy(&value, where, sizeof value);
        return value;
    }

    std::istream& source_;
    std::string window_;
    std::string_view bytes_;  // the window's filled part
    std::size_t position_ = 0;
    bool exhausted_ = false;
    std::size_t unread_ = 0;  // of the stream's size, not yet in the window
};

// Appends little-endian values to a growing byte buffer.
class ByteWriter {
public:
    void WriteUInt16(uint16_t value) { Write(value); }
    void WriteInt16(int16_t value) { Write(value); }
    void WriteDouble(double value) { Write(value); }
    void WriteBytes(std::string_view bytes) { bytes_.append(bytes); }
    void Reserve(std::size_t size) { bytes_.reserve(size); }
    // A 16-bit length counting the bytes and their terminating NUL, then the
    // bytes and the NUL. The text must be shorter than 65535 bytes.
    void WriteCountedText(std::string_view text);

    const std::string& Bytes() const { return bytes_; }

private:
    template <typename Value>
    void Write(Value value) {
        char raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);
        bytes_.append(raw, sizeof value);
    }

    std::string bytes_;
};

}  // namespace lottery
