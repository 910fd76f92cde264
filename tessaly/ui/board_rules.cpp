#include "board_rules.h"

namespace tessaly {

void KnightBoard::reset() {
    number_.fill(0);
    dark_.fill(true);
    moves_ = 0;
}

KnightBoard::Outcome KnightBoard::play(int square) {
    if (square < 0 || square >= kSquares || !isDark(square))
        return Outcome::NotDark;
    number_[static_cast<std::size_t>(square)] = ++moves_;
    dark_.fill(false);
    bool anyDark = false;
    for (int offset : {-6, -10, -15, -17, 6, 10, 15, 17}) {
        const int target = square + offset;
        if (target >= 0 && target < kSquares && moveAt(target) == 0) {
            dark_[static_cast<std::size_t>(target)] = true;
            anyDark = true;
        }
    }
    if (anyDark)
        return Outcome::Played;
    return moves_ == kSquares ? Outcome::Won : Outcome::Lost;
}

std::string outcomeMessage(KnightBoard::Outcome outcome, int moves) {
    switch (outcome) {
    case KnightBoard::Outcome::NotDark:
        return std::string(kDarkSquaresMessage);
    case KnightBoard::Outcome::Won:
        return std::string(kWonMessage);
    case KnightBoard::Outcome::Lost:
        return std::string(kScorePrefix) + std::to_string(moves);
    case KnightBoard::Outcome::Played:
        break;
    }
    return {};
}

} // namespace tessaly
