#pragma once

#include "board_rules.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Prompts;
}

namespace tessaly {

// fMe: the hidden board puzzle.
class BoardPuzzle : public QWidget {
    Q_OBJECT
public:
    BoardPuzzle(platform::Prompts& prompts, QWidget* parent = nullptr);

    void restart();
    void playSquare(int square);
    const KnightBoard& board() const { return board_; }

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // Restart
    std::array<QLineEdit*, KnightBoard::kSquares> Text1{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintBoard();

    platform::Prompts& prompts_;
    KnightBoard board_;
};

} // namespace tessaly
