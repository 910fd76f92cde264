#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kDarkSquaresMessage =
    "Click on the dark squares and try to fill the whole board! (Get 64/64)";
inline constexpr std::string_view kWonMessage = "Congratulations, you won!";
inline constexpr std::string_view kScorePrefix = "Bad luck. Try again. Your score: ";

// The board puzzle: fill the 64 squares one after another, each next square a knight's jump
// away from the last. The jumps are offsets of the square number alone, so near the left
// and right edges a jump can wrap to the far side of the board; that is the game.
class KnightBoard {
public:
    static constexpr int kSquares = 64;
    enum class Outcome { NotDark, Played, Won, Lost };

    KnightBoard() { reset(); }
    void reset();
    Outcome play(int square);

    int moves() const { return moves_; }
    // The move that filled a square, 0 while empty.
    int moveAt(int square) const { return number_[static_cast<std::size_t>(square)]; }
    bool isDark(int square) const { return dark_[static_cast<std::size_t>(square)]; }

private:
    std::array<int, kSquares> number_{};
    std::array<bool, kSquares> dark_{};
    int moves_ = 0;
};

// The message a move ends with, or an empty text while the game goes on.
std::string outcomeMessage(KnightBoard::Outcome outcome, int moves);

} // namespace tessaly
