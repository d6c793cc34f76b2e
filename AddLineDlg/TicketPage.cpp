#include "AddLineDlg/TicketPage.h"

#include "AddLineDlg/ChoicePanel.h"
#include "AddLineDlg/NumberField.h"

#include <QComboBox>
#include <QLabel>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace addlinedlg {
namespace {

using lottery::TLine;

// Panel names of the board rows A to J, as the form was designed.
constexpr int kBoardPanelNumbers[TLine::kBoardCount] = {10, 6, 9, 13, 16, 19, 22, 25, 28, 31};
constexpr int kBoardsTop = 66;
constexpr int kBoardPitch = 32;
constexpr int kFieldPitch = 32;

QLabel* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QFrame* RaisedPanel(const char* name, const QString& heading, const QRect& geometry, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    QLabel* title = BoldLabel(heading, panel);
    title->setGeometry(0, 8, geometry.width(), 18);
    title->setAlignment(Qt::AlignCenter);
    return panel;
}

}  // namespace

TicketPage::TicketPage(QComboBox* dateBox, QWidget* parent) : QWidget(parent), dateBox_(dateBox) {
    setObjectName(QStringLiteral("Ticket"));
    BuildDateAndComment();
    for (int board = 1; board <= TLine::kBoardCount; ++board) BuildBoardRow(board);
    BuildWeeksPanel();
    BuildDrawDaysPanel();
    auto* luckyDipKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    luckyDipKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(luckyDipKey, &QShortcut::activated, this, &TicketPage::LuckyDipFocusedBoard);
}

void TicketPage::LuckyDipFocusedBoard() {
    for (int board = 1; board <= TLine::kBoardCount; ++board)
        for (NumberField* field : numberFields_[board - 1])
            if (field->hasFocus()) {
                LuckyDipButton(board)->click();  // does nothing while the button is disabled
                return;
            }
}

void TicketPage::BuildDateAndComment() {
    QLabel* label9 = BoldLabel(QStringLiteral("&Start Date"), this);
    label9->setObjectName(QStringLiteral("Label9"));
    label9->setGeometry(16, 12, 120, 16);
    dateBox_->setParent(this);
    dateBox_->setObjectName(QStringLiteral("DateBox"));
    dateBox_->setGeometry(16, 30, 120, 24);
    label9->setBuddy(dateBox_);
    // The combo box reads out its date; its label names the text field in it.
    dateBox_->lineEdit()->setAccessibleName(QStringLiteral("Start Date"));

    QLabel* label6 = BoldLabel(QStringLiteral("Des&cription:"), this);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setGeometry(152, 12, 200, 16);
    comment_ = new QLineEdit(this);
    comment_->setObjectName(QStringLiteral("Comment"));
    comment_->setMaxLength(kCommentLength);
    comment_->setGeometry(152, 30, 423, 24);
    label6->setBuddy(comment_);
}

void TicketPage::BuildBoardRow(int board) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(kBoardPanelNumbers[board - 1]));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(16, kBoardsTop + (board - 1) * kBoardPitch, 380, 30);

    QLabel* caption = BoldLabel(QStringLiteral("£1  Board  ") + BoardLetter(board), panel);
    caption->setGeometry(8, 6, 92, 18);
    for (int position = 1; position <= TLine::kNumbersPerBoard; ++position) {
        auto* field = new NumberField(panel);
        field->setObjectName(QStringLiteral("Memo%1").arg((board - 1) * TLine::kNumbersPerBoard + position));
        field->setGeometry(100 + (position - 1) * kFieldPitch, 4, 28, 22);
        field->setAccessibleName(QStringLiteral("Board %1, number %2").arg(BoardLetter(board)).arg(position));
        numberFields_[board - 1][position - 1] = field;
    }
    auto* luckyDip = new QToolButton(panel);
    luckyDip->setObjectName(QStringLiteral("CheckBox%1").arg(board));
    luckyDip->setText(QStringLiteral("Lucky Dip"));
    luckyDip->setFocusPolicy(Qt::NoFocus);
    luckyDip->setGeometry(298, 4, 76, 22);
    luckyDip->setAccessibleName(QStringLiteral("Lucky Dip, board ") + BoardLetter(board));
    luckyDip->setAccessibleDescription(QStringLiteral("Fills board %1 with six random numbers; Ctrl+L in the "
                                                      "board's number fields does the same")
                                           .arg(BoardLetter(board)));
    luckyDip->setToolTip(QStringLiteral("Lucky Dip (Ctrl+L)"));
    luckyDips_[board - 1] = luckyDip;
}

// "1" alone on the first line, then two columns, "§" being unlimited.
void TicketPage::BuildWeeksPanel() {
    QFrame* panel3 = RaisedPanel("Panel3", QStringLiteral("No. of Weeks"), QRect(412, 66, 163, 188), this);
    for (int weeks = 1; weeks <= kWeeksChoices; ++weeks) {
        const QString caption = weeks == kWeeksChoices ? QStringLiteral("§") : QString::number(weeks);
        auto* choice = new ChoicePanel(caption, weeks, panel3);
        choice->setObjectName(QStringLiteral("W%1").arg(weeks));
        choice->setAccessibleName(weeks == kWeeksChoices ? QStringLiteral("Unlimited weeks")
                                  : weeks == 1           ? QStringLiteral("1 week")
                                                         : QStringLiteral("%1 weeks").arg(weeks));
        choice->setAccessibleDescription(QStringLiteral("No. of Weeks"));
        const int row = weeks / 2;
        const int column = weeks % 2;
        const int left = weeks == 1 ? 58 : 30 + column * 56;
        choice->setGeometry(left, 34 + row * 30, 48, 24);
        weeksPanels_[weeks - 1] = choice;
    }
}

void TicketPage::BuildDrawDaysPanel() {
    QFrame* panel4 = RaisedPanel("Panel4", QStringLiteral("Which Draw ?"), QRect(412, 266, 163, 118), this);
    const QString captions[kDrawDaysChoices] = {QStringLiteral("Both"), QStringLiteral("Wed"), QStringLiteral("Sat")};
    const QString spoken[kDrawDaysChoices] = {QStringLiteral("Both draws"), QStringLiteral("Wednesday"),
                                              QStringLiteral("Saturday")};
    for (int tag = 0; tag < kDrawDaysChoices; ++tag) {
        auto* choice = new ChoicePanel(captions[tag], tag, panel4);
        choice->setObjectName(QStringLiteral("D%1").arg(tag + 1));
        choice->setAccessibleName(spoken[tag]);
        choice->setAccessibleDescription(QStringLiteral("Which Draw ?"));
        choice->setGeometry(44, 32 + tag * 28, 76, 24);
        drawDaysPanels_[tag] = choice;
    }
}

BoardTexts TicketPage::NumberTexts() const {
    BoardTexts texts;
    for (int board = 1; board <= TLine::kBoardCount; ++board)
        for (int position = 1; position <= TLine::kNumbersPerBoard; ++position)
            texts[board - 1][position - 1] = NumberFields(board, position)->text();
    return texts;
}

}  // namespace addlinedlg
