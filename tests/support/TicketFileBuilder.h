#pragma once

#include <QByteArray>
#include <QList>

#include <array>
#include <initializer_list>

namespace testsupport {

// Builds ticket files byte by byte, as the program's own files are laid out.
class TicketFileBuilder {
public:
    using Board = std::array<qint16, 6>;

    TicketFileBuilder& Add(std::initializer_list<Board> boards, const char* description, double startDate,
                           qint16 weeks, qint16 drawDays);
    QByteArray Bytes() const;

private:
    QList<QByteArray> records_;
};

}  // namespace testsupport
