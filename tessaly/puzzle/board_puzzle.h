#pragma once

#include <array>
#include <string>

namespace tessaly {

// The rules of the hidden board puzzle: 64 squares numbered row by row, filled one after
// another, each next square a knight's jump away from the last one. The jump is worked out
// on the square number alone, so near the left and right edges it wraps to the far side
// of the board; the window only shows what this class decides.
class BoardPuzzle {
public:
    // Square n lies in row n / kColumns and column n % kColumns.
    static constexpr int kSquares = 64;
    static constexpr int kColumns = 8;
    // Tried in this order; a target outside 0 to 63 is skipped.
    static constexpr std::array<int, 8> kJumps = {-6, -10, -15, -17, 6, 10, 15, 17};

    // Dark marks a square that may be played next; every other square is light.
    enum class Shade { Dark, Light };
    struct Colour {
        int red;
        int green;
        int blue;
        bool operator==(const Colour&) const = default;
    };
    static constexpr Colour kDarkColour = {128, 0, 0};
    static constexpr Colour kLightColour = {255, 0, 0};

    // What a click leads to: a move that leaves squares to play, a refused click, or the
    // end of the game. Every outcome but Played comes with the message the window shows.
    struct MoveResult {
        enum class Outcome { Played, NotDark, Won, Lost };
        Outcome outcome = Outcome::Played;
        std::string message;
    };

    BoardPuzzle() { reset(); }

    // An empty board, every square dark: the first move may go anywhere.
    void reset();

    // A click on a square. A square that is not dark, including any square after the game
    // has ended and any number off the board, only brings the hint.
    MoveResult play(int square);

    // The number of squares filled so far. The accessors below take squares 0 to 63.
    int moves() const { return moves_; }
    // The move that filled the square, or 0 while it is empty.
    int moveAt(int square) const { return squares_[static_cast<std::size_t>(square)].move; }
    // The square's text: empty, or the number of the move that filled it.
    std::string text(int square) const;
    Shade shade(int square) const { return squares_[static_cast<std::size_t>(square)].shade; }
    Colour colour(int square) const { return shade(square) == Shade::Dark ? kDarkColour : kLightColour; }

private:
    struct Square {
        int move = 0;
        Shade shade = Shade::Dark;
    };
    std::array<Square, kSquares> squares_{};
    int moves_ = 0;
};

extern const char* const kPuzzleHintMessage;
extern const char* const kPuzzleWonMessage;
// "Bad luck. Try again. Your score: " followed by the number of moves made.
std::string puzzleScoreMessage(int moves);

} // namespace tessaly
