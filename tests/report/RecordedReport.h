#pragma once

#include "report/EReportEngine.h"
#include "report/RecordingSurface.h"
#include "report/TReportEngine.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace report::testing {

using Kind = RecordingSurface::Kind;
using Call = RecordingSurface::Call;

// An engine printing on a 600 dpi Letter sheet with quarter-inch strips,
// so that an inch position x is device column (x - 0.25) x 600.
//
// The standard page: margins 0.5 left and right, 1 at the top and bottom,
// font Arial 12 (100 pixels high, 20 pixels descent, 50 pixels a character).
// Its first line's band runs from 1 to 7/6 inch (rows 450 to 550) with the
// baseline 1/30 inch above the band's bottom (row 530).
class RecordedReport : public ::testing::Test {
protected:
    RecordedReport()
        : surface_(new RecordingSurface), engine_(std::unique_ptr<ReportSurface>(surface_)) {
        engine_.SetMarginLeft(0.5);
        engine_.SetMarginRight(0.5);
        engine_.SetMarginTop(1);
        engine_.SetMarginBottom(1);
    }

    // Prints one job whose body is `body`, on the standard page.
    void PrintOnePage(const std::function<void(TReportEngine&)>& body) {
        engine_.OnPrint = [&body](TReportEngine& report) {
            report.SelectFont(QStringLiteral("Arial"), 12, 0);
            report.HomePosition();
            body(report);
        };
        engine_.PrintReport();
    }

    std::vector<Call> Calls(Kind kind) const { return surface_->CallsOf(kind); }

    RecordingSurface* surface_;  // owned by engine_
    TReportEngine engine_;
};

// Runs `action` and answers the engine's message, or "" when nothing failed.
inline QString FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EReportEngine& failure) {
        return failure.Message();
    }
    return {};
}

}  // namespace report::testing
