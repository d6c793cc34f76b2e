#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace app {

// Descriptions are stored as Windows-1252 bytes, the code page the data files
// were made with. A character that code page cannot hold is written as "?";
// the description field refuses such characters as they are typed.
std::string ToAnsi(const QString& text);
bool FitsAnsi(const QString& text);
QString FromAnsi(std::string_view bytes);

}  // namespace app
