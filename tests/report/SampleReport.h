#pragma once

#include "report/TReportEngine.h"

namespace report::testing {

// A ticket checklist with made-up rows, laid out as the program's reports
// are: a title, shaded header rows, boxed body rows and a footer. It is for
// looking at on paper and for checking that pages break and repeat.
class SampleReport {
public:
    // Assigns the engine's events; `rows` body rows follow the header.
    SampleReport(TReportEngine& engine, int rows);

private:
    void BeforePrint(TReportEngine& report);
    void PrintHeader(TReportEngine& report);
    bool PrintPage(TReportEngine& report);
    void PrintRow(TReportEngine& report);
    void PrintFooter(TReportEngine& report);
    static void AddCellRow(TReportEngine& report, int cells, int shade);

    int rowCount_;
    int rowIndex_ = -1;
};

}  // namespace report::testing
