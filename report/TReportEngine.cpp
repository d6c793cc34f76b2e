#include "report/TReportEngine.h"

#include "report/EReportEngine.h"

#include <QCoreApplication>
#include <QtDebug>

namespace report {

TReportEngine::TReportEngine(std::unique_ptr<ReportSurface> surface) : TCanvasReport(std::move(surface)) {}

TReportEngine::~TReportEngine() {
    if (Printing()) Surface().AbortDocument();
}

void TReportEngine::RequireIdle() const {
    if (Printing()) throw EReportEngine(kAlreadyPrinting);
}

void TReportEngine::SetCopies(int copies) {
    RequireIdle();
    if (Surface().Available() && copies > 0) Surface().SetCopies(copies);
    copies_ = copies;
}

void TReportEngine::SetOrientation(TOrientation orientation) {
    RequireIdle();
    if (Surface().Available() && orientation != poDefault) {
        Surface().SetOrientation(orientation);
        ReadPageGeometry();
    }
    orientation_ = orientation;
}

void TReportEngine::Raise(const TNotifyEvent& event) {
    if (event) event(*this);
}

void TReportEngine::PrintReport() {
    if (!Surface().Available()) {
        if (ShowError) ShowError(QString::fromUtf8(kNoPrinters));
        else qWarning().noquote() << kNoPrinters;
        return;
    }
    RequireIdle();
    ResetPageCount();
    Raise(OnBeforePrint);
    try {
        if (OnPrint || OnPrintPage) PrintDocument();
    } catch (...) {
        Raise(OnAfterPrint);
        throw;
    }
    Raise(OnAfterPrint);
}

void TReportEngine::PrintDocument() {
    if (!Surface().BeginDocument(Title)) throw EReportEngine(Surface().DocumentFailure());
    SetPrinting(true);
    try {
        PrintPages();
    } catch (...) {
        EndDocument();
        throw;
    }
    if (!EndDocument()) throw EReportEngine(Surface().DocumentFailure());
}

bool TReportEngine::EndDocument() {
    const bool whole = Surface().EndDocument();
    SetPrinting(false);
    return whole;
}

void TReportEngine::PrintPages() {
    StartDocument();
    EnterPage(1);
    Raise(OnNewPage);
    Raise(OnPrintHeader);
    if (OnPrint) {
        OnPrint(*this);
    } else {
        int pageNum = CurrentPage();
        while (OnPrintPage(*this, pageNum)) {
            StartNewPage();
            pageNum = CurrentPage();
        }
    }
    Raise(OnPrintFooter);
}

void TReportEngine::StartNewPage() {
    Raise(OnPrintFooter);
    const bool endingPageSkipped = PageSkipped();
    TCanvasReport::StartNewPage();
    if (!endingPageSkipped && !PageSkipped()) ReportCanvas().NewSheet();
    Raise(OnNewPage);
    Raise(OnPrintHeader);
}

// Lets the label repaint while the job runs.
void TReportEngine::ShowStatus() {
    if (!StatusLabel) return;
    TCanvasReport::ShowStatus();
    QCoreApplication::processEvents();
}

}  // namespace report
