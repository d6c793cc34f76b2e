#include "Master/StatisticsWindow.h"

#include "Master/NumberBarChart.h"
#include "Master/PageWidgets.h"
#include "app/DataFileWriter.h"
#include "app/DateFieldWiring.h"
#include "app/DateText.h"
#include "app/ErrorReport.h"
#include "app/Platform.h"
#include "app/StoredPosition.h"
#include "datepicker/DateField.h"
#include "datepicker/TEPCalendarPopup.h"
#include "lottery/DrawCalendar.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace master {
namespace {

// Where the window first opens, before it has a place of its own.
constexpr int kDefaultPosition = 30;
const QString kWindowSection = QStringLiteral("Statistics Window");
constexpr quint16 kFirstYear = 1994;
constexpr int kWidth = 780;
const QColor kBallColour(Qt::red);
const QColor kBonusColour(60, 60, 60);
const QColor kSinceColour(0, 0, 128);

QString Counted(int count, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(QLocale().toString(count), count == 1 ? one : many);
}

// Each number's value, or 0 for every number while the range is at fault.
std::vector<int> ValuesOf(const lottery::NumberStatistics* statistics,
                          int (*value)(const lottery::NumberStatistics&, int)) {
    std::vector<int> values;
    for (int number = 1; number <= NumberBarChart::kNumbers; ++number)
        values.push_back(statistics ? value(*statistics, number) : 0);
    return values;
}

// A number never drawn in the range has waited the whole range.
int DrawsWaited(const lottery::NumberStatistics& statistics, int number) {
    const int since = statistics.Of(number).drawsSince;
    return since == lottery::NumberFigures::kNeverDrawn ? statistics.RecordedDraws() : since;
}

}  // namespace

StatisticsWindow::StatisticsWindow(const app::AppContext& context, const lottery::THistoryList& history,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      history_(history) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(QStringLiteral("Number Statistics"));
    setFixedSize(kWidth, 566);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);

    MakeHeading(this, QStringLiteral("Number Statistics"), QRect(12, 6, 300, 24));
    BuildRange();
    BuildCharts();
    BuildButtons();
    Recount();
    app::MoveToStoredPosition(*this, context_.settings, kWindowSection, kDefaultPosition);
}

// Every recorded draw to begin with; without any, the whole calendar to today.
void StatisticsWindow::BuildRange() {
    fromBox_ = CreateDateBox(QStringLiteral("&From:"), 12);
    fromBox_->setObjectName(QStringLiteral("FromBox"));
    toBox_ = CreateDateBox(QStringLiteral("&To:"), 196);
    toBox_->setObjectName(QStringLiteral("ToBox"));
    const auto recorded = lottery::RecordedSpan(history_);
    fromBox_->SetText(context_.dates.ShortDateText(recorded ? recorded->first : lottery::SaturdayDrawsStart));
    toBox_->SetText(context_.dates.ShortDateText(
        recorded ? recorded->last : app::DateText::FromQDate(context_.platform.Today())));
    drawsLabel_ = MakeBoldLabel(this, QString(), QRect(380, 40, kWidth - 392, 18));
    drawsLabel_->setObjectName(QStringLiteral("DrawsLabel"));
}

datepicker::DateField* StatisticsWindow::CreateDateBox(const QString& caption, int left) {
    auto* box = new datepicker::DateField(app::DateFieldServicesFor(context_.platform, context_.dates), this);
    box->setGeometry(left + 44, 36, 130, 24);
    box->Cal()->SetFirstYear(kFirstYear);
    auto* label = MakeLabel(this, caption, QRect(left, 40, 42, 18));
    label->setBuddy(box);
    connect(box, &datepicker::DateField::datePicked, this, &StatisticsWindow::Recount);
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, &StatisticsWindow::Recount);
    return box;
}

