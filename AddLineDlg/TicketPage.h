#pragma once

#include "AddLineDlg/BoardRules.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace addlinedlg {

class ChoicePanel;
class NumberField;

// Page "Ticket" of the wizard: the start date, the description, ten boards
// of six number fields with a "Lucky Dip" button each, the weeks and the
// draw days. It only holds the controls; the wizard gives them their rules.
class TicketPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWeeksChoices = 9;      // W1..W9, tag = weeks, 9 unlimited
    static constexpr int kDrawDaysChoices = 3;   // D1..D3, tag 0 both, 1 Wed, 2 Sat
    static constexpr int kCommentLength = 80;

    // The date box is made by the wizard, which knows how it drops down.
    TicketPage(QComboBox* dateBox, QWidget* parent);

    QComboBox* DateBox() const { return dateBox_; }
    QLineEdit* Comment() const { return comment_; }
    // board 1..10, position 1..6
    NumberField* NumberFields(int board, int position) const { return numberFields_[board - 1][position - 1]; }
    QToolButton* LuckyDipButton(int board) const { return luckyDips_[board - 1]; }
    const std::array<ChoicePanel*, kWeeksChoices>& WeeksPanels() const { return weeksPanels_; }
    const std::array<ChoicePanel*, kDrawDaysChoices>& DrawDaysPanels() const { return drawDaysPanels_; }

    BoardTexts NumberTexts() const;

private:
    void BuildDateAndComment();
    void BuildBoardRow(int board);
    void BuildWeeksPanel();
    void BuildDrawDaysPanel();
    // The Lucky Dip buttons never take the focus; from the keyboard the
    // shortcut fills the board whose number field has it.
    void LuckyDipFocusedBoard();

    QComboBox* dateBox_;
    QLineEdit* comment_ = nullptr;
    std::array<std::array<NumberField*, lottery::TLine::kNumbersPerBoard>, lottery::TLine::kBoardCount> numberFields_{};
    std::array<QToolButton*, lottery::TLine::kBoardCount> luckyDips_{};
    std::array<ChoicePanel*, kWeeksChoices> weeksPanels_{};
    std::array<ChoicePanel*, kDrawDaysChoices> drawDaysPanels_{};
};

}  // namespace addlinedlg
