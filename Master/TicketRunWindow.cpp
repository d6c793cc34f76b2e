#include "Master/TicketRunWindow.h"

#include "Master/HeaderedList.h"
#include "Master/PageWidgets.h"
#include "Master/RowListView.h"
#include "Master/RunStripChart.h"
#include "Master/TierColours.h"
#include "app/DateText.h"
#include "app/StoredPosition.h"
#include "lottery/DrawCalendar.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace master {
namespace {

// Where the window first opens, before it has a place of its own.
constexpr int kDefaultPosition = 30;
const QString kWindowSection = QStringLiteral("Run Window");
constexpr int kWidth = 600;
constexpr int kTotalsTop = 432;
constexpr int kTotalWidth = 144;

// A small square of a tier's colour, as the strip and the list show it.
void MakeSwatch(QWidget* parent, const QColor& colour, int left, int top) {
    auto* swatch = new QFrame(parent);
    swatch->setGeometry(left, top + 4, 10, 10);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
}

QString TotalCaption(int index) {
    if (index == lottery::kTierCount) return QStringLiteral("No result recorded");
    const char tier = static_cast<char>(lottery::kJackpotTier + index);
    // The result sheet leaves no prize blank; the ticket display's word says it.
    return QString::fromStdString(tier == lottery::kNoPrizeTier ? lottery::TicketDisplayTierText(tier)
                                                               : lottery::ResultSheetTierText(tier));
}

QString WeeksWords(int weeks) {
    if (weeks >= lottery::TLine::kUnlimitedWeeks) return QStringLiteral("unlimited");
    return weeks == 1 ? QStringLiteral("1 week") : QStringLiteral("%1 weeks").arg(weeks);
}

QString DrawDaysWords(int drawDays) {
    if (drawDays == 0) return QStringLiteral("both draws");
    return QString::fromStdString(lottery::DrawDaysText(drawDays)) + QStringLiteral(" draws");
}

}  // namespace

TicketRunWindow::TicketRunWindow(const app::AppContext& context, const lottery::TLine& ticket,
                                 const lottery::THistoryList& history, lottery::DayNumber today, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      run_(lottery::RunOfTicket(ticket, history, today)) {
    setObjectName(QStringLiteral("TicketRunWindow"));
    setWindowTitle(QStringLiteral("Run of Lottery Ticket"));
    setFixedSize(kWidth, 510);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);

    MakeHeading(this, QStringLiteral("Ticket Run"), QRect(12, 6, 300, 24));
    summary_ = MakeLabel(this, SummaryText(ticket, today), QRect(12, 32, kWidth - 24, 18));
    summary_->setObjectName(QStringLiteral("RunSummary"));
    strip_ = new RunStripChart(this);
    strip_->setObjectName(QStringLiteral("RunStrip"));
    strip_->setAccessibleName(QStringLiteral("The run at a glance"));
    strip_->setAccessibleDescription(QStringLiteral(
        "A mark for each draw of the run, coloured by its best prize, grey where no result is recorded; "
        "the list below reads each draw"));
    strip_->setGeometry(12, 54, kWidth - 24, 96);
    strip_->SetRun(&run_);

    BuildRunList();
    BuildTotals();

    closeButton_ = MakeButton(this, QStringLiteral("CloseButton"), QStringLiteral("&Close"),
                              QRect(kWidth - 92, 476, 80, 26));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(strip_, &RunStripChart::MarkClicked, this, &TicketRunWindow::ShowDraw);
    connect(runList_, &HeaderedList::SelectionChanged, this,
            [this] { strip_->SetCurrent(runList_->SelectedRow()); });
    // The latest draw is the one the user most likely came for.
    ShowDraw(static_cast<int>(run_.draws.size()) - 1);
    app::MoveToStoredPosition(*this, context_.settings, kWindowSection, kDefaultPosition);
}

// One row per draw of the run, in draw order.
void TicketRunWindow::BuildRunList() {
    runList_ = new HeaderedList(this, QRect(12, 156, kWidth - 24, 250),
                                {{" Draw", 53}, {" Date of Draw", 130}, {" Prizes", kWidth - 24 - 2 - 53 - 130}});
    runList_->setObjectName(QStringLiteral("RunList"));
    runList_->SetListName(QStringLiteral("Ticket Run"));
    rows_ = new RowsModel<RunRow>(this);
    runList_->SetModel(rows_, new RunRowDelegate(*runList_, *rows_, context_.dates));
    std::vector<RunRow> rows;
    rows.reserve(run_.draws.size());
    for (const lottery::RunDraw& draw : run_.draws) rows.push_back({&draw});
    rows_->SetRows(std::move(rows));
}

// Two lines of four: the five prizes and no prize count boards of the
// recorded draws; the missing results count draws.
void TicketRunWindow::BuildTotals() {
    MakeBoldLabel(this, QStringLiteral("Totals of the run, in boards:"), QRect(12, 410, 300, 18));
    const QLocale locale;
    for (int index = 0; index <= lottery::kTierCount; ++index) {
        const int left = 12 + index % 4 * kTotalWidth;
        const int top = kTotalsTop + index / 4 * 20;
        const bool missing = index == lottery::kTierCount;
        const char tier = static_cast<char>(lottery::kJackpotTier + index);
        MakeSwatch(this, missing ? MissingResultColour() : TierColour(tier), left, top);
        const int count = missing ? run_.missingResults : run_.boardsByTier[static_cast<std::size_t>(index)];
        QString text = QStringLiteral("%1: %2").arg(TotalCaption(index), locale.toString(count));
        if (missing) text += count == 1 ? QStringLiteral(" draw") : QStringLiteral(" draws");
        QLabel* total = MakeLabel(this, text, QRect(left + 14, top, missing ? 2 * kTotalWidth : kTotalWidth - 16, 18));
        total->setObjectName(QStringLiteral("RunTotal%1").arg(index + 1));
        totals_[static_cast<std::size_t>(index)] = total;
    }
}

// "From Wed 05 Feb 1997, unlimited, both draws: 3,114 draws up to Tue 08 Dec 2026"
QString TicketRunWindow::SummaryText(const lottery::TLine& ticket, lottery::DayNumber today) const {
    const auto start = lottery::WholeDayOf(ticket.StartDate());
    const int draws = static_cast<int>(run_.draws.size());
    return QStringLiteral("From %1, %2, %3: %4 %5 up to %6")
        .arg(start ? context_.dates.Display(*start, app::DateText::kRowDisplay) : QStringLiteral("no valid date"),
             WeeksWords(ticket.Weeks()), DrawDaysWords(ticket.DrawDays()), QLocale().toString(draws),
             draws == 1 ? QStringLiteral("draw") : QStringLiteral("draws"),
             context_.dates.Display(today, app::DateText::kRowDisplay));
}

void TicketRunWindow::ShowDraw(int drawIndex) {
    runList_->SelectRow(drawIndex);
    runList_->List()->ScrollTo(drawIndex);
}

void TicketRunWindow::done(int result) {
    app::StorePosition(*this, context_.settings, kWindowSection);
    QDialog::done(result);
}

}  // namespace master
