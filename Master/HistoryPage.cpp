#include "Master/HistoryPage.h"

#include "Master/HeadedValue.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryRowDelegate.h"
#include "Master/PageWidgets.h"
#include "Master/StatisticsWindow.h"

#include <QLabel>
#include <QPushButton>

namespace master {

HistoryPage::HistoryPage(const app::AppContext& context, const lottery::LotteryState& lottery, QWidget* parent)
    : QWidget(parent), context_(context), lottery_(lottery) {
    setObjectName(QStringLiteral("HistoryPage"));
    MakeHeading(this, QStringLiteral("Lottery Results"), QRect(17, 6, 300, 24));
    historyList_ = new HeaderedList(this, QRect(17, 34, 464, 313),
                                    {{" Draw", 53}, {" Date of Draw", 155}, {"  #1", 29}, {"  #2", 29},
                                     {"  #3", 29}, {"  #4", 29}, {"  #5", 29}, {"  #6", 29}, {"Bonus Ball", 72}});
    historyList_->setObjectName(QStringLiteral("HistoryList"));
    historyList_->SetListName(QStringLiteral("Lottery Results"));
    rows_ = new RowsModel<lottery::HistoryRow>(this);
    historyList_->SetModel(rows_, new HistoryRowDelegate(*historyList_, *rows_, context.dates));

    button11_ = MakeButton(this, QStringLiteral("Button11"), QStringLiteral("Edit"), QRect(490, 34, 80, 26));
    button15_ = MakeButton(this, QStringLiteral("Button15"), QStringLiteral("Import"), QRect(490, 66, 80, 26));
    button16_ = MakeButton(this, QStringLiteral("Button16"), QStringLiteral("Check"), QRect(490, 98, 80, 26));
    // Below the designed three, where the tickets page has its fourth.
    statisticsButton_ = MakeButton(this, QStringLiteral("StatisticsButton"), QStringLiteral("&Statistics..."),
                                   QRect(490, 130, 80, 26));
    connect(statisticsButton_, &QPushButton::clicked, this, &HistoryPage::StatisticsClick);

    resultsL1_ = HeadedValue::Make(this, QStringLiteral("Draws"), 17, 352, 70).value;
    resultsL1_->setObjectName(QStringLiteral("ResultsL1"));
    resultsL2_ = HeadedValue::Make(this, QStringLiteral("Recorded"), 92, 352, 70).value;
    resultsL2_->setObjectName(QStringLiteral("ResultsL2"));
    const HeadedValue warning = HeadedValue::Make(this, QStringLiteral("Warning:"), 167, 352, 314);
    warning.SetNames(QStringLiteral("ResultsS3"), QStringLiteral("ResultsL3"));
    resultsS3_ = warning.heading;
    resultsL3_ = warning.value;
    MakeRed(resultsS3_);

    button13_ = MakeButton(this, QStringLiteral("Button13"), QStringLiteral("Save"), QRect(317, 402, 80, 26));
    button13_->setDefault(true);
    button14_ = MakeButton(this, QStringLiteral("Button14"), QStringLiteral("Cancel"), QRect(403, 402, 80, 26));
    button14_->setShortcut(Qt::Key_Escape);
}

void HistoryPage::FillHistoryPage() {
    rows_->SetRows(lottery_.FillHistoryRows());
    const int rows = rows_->rowCount();
    const int unrecorded = lottery_.CountUnrecordedDraws();
    resultsL1_->setText(QString::number(rows));
    resultsL2_->setText(QString::number(rows - unrecorded));
    resultsS3_->setVisible(unrecorded > 0);
    resultsL3_->setVisible(unrecorded > 0);
    resultsL3_->setText(unrecorded == 1 ? QStringLiteral("1 Draw has not yet been recorded")
                                        : QStringLiteral("%1 Draws have not yet been recorded").arg(unrecorded));
    historyList_->SelectRow(rows - 1);
}

void HistoryPage::StatisticsClick() {
    StatisticsWindow window(context_, lottery_.DrawHistory(), this);
    window.exec();
}

const lottery::THistoryLine* HistoryPage::SelectedDrawResult() const {
    if (rows_->rowCount() == 0) return nullptr;
    const int row = historyList_->SelectedRow();
    return rows_->At(row < 0 ? 0 : row).result;
}

}  // namespace master
