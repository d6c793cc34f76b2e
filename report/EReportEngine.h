#pragma once

#include <QString>

#include <stdexcept>

namespace report {

inline constexpr char kNotPrinting[] = "Invalid method call.  ReportEngine is not printing.";
inline constexpr char kAlreadyPrinting[] = "Invalid method call.  ReportEngine already printing.";
inline constexpr char kCanvasNotActive[] = "Error!  Canvas not yet active.";
inline constexpr char kNoPrinters[] = "No printers are defined, aborting print job.";
inline constexpr char kCannotStartJob[] = "The print job could not be started.";

// A failure of the report engine, carrying the message to show the user.
class EReportEngine : public std::runtime_error {
public:
    explicit EReportEngine(const char* message) : std::runtime_error(message) {}
    explicit EReportEngine(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString Message() const { return QString::fromUtf8(what()); }
};

}  // namespace report
