#include "AddLineDlg/BoardRules.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <random>

namespace addlinedlg {
namespace {

using lottery::TLine;

bool IsBall(int number) {
    return number >= kLowestBall && number <= kHighestBall;
}

// Empty or blank text is 0; anything else must be a decimal 16-bit number.
std::optional<int16_t> NumberOfText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    bool ok = false;
    const short number = trimmed.toShort(&ok, 10);
    return ok ? std::optional<int16_t>(number) : std::nullopt;
}

bool HasDuplicates(TLine::Board board) {
    std::sort(board.begin(), board.end());
    return std::adjacent_find(board.begin(), board.end()) != board.end();
}

// The checks of one board that is in use, in the order they are reported.
QString CheckBoardInUse(const Boards& boards, int board) {
    const TLine::Board& numbers = boards[board - 1];
    if (!std::all_of(numbers.begin(), numbers.end(), IsBall))
        return QStringLiteral("Board %1 is incomplete. Please complete before continuing").arg(BoardLetter(board));
    if (board > 1 && boards[board - 2][0] < 1)
        return QStringLiteral("Board %1 has not been completed. You can only complete this Board if all "
                              "previous Boards have been completed")
            .arg(BoardLetter(board - 1));
    if (HasDuplicates(numbers))
        return QStringLiteral("Board %1 has duplicate numbers specified. Please correct before continuing")
            .arg(BoardLetter(board));
    return {};
}

}  // namespace

QString BoardLetter(int board) {
    return QString(QChar(u'A' + board - 1));
}

void SortBoard(Boards& boards, int board) {
    TLine::Board& numbers = boards[board - 1];
    std::sort(numbers.begin(), numbers.end());
}

QString ValidateBoards(const BoardTexts& texts, Boards& boards) {
    for (int board = 1; board <= TLine::kBoardCount; ++board) {
        TLine::Board& numbers = boards[board - 1];
        for (int position = 1; position <= TLine::kNumbersPerBoard; ++position) {
            const auto number = NumberOfText(texts[board - 1][position - 1]);
            if (!number)
                return QStringLiteral("Invalid number specified on Board %1 Column %2").arg(BoardLetter(board)).arg(position);
            numbers[position - 1] = *number;
        }
        const bool inUse = std::any_of(numbers.begin(), numbers.end(), [](int16_t n) { return n > 0; });
        if (!inUse) {
            // A pasted "-1" must not be stored in a board that counts as empty.
            numbers.fill(0);
            continue;
        }
        const QString failure = CheckBoardInUse(boards, board);
        if (!failure.isEmpty()) return failure;
        SortBoard(boards, board);
    }
    if (!IsBall(boards[0][0])) return QStringLiteral("Please complete a Board before continuing");
    return {};
}

void LuckyDip(Boards& boards, int board, const BallSource& nextBall) {
    TLine::Board& numbers = boards[board - 1];
    for (int position = 0; position < TLine::kNumbersPerBoard; ++position) {
        numbers[position] = 0;  // only the other five positions keep a number apart
        int ball = nextBall();
        while (std::find(numbers.begin(), numbers.end(), ball) != numbers.end()) ball = nextBall();
        numbers[position] = static_cast<int16_t>(ball);
    }
    SortBoard(boards, board);
}

BallSource UniformBallSource() {
    std::random_device entropy;
    const auto clock = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seed{entropy(), entropy(), entropy(), entropy(), clock};
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return std::uniform_int_distribution<int>(kLowestBall, kHighestBall)(*engine); };
}

}  // namespace addlinedlg
