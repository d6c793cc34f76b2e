#include "Master/ResultSheetPage.h"

#include "AddLineDlg/TAddLineForm.h"
#include "Master/ArtworkIconEngine.h"
#include "Master/CheckRowDelegate.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/PageWidgets.h"
#include "app/AnsiText.h"
#include "app/DateText.h"
#include "app/SettingsStore.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QIcon>

#include <algorithm>

namespace master {
namespace {

const QString kOptionsSection = QStringLiteral("Options");
const QString kValidOnlyValue = QStringLiteral("Valid Only");

// "03 - 11 - 19 - 27 - 35 - 43   Bonus Ball 07"
QString WinningNumbersText(const lottery::THistoryLine& draw) {
    QStringList balls;
    for (int ball = 1; ball <= lottery::THistoryLine::kBallCount; ++ball)
        balls << QString::fromStdString(draw.NumberText(ball));
    return balls.join(QLatin1String(" - ")) + QStringLiteral("   Bonus Ball ") +
           QString::fromStdString(draw.NumberText(lottery::THistoryLine::kNumberCount));
}

// "Draw" with its arrow picture to the right of the caption. The arrow is
// drawn: the style's own arrows are image files whose loading brought in
// every image-format plugin at start-up.
QPushButton* DrawButton(QWidget* parent, const QString& name, bool up, int top) {
    QPushButton* button = MakeButton(parent, name, QStringLiteral("Draw"), QRect(490, top, 80, 26));
    button->setIcon(ArtworkIconEngine::Icon(up ? Artwork::Picture::ArrowUp : Artwork::Picture::ArrowDown));
    button->setLayoutDirection(Qt::RightToLeft);
    // Both say "Draw": the arrow tells them apart on screen.
    button->setAccessibleName(up ? QStringLiteral("Next draw") : QStringLiteral("Previous draw"));
    return button;
}

}  // namespace

ResultSheetPage::ResultSheetPage(const app::AppContext& context, const lottery::LotteryState& lottery,
                                 HistoryPage& history, QWidget* parent)
    : QWidget(parent), context_(context), lottery_(lottery), history_(history) {
    setObjectName(QStringLiteral("ResultSheetPage"));
    MakeHeading(this, QStringLiteral("Check of Tickets "), QRect(17, 4, 300, 24));
    // The numbers follow the heading, however wide the font makes it.
    QLabel* winningHeading = MakeBoldLabel(this, QStringLiteral("Lottery Winning Numbers:"), QRect(17, 33, 175, 18));
    winningHeading->resize(std::max(175, winningHeading->sizeHint().width()), 18);
    const int numbersLeft = winningHeading->geometry().right() + 4;
    winningNumbers_ = MakeLabel(this, QString(), QRect(numbersLeft, 33, 481 - numbersLeft, 18));
    winningNumbers_->setObjectName(QStringLiteral("WinningNumbers"));

    checkList_ = new HeaderedList(this, QRect(17, 57, 464, 265),
                                  {{"      Line", 75}, {"  #1", 29}, {"  #2", 29}, {"  #3", 29}, {"  #4", 29},
                                   {"  #5", 29}, {"  #6", 29}, {" Winning Line", 87}});
    checkList_->setObjectName(QStringLiteral("CheckList"));
    checkList_->SetListName(QStringLiteral("Check of Tickets"));
    rows_ = new RowsModel<lottery::CheckRow>(this);
    delegate_ = new CheckRowDelegate(*checkList_, *rows_, lottery_.TicketList());
    checkList_->SetModel(rows_, delegate_);
    connect(checkList_, &HeaderedList::SelectionChanged, this, &ResultSheetPage::ShowTicketDescription);

    drawUp_ = DrawButton(this, QStringLiteral("DrawUp"), true, 57);
    drawDown_ = DrawButton(this, QStringLiteral("DrawDown"), false, 89);
    button18_ = MakeButton(this, QStringLiteral("Button18"), QStringLiteral("Display..."), QRect(490, 130, 80, 26));
    button22_ = MakeButton(this, QStringLiteral("Button22"), QStringLiteral("Print..."), QRect(490, 162, 80, 26));
    connect(drawUp_, &QPushButton::clicked, this, [this] { MoveToDraw(+1); });
    connect(drawDown_, &QPushButton::clicked, this, [this] { MoveToDraw(-1); });
    connect(button18_, &QPushButton::clicked, this, &ResultSheetPage::DisplayWinnings);
    BuildLabels();

    validOnly_ = new QCheckBox(QStringLiteral("Show only Tickets that were valid for this draw"), this);
    validOnly_->setObjectName(QStringLiteral("ValidOnly"));
    validOnly_->setGeometry(17, 405, 380, 20);
    connect(validOnly_, &QCheckBox::toggled, this, &ResultSheetPage::ValidOnlyClick);
    button17_ = MakeButton(this, QStringLiteral("Button17"), QStringLiteral("Finish"), QRect(403, 402, 80, 26));
    button17_->setShortcut(Qt::Key_Escape);
}

void ResultSheetPage::BuildLabels() {
    checkS5_ = MakeBoldLabel(this, QStringLiteral("Ticket Description:"), QRect(17, 327, 130, 18));
    checkS5_->setObjectName(QStringLiteral("CheckS5"));
    checkL5_ = MakeLabel(this, QString(), QRect(150, 327, 331, 18));
    checkL5_->setObjectName(QStringLiteral("CheckL5"));
    checkL5_->setTextFormat(Qt::PlainText);
    auto* line = new QFrame(this);
    line->setGeometry(17, 348, 464, 2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    // The date takes the room of the longest day and month names ("Wednesday
    // 30 September 2026"); the counts beside it are short numbers.
    drawNumber_ = HeadedValue::Make(this, QStringLiteral("Draw"), 17, 354, 44);
    drawNumber_.SetNames(QStringLiteral("CheckS1"), QStringLiteral("CheckL1"));
    drawDate_ = HeadedValue::Make(this, QStringLiteral("Date of Draw"), 64, 354, 200);
    drawDate_.SetNames(QStringLiteral("CheckS4"), QStringLiteral("CheckL4"));
    checked_ = HeadedValue::Make(this, QStringLiteral("Tickets Checked"), 267, 354, 112);
    checked_.SetNames(QStringLiteral("CheckS2"), QStringLiteral("CheckL2"));
    winners_ = HeadedValue::Make(this, QStringLiteral("Wining Tickets"), 382, 354, 99);
    winners_.SetNames(QStringLiteral("CheckS3"), QStringLiteral("CheckL3"));
    MakeRed(winners_.heading);
}

void ResultSheetPage::MoveToDraw(int offset) {
    const int row = checkList_ ? history_.HistoryList()->SelectedRow() + offset : -1;
    if (row < 0 || row > history_.Rows().rowCount() - 1) return;
    history_.HistoryList()->SelectRow(row);
    ShowResultSheet(*history_.Rows().At(row).result);
}

void ResultSheetPage::ShowResultSheet(const lottery::THistoryLine& draw) {
    draw_ = &draw;
    delegate_->SetDraw(draw_);
    rows_->SetRows(lottery_.FillCheckRows(draw, validOnlyFilter_));
    checkList_->SelectRow(0);
    UpdateResultSheetLabels();
    emit ShowRequested();
}

void ResultSheetPage::UpdateResultSheetLabels() {
    const int drawNumber = lottery::DrawNumberOf(draw_->DrawDate());
    const auto day = lottery::WholeDayOf(draw_->DrawDate());
    drawNumber_.value->setText(QString::number(drawNumber));
    drawDate_.value->setText(day ? context_.dates.Display(*day, app::DateText::kLongDisplay) : QString());
    const lottery::CheckCounts counts = lottery::CountCheckRows(rows_->Rows());
    checked_.value->setText(QString::number(counts.boardsChecked));
    winners_.value->setText(QString::number(counts.winningBoards));
    winners_.heading->setVisible(counts.winningBoards > 0);
    winners_.value->setVisible(counts.winningBoards > 0);
    winningNumbers_->setText(WinningNumbersText(*draw_));
    drawUp_->setEnabled(drawNumber != lottery_.LatestDrawNumber());
    drawDown_->setEnabled(drawNumber != 1);
    ShowTicketDescription();
}

void ResultSheetPage::ShowTicketDescription() {
    const lottery::TLine* ticket = SelectedTicket();
    const QString description = ticket ? app::FromAnsi(ticket->Description()) : QString();
    SetElidedText(checkL5_, description);
    checkS5_->setVisible(!description.isEmpty());
    checkL5_->setVisible(!description.isEmpty());
}

const lottery::TLine* ResultSheetPage::SelectedTicket() const {
    const int row = checkList_->SelectedRow();
    return row < 0 ? nullptr : &lottery_.TicketList().TicketOf(rows_->At(row));
}

// "Display...": the selected board's ticket with each board's winnings.
void ResultSheetPage::DisplayWinnings() {
    const lottery::TLine* ticket = SelectedTicket();
    if (!ticket || !draw_) return;
    addlinedlg::TAddLineForm wizard(context_, this);
    wizard.PrepareWinnings(*ticket, *draw_, lottery::DrawNumberOf(draw_->DrawDate()));
    wizard.exec();
}

void ResultSheetPage::ApplyStoredValidOnly() {
    validOnly_->setChecked(context_.settings.ReadBool(kOptionsSection, kValidOnlyValue, true));
}

void ResultSheetPage::ValidOnlyClick(bool checked) {
    validOnlyFilter_ = checked;
    context_.settings.WriteBool(kOptionsSection, kValidOnlyValue, checked);
    if (const lottery::THistoryLine* draw = history_.SelectedDrawResult()) ShowResultSheet(*draw);
}

}  // namespace master
