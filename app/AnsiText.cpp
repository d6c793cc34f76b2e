#include "app/AnsiText.h"

#include <algorithm>
#include <array>

namespace app {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes it leaves undefined,
// which read as the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t CharOfByte(unsigned char byte) {
    if (byte < 0x80 || byte > 0x9F) return byte;
    const char16_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

char ByteOfChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c || (kHighControls[i] == 0 && c == 0x80 + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string ToAnsi(const QString& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) bytes.push_back(ByteOfChar(c.unicode()));
    return bytes;
}

bool FitsAnsi(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == QLatin1Char('?') || ByteOfChar(c.unicode()) != '?'; });
}

QString FromAnsi(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) text.append(QChar(CharOfByte(static_cast<unsigned char>(byte))));
    return text;
}

}  // namespace app