// One white panel holds both charts, so that the image copied or saved is
// the two of them as the window shows them.
void StatisticsWindow::BuildCharts() {
    chartPanel_ = new QWidget(this);
    chartPanel_->setGeometry(12, 68, kWidth - 24, 396);
    chartPanel_->setBackgroundRole(QPalette::Base);
    chartPanel_->setAutoFillBackground(true);
    countsChart_ = new NumberBarChart(QStringLiteral("Times drawn"), chartPanel_);
    countsChart_->setObjectName(QStringLiteral("CountsChart"));
    countsChart_->setGeometry(0, 4, chartPanel_->width(), 240);
    sinceChart_ = new NumberBarChart(QStringLiteral("Draws since last drawn"), chartPanel_);
    sinceChart_->setObjectName(QStringLiteral("SinceChart"));
    sinceChart_->setGeometry(0, 250, chartPanel_->width(), 144);
    for (NumberBarChart* chart : {countsChart_, sinceChart_}) {
        connect(chart, &NumberBarChart::NumberClicked, this, &StatisticsWindow::ShowFigures);
        chart->setAccessibleDescription(QStringLiteral(
            "A bar for each number from 1 to 49; the arrow keys choose a number, whose figures are read below"));
    }
    countsChart_->setAccessibleName(QStringLiteral("Times drawn"));
    sinceChart_->setAccessibleName(QStringLiteral("Draws since last drawn"));
    figuresLabel_ = MakeLabel(this, QString(), QRect(12, 470, kWidth - 24, 54));
    figuresLabel_->setObjectName(QStringLiteral("FiguresLabel"));
    figuresLabel_->setWordWrap(true);
    figuresLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StatisticsWindow::BuildButtons() {
    copyButton_ = MakeButton(this, QStringLiteral("CopyButton"), QStringLiteral("&Copy"), QRect(12, 532, 80, 26));
    saveButton_ = MakeButton(this, QStringLiteral("SaveButton"), QStringLiteral("Save as &PNG..."),
                             QRect(98, 532, 110, 26));
    closeButton_ = MakeButton(this, QStringLiteral("CloseButton"), QStringLiteral("C&lose"),
                              QRect(kWidth - 92, 532, 80, 26));
    connect(copyButton_, &QPushButton::clicked, this, &StatisticsWindow::CopyClick);
    connect(saveButton_, &QPushButton::clicked, this, &StatisticsWindow::SaveClick);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void StatisticsWindow::Recount() {
    const auto first = context_.dates.ParseShortDate(fromBox_->Text());
    const auto last = context_.dates.ParseShortDate(toBox_->Text());
    if (!first || !last) {
        ShowRangeFault(QStringLiteral("'%1' is not a valid date").arg(first ? toBox_->Text() : fromBox_->Text()));
        return;
    }
    if (*last < *first) {
        ShowRangeFault(QStringLiteral("The To date is before the From date"));
        return;
    }
    statistics_.emplace(history_, *first, *last);
    drawsLabel_->setPalette(palette());
    drawsLabel_->setText(Counted(statistics_->RecordedDraws(), QStringLiteral("recorded draw"),
                                 QStringLiteral("recorded draws")) + QStringLiteral(" in this range"));
    ShowCharts();
}

// Said in red where the count stands, rather than in a message box that
// every step of typing a date would bring up.
void StatisticsWindow::ShowRangeFault(const QString& message) {
    statistics_.reset();
    MakeRed(drawsLabel_);
    drawsLabel_->setText(message);
    ShowCharts();
}

void StatisticsWindow::ShowCharts() {
    const lottery::NumberStatistics* statistics = statistics_ ? &*statistics_ : nullptr;
    countsChart_->SetSeries(
        {{QStringLiteral("Balls"), kBallColour,
          ValuesOf(statistics, [](const lottery::NumberStatistics& s, int n) { return s.Of(n).asBall; })},
         {QStringLiteral("Bonus Ball"), kBonusColour,
          ValuesOf(statistics, [](const lottery::NumberStatistics& s, int n) { return s.Of(n).asBonus; })}});
    sinceChart_->SetSeries({{QStringLiteral("Draws"), kSinceColour, ValuesOf(statistics, DrawsWaited)}});
    ShowFigures(countsChart_->Picked());
}

void StatisticsWindow::ShowFigures(int number) {
    for (NumberBarChart* chart : {countsChart_, sinceChart_}) chart->SetPicked(number);
    if (!statistics_ || number == 0) {
        figuresLabel_->setText(QStringLiteral("Click a bar to see that number's figures."));
        return;
    }
    const lottery::NumberFigures& figures = statistics_->Of(number);
    QString text = QStringLiteral("Number %1: drawn %2 and as the bonus ball %3, in %4. ")
                       .arg(number)
                       .arg(Counted(figures.asBall, QStringLiteral("time"), QStringLiteral("times")),
                            Counted(figures.asBonus, QStringLiteral("time"), QStringLiteral("times")),
                            Counted(statistics_->RecordedDraws(), QStringLiteral("recorded draw"),
                                    QStringLiteral("recorded draws")));
    if (figures.drawsSince == lottery::NumberFigures::kNeverDrawn)
        text += QStringLiteral("Not drawn in this range.");
    else if (figures.drawsSince == 0)
        text += QStringLiteral("Last drawn on %1, in the latest draw of the range.")
                    .arg(context_.dates.Display(figures.lastDrawnOn, app::DateText::kLongDisplay));
    else
        text += QStringLiteral("Last drawn on %1, %2 ago.")
                    .arg(context_.dates.Display(figures.lastDrawnOn, app::DateText::kLongDisplay),
                         Counted(figures.drawsSince, QStringLiteral("draw"), QStringLiteral("draws")));
    figuresLabel_->setText(text);
}

QImage StatisticsWindow::ChartImage() const {
    return chartPanel_->grab().toImage();
}

void StatisticsWindow::CopyClick() {
    QGuiApplication::clipboard()->setImage(ChartImage());
}

// Written as the data files are, whole or not at all: a failed save leaves
// any earlier file as it was.
void StatisticsWindow::SaveClick() {
    const QString fileName = context_.platform.SaveFileName(this, QStringLiteral("Save Chart as PNG"),
                                                            QStringLiteral("PNG images (*.png)|*.png"),
                                                            QStringLiteral("png"));
    if (fileName.isEmpty()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ChartImage().save(&buffer, "PNG");
    app::RunReportingFailure(context_.platform, this,
                             [&] { app::WriteDataFile(fileName.toStdString(), png.toStdString()); });
}

void StatisticsWindow::done(int result) {
    app::StorePosition(*this, context_.settings, kWindowSection);
    QDialog::done(result);
}

}  // namespace master
