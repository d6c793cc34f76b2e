#pragma once

#include "lottery/TLine.h"

#include <QString>

#include <array>
#include <functional>

namespace addlinedlg {

using Boards = lottery::TLine::BoardArray;
// The texts of the sixty number fields, board by board.
using BoardTexts = std::array<std::array<QString, lottery::TLine::kNumbersPerBoard>, lottery::TLine::kBoardCount>;
// Each call gives one number drawn uniformly from 1 to 49.
using BallSource = std::function<int()>;

inline constexpr int kLowestBall = 1;
inline constexpr int kHighestBall = 49;

// "A" for board 1 .. "J" for board 10.
QString BoardLetter(int board);

// Puts the six numbers of one board (1..10) in ascending order.
void SortBoard(Boards& boards, int board);

// Reads the boards A to J from their texts into boards, checking each as it
// goes, and gives the message of the first failure, or empty text when every
// board is good. Boards read before a failure stay read.
QString ValidateBoards(const BoardTexts& texts, Boards& boards);

// Fills one board with six different numbers, never one that another
// position of the board still holds, then sorts it.
void LuckyDip(Boards& boards, int board, const BallSource& nextBall);

// A generator seeded from the system's entropy source and the clock.
BallSource UniformBallSource();

}  // namespace addlinedlg
