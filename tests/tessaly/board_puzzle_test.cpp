#include "tessaly/puzzle/board_puzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

using tessaly::BoardPuzzle;
using Outcome = BoardPuzzle::MoveResult::Outcome;

namespace {

std::set<int> darkSquares(const BoardPuzzle& puzzle) {
    std::set<int> dark;
    for (int n = 0; n < BoardPuzzle::kSquares; ++n)
        if (puzzle.shade(n) == BoardPuzzle::Shade::Dark)
            dark.insert(n);
    return dark;
}

// What the window shows: every square's text and colour.
std::vector<std::pair<std::string, BoardPuzzle::Colour>> board(const BoardPuzzle& puzzle) {
    std::vector<std::pair<std::string, BoardPuzzle::Colour>> squares;
    for (int n = 0; n < BoardPuzzle::kSquares; ++n)
        squares.emplace_back(puzzle.text(n), puzzle.colour(n));
    return squares;
}

// A full tour found through the puzzle's own rules: depth first over the dark squares,
// trying the square with the fewest onward choices first.
bool extendTour(const BoardPuzzle& puzzle, std::vector<int>& tour, long& budget) {
    if (puzzle.moves() == BoardPuzzle::kSquares)
        return true;
    std::vector<std::pair<std::size_t, int>> choices;
    for (const int square : darkSquares(puzzle)) {
        BoardPuzzle next = puzzle;
        next.play(square);
        choices.emplace_back(darkSquares(next).size(), square);
    }
    std::sort(choices.begin(), choices.end());
    for (const auto& [onward, square] : choices) {
        if (--budget < 0)
            return false;
        if (onward == 0 && puzzle.moves() + 1 < BoardPuzzle::kSquares)
            continue;
        BoardPuzzle next = puzzle;
        next.play(square);
        tour.push_back(square);
        if (extendTour(next, tour, budget))
            return true;
        tour.pop_back();
    }
    return false;
}

} // namespace

TEST(BoardPuzzle, TheFirstMoveFillsTheSquareAndDarkensOnlyItsJumps) {
    BoardPuzzle puzzle;
    EXPECT_EQ(darkSquares(puzzle).size(), 64u);
    EXPECT_EQ(puzzle.text(27), "");
    const auto result = puzzle.play(27);
    EXPECT_EQ(result.outcome, Outcome::Played);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(puzzle.moves(), 1);
    EXPECT_EQ(puzzle.text(27), "1");
    EXPECT_EQ(puzzle.colour(27), (BoardPuzzle::Colour{255, 0, 0}));
    EXPECT_EQ(darkSquares(puzzle), (std::set<int>{10, 12, 17, 21, 33, 37, 42, 44}));
    EXPECT_EQ(puzzle.colour(10), (BoardPuzzle::Colour{128, 0, 0}));
    EXPECT_EQ(puzzle.colour(28), (BoardPuzzle::Colour{255, 0, 0}));
}

TEST(BoardPuzzle, JumpsWrapAcrossTheBoardEdgesAndSkipFilledSquares) {
    BoardPuzzle corner;
    corner.play(0);
    // Square 6 lies on the top row, six columns away: the jump ignores rows.
    EXPECT_EQ(darkSquares(corner), (std::set<int>{6, 10, 15, 17}));

    BoardPuzzle edge;
    edge.play(7);
    // From the right edge: 1 and 24 lie on the far side, 17 two rows down at the left.
    EXPECT_EQ(darkSquares(edge), (std::set<int>{1, 13, 17, 22, 24}));

    corner.play(10);
    // Square 0 is a jump from 10 but is filled, so it stays light.
    EXPECT_EQ(darkSquares(corner), (std::set<int>{4, 16, 20, 25, 27}));
    EXPECT_EQ(corner.text(0), "1");
    EXPECT_EQ(corner.text(10), "2");
}

TEST(BoardPuzzle, AClickOnAFilledOrLightSquareOnlyBringsTheHint) {
    BoardPuzzle puzzle;
    puzzle.play(0);
    puzzle.play(17);
    const auto before = board(puzzle);
    for (const int square : {17, 0, 1, 63, -1, 64}) {
        const auto result = puzzle.play(square);
        EXPECT_EQ(result.outcome, Outcome::NotDark) << square;
        EXPECT_EQ(result.message, "Click on the dark squares and try to fill the whole board! (Get 64/64)");
    }
    EXPECT_EQ(board(puzzle), before);
    EXPECT_EQ(puzzle.moves(), 2);
}

TEST(BoardPuzzle, AMoveWithNoJumpLeftEndsTheGameWithTheScore) {
    BoardPuzzle puzzle;
    const std::vector<int> game = {6, 16, 10, 25, 15, 32, 17};
    for (const int square : game)
        ASSERT_EQ(puzzle.play(square).outcome, Outcome::Played) << square;
    // Every jump from square 0 (6, 10, 15, 17) is filled now.
    const auto end = puzzle.play(0);
    EXPECT_EQ(end.outcome, Outcome::Lost);
    EXPECT_EQ(end.message, "Bad luck. Try again. Your score: 8");
    EXPECT_TRUE(darkSquares(puzzle).empty());
    EXPECT_EQ(puzzle.text(0), "8");

    // The board stays as it ended until Restart.
    const auto ended = board(puzzle);
    EXPECT_EQ(puzzle.play(40).outcome, Outcome::NotDark);
    EXPECT_EQ(board(puzzle), ended);

    puzzle.reset();
    EXPECT_EQ(puzzle.moves(), 0);
    EXPECT_EQ(board(puzzle), board(BoardPuzzle()));
}

TEST(BoardPuzzle, FillingAllSixtyFourSquaresWins) {
    std::vector<int> tour = {0};
    BoardPuzzle start;
    start.play(0);
    long budget = 1000000;
    ASSERT_TRUE(extendTour(start, tour, budget));
    ASSERT_EQ(tour.size(), 64u);

    BoardPuzzle puzzle;
    std::optional<BoardPuzzle::MoveResult> last;
    for (std::size_t i = 0; i < tour.size(); ++i) {
        last = puzzle.play(tour[i]);
        if (i + 1 < tour.size()) {
            ASSERT_EQ(last->outcome, Outcome::Played) << "move " << i + 1;
        }
        if (i > 0) {
            const int jump = tour[i] - tour[i - 1];
            EXPECT_NE(std::find(BoardPuzzle::kJumps.begin(), BoardPuzzle::kJumps.end(), jump),
                      BoardPuzzle::kJumps.end());
        }
    }
    EXPECT_EQ(last->outcome, Outcome::Won);
    EXPECT_EQ(last->message, "Congratulations, you won!");
    EXPECT_EQ(puzzle.moves(), 64);
    std::set<std::string> texts;
    for (int n = 0; n < BoardPuzzle::kSquares; ++n)
        texts.insert(puzzle.text(n));
    EXPECT_EQ(texts.size(), 64u);
    EXPECT_EQ(texts.count(""), 0u);
    EXPECT_TRUE(darkSquares(puzzle).empty());
}
