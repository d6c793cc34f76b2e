#include "TicketFileBuilder.h"

#include <QtEndian>

namespace testsupport {
namespace {

template <typename T>
void Append(QByteArray& bytes, T value) {
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

}  // namespace

TicketFileBuilder& TicketFileBuilder::Add(std::initializer_list<Board> boards, const char* description,
                                          double startDate, qint16 weeks, qint16 drawDays) {
    QByteArray record;
    for (const Board& board : boards)
        for (qint16 number : board) Append(record, number);
    record.append(static_cast<qsizetype>(10 - boards.size()) * 12, '\0');
    const QByteArray text(description);
    Append(record, static_cast<quint16>(text.size() + 1));
    record.append(text).append('\0');
    Append(record, startDate);
    Append(record, weeks);
    Append(record, drawDays);
    records_.append(record);
    return *this;
}

QByteArray TicketFileBuilder::Bytes() const {
    QByteArray file;
    Append(file, quint16{1});
    Append(file, static_cast<qint16>(records_.size()));
    for (const QByteArray& record : records_) file.append(record);
    return file;
}

}  // namespace testsupport
