#pragma once

#include "PrintTickets/DrawReport.h"
#include "app/AppContext.h"
#include "report/PainterSurface.h"
#include "report/TReportEngine.h"

#include <QString>

#include <memory>
#include <variant>

class QWidget;

namespace app {
class DateText;
}

namespace printtickets {

// The draws from the first to the last, by number.
struct DrawRange {
    int first = 0;
    int last = 0;
};

// Prints a draw report over a range of draws, one job per draw, as the print
// dialog and the command line both do. A failure ends the range there and
// goes to the platform's error message, over the given window (none when
// there is no window).
class DrawRangePrinter {
public:
    DrawRangePrinter(const app::AppContext& context, DrawReport& report, QWidget* errorParent);

    // The draws of two short dates as the user typed them, or the message
    // saying what is wrong with them.
    static std::variant<DrawRange, QString> RangeOfDates(const app::DateText& dates, const QString& firstText,
                                                         const QString& lastText);

    void ConfigureEngine(report::TReportEngine& engine) const;
    // False when a job failed; the user has been told.
    bool PrintRange(report::TReportEngine& engine, const DrawRange& range, int jobsPerDraw) const;
    // Every job of the range continues the one document, as a file or a
    // preview holds all the pages at once.
    bool PrintAsOneDocument(std::unique_ptr<report::PainterSurface> surface, const DrawRange& range,
                            int jobsPerDraw) const;
    bool SaveAsPdf(const QString& fileName, const DrawRange& range, int copies) const;

private:
    const app::AppContext& context_;
    DrawReport& report_;
    QWidget* errorParent_;
};

}  // namespace printtickets
