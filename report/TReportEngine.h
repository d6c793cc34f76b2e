#pragma once

#include "report/TCanvasReport.h"

#include <functional>

namespace report {

// Runs print jobs: a report is a set of event handlers that place text on
// the pages; the engine begins the document, counts the pages, raises the
// events in a fixed order and ends the document, also after a failure.
//
// Each page sees OnNewPage, OnPrintHeader, its body (one OnPrintPage call,
// or part of OnPrint) and OnPrintFooter.
class TReportEngine : public TCanvasReport {
public:
    using TNotifyEvent = std::function<void(TReportEngine& sender)>;
    // Answers whether another page follows.
    using TPrintPageEvent = std::function<bool(TReportEngine& sender, int& PageNum)>;

    explicit TReportEngine(std::unique_ptr<ReportSurface> surface);
    ~TReportEngine() override;

    QString Title = QStringLiteral("ReportEngine Report");
    // Shows "No printers are defined, aborting print job." to the user;
    // without it the message only goes to the log.
    std::function<void(const QString&)> ShowError;

    TNotifyEvent OnPrint;
    TPrintPageEvent OnPrintPage;
    TNotifyEvent OnBeforePrint;
    TNotifyEvent OnAfterPrint;
    TNotifyEvent OnNewPage;
    TNotifyEvent OnPrintHeader;
    TNotifyEvent OnPrintFooter;

    // Only while no job runs. Copies below 1 are kept but not passed to
    // the printer; poDefault leaves the printer's orientation.
    int Copies() const { return copies_; }
    void SetCopies(int copies);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation orientation);

    // One complete print job. A handler's failure ends the document, raises
    // OnAfterPrint and then reaches the caller; so does a document that
    // could not be begun or did not reach its destination whole.
    void PrintReport();
    void StartNewPage() override;

protected:
    void ShowStatus() override;

private:
    void RequireIdle() const;
    void Raise(const TNotifyEvent& event);
    void PrintDocument();
    bool EndDocument();
    void PrintPages();

    int copies_ = 1;
    TOrientation orientation_ = poPortrait;
};

}  // namespace report
