#include "PrintTickets/DrawRangePrinter.h"

#include "app/DateText.h"
#include "app/ErrorReport.h"
#include "app/Platform.h"
#include "lottery/DrawCalendar.h"
#include "report/PdfSurface.h"

#include <algorithm>

namespace printtickets {
namespace {

const QString kFirstNotADate =
    QStringLiteral("The First Draw Date is not a valid date. Please re-specify before continuing");
const QString kLastNotADate =
    QStringLiteral("The Last Draw Date is not a valid date. Please re-specify before continuing");
const QString kFirstNotADrawDate =
    QStringLiteral("The First Draw Date is not a valid Lottery Draw date. Please re-specify before continuing");
const QString kLastNotADrawDate =
    QStringLiteral("The Last Draw Date is not a valid Lottery Draw date. Please re-specify before continuing");
const QString kLastBeforeFirst =
    QStringLiteral("The Last Draw Date cannot be before the First Draw Date. Please re-specify before continuing");

}  // namespace

DrawRangePrinter::DrawRangePrinter(const app::AppContext& context, DrawReport& report, QWidget* errorParent)
    : context_(context), report_(report), errorParent_(errorParent) {}

std::variant<DrawRange, QString> DrawRangePrinter::RangeOfDates(const app::DateText& dates, const QString& firstText,
                                                                const QString& lastText) {
    const auto first = dates.ParseShortDate(firstText);
    if (!first) return kFirstNotADate;
    const auto last = dates.ParseShortDate(lastText);
    if (!last) return kLastNotADate;
    const int firstDraw = lottery::DrawNumberOf(*first);
    if (firstDraw < 1) return kFirstNotADrawDate;
    const int lastDraw = lottery::DrawNumberOf(*last);
    if (lastDraw < 1) return kLastNotADrawDate;
    if (*last < *first) return kLastBeforeFirst;
    return DrawRange{firstDraw, lastDraw};
}

void DrawRangePrinter::ConfigureEngine(report::TReportEngine& engine) const {
    engine.StatusFormat = QStringLiteral("Printing page %p");
    engine.SetUnitsFactor(1.0);
    engine.Title = QStringLiteral("Tallimo");
    engine.SetOrientation(report::poPortrait);
    engine.ScaleX = 100;
    engine.ScaleY = 100;
    engine.ShowError = [this](const QString& message) { context_.platform.ShowError(errorParent_, message); };
}

bool DrawRangePrinter::PrintRange(report::TReportEngine& engine, const DrawRange& range, int jobsPerDraw) const {
    return app::RunReportingFailure(context_.platform, errorParent_, [&] {
        for (int drawNumber = range.first; drawNumber <= range.last; ++drawNumber)
            for (int job = 0; job < jobsPerDraw; ++job) report_.PrintDraw(engine, drawNumber);
    });
}

bool DrawRangePrinter::PrintAsOneDocument(std::unique_ptr<report::PainterSurface> surface, const DrawRange& range,
                                          int jobsPerDraw) const {
    report::PainterSurface& pages = *surface;
    report::TReportEngine engine(std::move(surface));
    ConfigureEngine(engine);
    report_.Attach(engine);
    pages.KeepDocumentOpen();
    if (!PrintRange(engine, range, jobsPerDraw)) return false;
    if (pages.EndKeptDocument()) return true;
    context_.platform.ShowError(errorParent_, pages.DocumentFailure());
    return false;
}

// A file cannot ask a printer for copies, so each draw's pages are there
// as often as the copies wanted, one whole copy after another.
bool DrawRangePrinter::SaveAsPdf(const QString& fileName, const DrawRange& range, int copies) const {
    return PrintAsOneDocument(std::make_unique<report::PdfSurface>(fileName), range, std::max(1, copies));
}

}  // namespace printtickets
