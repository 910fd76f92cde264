#pragma once

#include "tessaly/puzzle/board_puzzle.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Prompts;
}

namespace tessaly {

// fMe: the hidden board puzzle. The rules decide; the window paints squares and shows the
// messages.
class BoardPuzzleWindow : public QWidget {
    Q_OBJECT
public:
    BoardPuzzleWindow(platform::Prompts& prompts, QWidget* parent = nullptr);

    void restart();
    void playSquare(int square);
    const BoardPuzzle& board() const { return board_; }

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // Restart
    std::array<QLineEdit*, BoardPuzzle::kSquares> Text1{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintBoard();

    platform::Prompts& prompts_;
    BoardPuzzle board_;
};

} // namespace tessaly
