#include "board_puzzle.h"

namespace tessaly {

const char* const kPuzzleHintMessage = "Click on the dark squares and try to fill the whole board! (Get 64/64)";
const char* const kPuzzleWonMessage = "Congratulations, you won!";

std::string puzzleScoreMessage(int moves) { return "Bad luck. Try again. Your score: " + std::to_string(moves); }

void BoardPuzzle::reset() {
    squares_.fill(Square{});
    moves_ = 0;
}

BoardPuzzle::MoveResult BoardPuzzle::play(int square) {
    using Outcome = MoveResult::Outcome;
    if (square < 0 || square >= kSquares || shade(square) != Shade::Dark)
        return {Outcome::NotDark, kPuzzleHintMessage};

    squares_[static_cast<std::size_t>(square)].move = ++moves_;
    for (Square& each : squares_)
        each.shade = Shade::Light;

    bool anyDark = false;
    for (const int jump : kJumps) {
        const int target = square + jump;
        if (target < 0 || target >= kSquares)
            continue;
        Square& next = squares_[static_cast<std::size_t>(target)];
        if (next.move == 0) {
            next.shade = Shade::Dark;
            anyDark = true;
        }
    }
    if (anyDark)
        return {Outcome::Played, {}};
    if (moves_ == kSquares)
        return {Outcome::Won, kPuzzleWonMessage};
    return {Outcome::Lost, puzzleScoreMessage(moves_)};
}

std::string BoardPuzzle::text(int square) const {
    const int move = moveAt(square);
    return move == 0 ? std::string() : std::to_string(move);
}

} // namespace tessaly
