#include "PrintTickets/TPrintDlg.h"

#include "PrintTickets/CopiesSpinEdit.h"

#include "app/DateFieldWiring.h"
#include "app/DateText.h"
#include "app/ErrorReport.h"
#include "app/HelpManual.h"
#include "app/Platform.h"
#include "datepicker/DateField.h"
#include "datepicker/TEPCalendarPopup.h"
#include "lottery/DrawCalendar.h"
#include "report/PdfSurface.h"
#include "report/PrinterSurface.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace printtickets {
namespace {

constexpr quint16 kFirstYear = 1994;

constexpr QSize kDesignSize(303, 204);
constexpr QRect kSaveAsPdfPlace(8, 168, 77, 30);
// What the window frame takes from the title bar besides the title: the
// icon, the buttons and their spacing.
constexpr int kTitleBarRoom = 100;
constexpr int kButtonGap = 4;

std::unique_ptr<report::ReportSurface> SystemPrinter(app::Platform& platform) {
    return std::make_unique<report::PrinterSurface>([&platform] { return !platform.PrinterNames().isEmpty(); });
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TPrintDlg::TPrintDlg(const app::AppContext& context, const lottery::LotteryState& lottery, QWidget* parent,
                     std::unique_ptr<report::ReportSurface> printer)
    : QDialog(parent),
      context_(context),
      report_(context, lottery),
      rangePrinter_(context, report_, this),
      reportEngine1_(printer ? std::move(printer) : SystemPrinter(context.platform)) {
    setObjectName(QStringLiteral("PrintDlg"));
    setFixedSize(kDesignSize);
    BuildDateBoxes();
    BuildButtons();
    setTabOrder(sDateBox_, eDateBox_);
    setTabOrder(eDateBox_, button1_);
    setTabOrder(button1_, preview_);
    setTabOrder(preview_, saveAsPdf_);
    setTabOrder(saveAsPdf_, button2_);
    setTabOrder(button2_, spinEdit1_);
    rangePrinter_.ConfigureEngine(reportEngine1_);
    report_.Attach(reportEngine1_);
    app::help::BindHelpKey(*this, context_.platform, QStringLiteral("print.html"));

    // FormCreate: the range starts as the next draw alone.
    const lottery::DayNumber today = app::DateText::FromQDate(context_.platform.Today());
    sDateBox_->SetText(context_.dates.ShortDateText(lottery::NextDrawDate(today)));
    eDateBox_->SetText(sDateBox_->Text());
    move(365, 316);
}

void TPrintDlg::BuildDateBoxes() {
    groupBox1_ = new QGroupBox(this);
    groupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1_->setGeometry(8, 8, 289, 90);
    sDateBox_ = CreateDateBox(QStringLiteral("&First Draw:"), 21);
    sDateBox_->setObjectName(QStringLiteral("SDateBox"));
    eDateBox_ = CreateDateBox(QStringLiteral("&Last Draw:"), 55);
    eDateBox_->setObjectName(QStringLiteral("EDateBox"));

    groupBox2_ = new QGroupBox(QStringLiteral("Options"), this);
    groupBox2_->setObjectName(QStringLiteral("GroupBox2"));
    groupBox2_->setGeometry(8, 104, 289, 57);
    spinEdit1_ = new CopiesSpinEdit([this] { context_.platform.Beep(); }, groupBox2_);
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    spinEdit1_->setGeometry(131, 17, 73, 24);
    auto* label3 = new QLabel(QStringLiteral("&Copies:"), groupBox2_);
    label3->setGeometry(24, 21, 105, 16);
    label3->setBuddy(spinEdit1_);
}

// A label and a date field in the range's group box; the field's label
// top lies four pixels below the field's.
datepicker::DateField* TPrintDlg::CreateDateBox(const QString& labelText, int top) {
    auto* box = new datepicker::DateField(app::DateFieldServicesFor(context_.platform, context_.dates), groupBox1_);
    box->setGeometry(131, top, 145, 24);
    box->Cal()->SetFirstYear(kFirstYear);
    auto* label = new QLabel(labelText, groupBox1_);
    label->setGeometry(24, top + 4, 105, 16);
    label->setBuddy(box);
    // The combo box reads out its date; its label names the text field in it.
    box->lineEdit()->setAccessibleName(QString(labelText).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return box;
}

// "Preview..." and "Save as PDF..." stand beside "Print", where the design
// left room; FitWidth widens the dialog for them.
void TPrintDlg::BuildButtons() {
    preview_ = MakeButton(this, QStringLiteral("Preview"), QStringLiteral("Pre&view..."), kSaveAsPdfPlace);
    saveAsPdf_ = MakeButton(this, QStringLiteral("SaveAsPdf"), QStringLiteral("Save as PDF..."), kSaveAsPdfPlace);
    button1_ = MakeButton(this, QStringLiteral("Button1"), QStringLiteral("Print"), QRect(89, 168, 100, 30));
    button1_->setDefault(true);
    button2_ = MakeButton(this, QStringLiteral("Button2"), QStringLiteral("Cancel"), QRect(197, 168, 100, 30));
    connect(button1_, &QPushButton::clicked, this, &TPrintDlg::Button1Click);
    connect(saveAsPdf_, &QPushButton::clicked, this, &TPrintDlg::SaveAsPdfClick);
    connect(preview_, &QPushButton::clicked, this, &TPrintDlg::PreviewClick);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintDlg::PrepareChecklist(const std::vector<lottery::TicketRow>& rows) { report_.SetChecklist(rows); }

void TPrintDlg::PrepareResultSheet(std::vector<lottery::CheckRow> rows, const lottery::THistoryLine& draw) {
    report_.SetResultSheet(std::move(rows), draw);
    const QString date = context_.dates.ShortDateText(lottery::WholeDayOf(draw.DrawDate()).value_or(0));
    for (datepicker::DateField* box : {sDateBox_, eDateBox_}) {
        box->SetText(date);
        box->setEnabled(false);
    }
}

// FormShow: the captions name the report.
void TPrintDlg::showEvent(QShowEvent* event) {
    if (ChecklistMode()) {
        setWindowTitle(QStringLiteral("Print Draw Checklist"));
        groupBox1_->setTitle(QStringLiteral("Checklists to be Printed"));
    } else {
        setWindowTitle(QStringLiteral("Print Draw Result Sheet"));
        groupBox1_->setTitle(QStringLiteral("Result Sheets to be Printed"));
    }
    FitWidth();
    QDialog::showEvent(event);
}

// The design's width, or wider where the title or the captions of
// "Preview..." and "Save as PDF..." would be cut short in it: the group
// boxes and "Save as PDF..." then grow, and "Print" and "Cancel" keep to
// the right edge.
void TPrintDlg::FitWidth() {
    const QFontMetrics titleFont(QApplication::font("QMdiSubWindowTitleBar"));
    const int titleWidth = titleFont.horizontalAdvance(windowTitle()) + kTitleBarRoom;
    const int previewWidth = preview_->sizeHint().width();
    const int leftButtonsWidth = previewWidth + kButtonGap + saveAsPdf_->sizeHint().width();
    const int buttonsWidth = leftButtonsWidth + kDesignSize.width() - kSaveAsPdfPlace.width();
    const int grow = std::max({kDesignSize.width(), titleWidth, buttonsWidth}) - kDesignSize.width();
    setFixedSize(kDesignSize.width() + grow, kDesignSize.height());
    for (QGroupBox* box : {groupBox1_, groupBox2_}) box->resize(289 + grow, box->height());
    const QRect leftButtons = kSaveAsPdfPlace.adjusted(0, 0, grow, 0);
    preview_->setGeometry(leftButtons.left(), leftButtons.top(), previewWidth, leftButtons.height());
    saveAsPdf_->setGeometry(leftButtons.adjusted(previewWidth + kButtonGap, 0, 0, 0));
    button1_->move(89 + grow, button1_->y());
    button2_->move(197 + grow, button2_->y());
}

void TPrintDlg::Button1Click() {
    const std::optional<DrawRange> range = CheckedRange();
    if (!range) return;
    reportEngine1_.SetCopies(CopiesWanted());
    rangePrinter_.PrintRange(reportEngine1_, *range, 1);
    accept();
}

// After the same checks as "Print", every draw of the range goes into the
// one file, each draw's pages numbered from 1 as in its own job. A file
// that could not be written whole is reported, and the dialog stays open
// as the user left it, to try another place.
void TPrintDlg::SaveAsPdfClick() {
    const std::optional<DrawRange> range = CheckedRange();
    if (!range) return;
    const QString fileName = context_.platform.SaveFileName(this, QStringLiteral("Save as PDF"),
                                                            QStringLiteral("PDF files (*.pdf)|*.pdf"), QStringLiteral("pdf"));
    if (fileName.isEmpty()) return;
    if (rangePrinter_.SaveAsPdf(fileName, *range, CopiesWanted())) accept();
}

void TPrintDlg::PreviewClick() {
    const std::optional<DrawRange> range = CheckedRange();
    if (!range) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(windowTitle());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &range](QPrinter* target) { PrintRangeOn(*target, *range); });
    preview.exec();
}

// The engine is set up as the one of "Print", on the printer the preview
// hands over: its pages on the screen, or on paper once the preview prints,
// whose own print dialog asks for the copies.
void TPrintDlg::PrintRangeOn(QPrinter& printer, const DrawRange& range) {
    rangePrinter_.PrintAsOneDocument(std::make_unique<report::PrinterSurface>(printer), range, 1);
}

std::optional<DrawRange> TPrintDlg::CheckedRange() {
    auto range = DrawRangePrinter::RangeOfDates(context_.dates, sDateBox_->Text(), eDateBox_->Text());
    if (const QString* fault = std::get_if<QString>(&range)) return Complain(*fault);
    return std::get<DrawRange>(range);
}

// Whichever date is at fault, the user starts again from the first one.
std::nullopt_t TPrintDlg::Complain(const QString& message) {
    context_.platform.Beep();
    context_.platform.ShowError(this, message);
    sDateBox_->setFocus();
    return std::nullopt;
}

// The text as typed, even out of range; a text that is no number means 1.
int TPrintDlg::CopiesWanted() const {
    bool isNumber = false;
    const int copies = spinEdit1_->text().toInt(&isNumber);
    return isNumber ? copies : 1;
}

}  // namespace printtickets
