#pragma once

#include "app/DataFilePaths.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace testsupport {

// A temporary folder holding a test's ticket and history files.
class TestDataDir {
public:
    TestDataDir();

    app::DataFilePaths Paths() const;
    void WriteTickets(const QByteArray& bytes) const;
    QByteArray ReadTickets() const;
    bool TicketsExist() const;

private:
    QTemporaryDir dir_;
};

}  // namespace testsupport
