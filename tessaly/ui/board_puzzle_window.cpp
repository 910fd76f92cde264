#include "board_puzzle_window.h"

#include "text_bytes.h"
#include "window_placement.h"

#include "platform/qt/prompts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace tessaly {

BoardPuzzleWindow::BoardPuzzleWindow(platform::Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts) {
    setObjectName(QStringLiteral("fMe"));
    setWindowTitle(QStringLiteral("Cool"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(2);
    Label1 = new QLabel(QStringLiteral("Try to figure out this puzzle to reveal a prize!!!"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(Label1, 0, 0, 1, BoardPuzzle::kColumns);
    for (int n = 0; n < BoardPuzzle::kSquares; ++n) {
        auto* square = new QLineEdit(this);
        square->setObjectName(QStringLiteral("Text1_%1").arg(n));
        square->setReadOnly(true);
        square->setFocusPolicy(Qt::NoFocus);
        square->setAlignment(Qt::AlignCenter);
        square->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        square->setFixedSize(34, 30);
        square->installEventFilter(this);
        grid->addWidget(square, 1 + n / BoardPuzzle::kColumns, n % BoardPuzzle::kColumns);
        Text1[static_cast<std::size_t>(n)] = square;
    }
    Command1 = new QPushButton(QStringLiteral("Restart"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    grid->addWidget(Command1, 1 + BoardPuzzle::kSquares / BoardPuzzle::kColumns, 0, 1,
                    BoardPuzzle::kColumns);
    connect(Command1, &QPushButton::clicked, this, &BoardPuzzleWindow::restart);

    adjustSize();
    centreOnScreenWhenShown(this);
    restart();
}

void BoardPuzzleWindow::restart() {
    board_.reset();
    paintBoard();
}

void BoardPuzzleWindow::playSquare(int square) {
    const BoardPuzzle::MoveResult result = board_.play(square);
    paintBoard();
    if (!result.message.empty())
        prompts_.message(this, toText(result.message));
}

void BoardPuzzleWindow::paintBoard() {
    for (int n = 0; n < BoardPuzzle::kSquares; ++n) {
        QLineEdit* square = Text1[static_cast<std::size_t>(n)];
        square->setText(toText(board_.text(n)));
        const BoardPuzzle::Colour c = board_.colour(n);
        square->setProperty("dark", board_.shade(n) == BoardPuzzle::Shade::Dark);
        square->setStyleSheet(QStringLiteral("background: rgb(%1, %2, %3); color: white;")
                                  .arg(c.red)
                                  .arg(c.green)
                                  .arg(c.blue));
    }
}

bool BoardPuzzleWindow::eventFilter(QObject* watched, QEvent* event) {
    // A press of the left button plays a square. Other buttons, the second press of a
    // double click and the text box's own menu do nothing there.
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
        type == QEvent::ContextMenu) {
        for (int n = 0; n < BoardPuzzle::kSquares; ++n) {
            if (Text1[static_cast<std::size_t>(n)] == watched) {
                if (type == QEvent::MouseButtonPress &&
                    static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                    playSquare(n);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaly
