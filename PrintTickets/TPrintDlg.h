#pragma once

#include "PrintTickets/DrawRangePrinter.h"
#include "PrintTickets/DrawReport.h"
#include "app/AppContext.h"
#include "lottery/LotteryState.h"
#include "report/PainterSurface.h"
#include "report/ReportSurface.h"
#include "report/TReportEngine.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <utility>

class QGroupBox;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace datepicker {
class DateField;
}

namespace printtickets {

// The print dialog: a range of draws and a number of copies, then one
// checklist or result sheet per draw of the range, each its own print job.
// "Save as PDF..." writes the same pages into one PDF file instead.
//
// Checklist: PrepareChecklist(rows), exec(). Result sheet:
// PrepareResultSheet(rows, draw), exec(); the range is then that one draw.
class TPrintDlg : public QDialog {
    Q_OBJECT
public:
    // printer: where "Print" sends its jobs; by default the system's
    // printer, present when the platform names one.
    TPrintDlg(const app::AppContext& context, const lottery::LotteryState& lottery, QWidget* parent = nullptr,
              std::unique_ptr<report::ReportSurface> printer = nullptr);

    void PrepareChecklist(const std::vector<lottery::TicketRow>& rows);
    // Both date boxes show the draw's date and are disabled.
    void PrepareResultSheet(std::vector<lottery::CheckRow> rows, const lottery::THistoryLine& draw);

    bool ChecklistMode() const { return report_.ChecklistMode(); }
    report::TReportEngine& ReportEngine1() { return reportEngine1_; }

    datepicker::DateField* SDateBox() const { return sDateBox_; }
    datepicker::DateField* EDateBox() const { return eDateBox_; }
    QSpinBox* SpinEdit1() const { return spinEdit1_; }
    QGroupBox* GroupBox1() const { return groupBox1_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* Button2() const { return button2_; }
    QPushButton* SaveAsPdfButton() const { return saveAsPdf_; }
    QPushButton* PreviewButton() const { return preview_; }

    void Button1Click();
    void SaveAsPdfClick();
    // "Preview...": the pages of the range as "Print" would make them, in
    // the toolkit's preview window, whose own print button prints them.
    void PreviewClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildDateBoxes();
    void BuildButtons();
    void FitWidth();
    datepicker::DateField* CreateDateBox(const QString& labelText, int top);
    // The first and last draw numbers, or nothing after telling the user
    // what is wrong with the dates.
    std::optional<DrawRange> CheckedRange();
    std::nullopt_t Complain(const QString& message);
    int CopiesWanted() const;
    void PrintRangeOn(QPrinter& printer, const DrawRange& range);

    const app::AppContext& context_;
    DrawReport report_;
    DrawRangePrinter rangePrinter_;
    report::TReportEngine reportEngine1_;
    QGroupBox* groupBox1_ = nullptr;
    QGroupBox* groupBox2_ = nullptr;
    datepicker::DateField* sDateBox_ = nullptr;
    datepicker::DateField* eDateBox_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QPushButton* saveAsPdf_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
};

}  // namespace printtickets
