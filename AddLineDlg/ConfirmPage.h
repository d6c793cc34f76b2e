#pragma once

#include "lottery/TLine.h"

#include <QWidget>

#include <array>

class QLabel;

namespace addlinedlg {

// Page "Confirm" of the wizard: a heading and an explanation (or the prize
// of each board) on the left, the facsimile of the paper ticket on the
// right, and a warning line along the bottom.
class ConfirmPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBoards = lottery::TLine::kBoardCount;
    static constexpr int kNumbers = lottery::TLine::kNumbersPerBoard;

    explicit ConfirmPage(QWidget* parent);

    QLabel* Heading() const { return label13_; }
    QLabel* Explanation() const { return label14_; }
    QLabel* InvalidTicket() const { return invalidTicket_; }
    // board 1..10, position 1..6
    QLabel* LineLabels(int board) const { return lineLabels_[board - 1]; }
    QLabel* WinningsLabels(int board) const { return winningsLabels_[board - 1]; }
    QLabel* FacsimileNumbers(int board, int position) const { return facsimileNumbers_[board - 1][position - 1]; }
    QLabel* BoardLetterLabel(int board) const { return boardLetters_[board - 1]; }
    void ShowDescription(const QString& description);
    QLabel* DateLabel() const { return dateLabel_; }
    QLabel* DrawLabel() const { return drawLabel_; }

private:
    void BuildExplanation();
    void BuildFacsimile();
    void BuildFacsimileRow(QWidget* panel1, int board, int top);

    QLabel* label13_ = nullptr;
    QLabel* label14_ = nullptr;
    QLabel* invalidTicket_ = nullptr;
    std::array<QLabel*, kBoards> lineLabels_{};
    std::array<QLabel*, kBoards> winningsLabels_{};
    std::array<std::array<QLabel*, kNumbers>, kBoards> facsimileNumbers_{};
    std::array<QLabel*, kBoards> boardLetters_{};
    QLabel* label5_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* drawLabel_ = nullptr;
};

}  // namespace addlinedlg
