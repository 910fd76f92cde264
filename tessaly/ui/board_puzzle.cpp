#include "board_puzzle.h"

#include "text_bytes.h"

#include "platform/qt/prompts.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace tessaly {

BoardPuzzle::BoardPuzzle(platform::Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts) {
    setObjectName(QStringLiteral("fMe"));
    setWindowTitle(QStringLiteral("Cool"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(2);
    Label1 = new QLabel(QStringLiteral("Try to figure out this puzzle to reveal a prize!!!"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(Label1, 0, 0, 1, 8);
    for (int n = 0; n < KnightBoard::kSquares; ++n) {
        auto* square = new QLineEdit(this);
        square->setObjectName(QStringLiteral("Text1_%1").arg(n));
        square->setReadOnly(true);
        square->setFocusPolicy(Qt::NoFocus);
        square->setAlignment(Qt::AlignCenter);
        square->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        square->setFixedSize(34, 30);
        square->installEventFilter(this);
        grid->addWidget(square, 1 + n / 8, n % 8);
        Text1[static_cast<std::size_t>(n)] = square;
    }
    Command1 = new QPushButton(QStringLiteral("Restart"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    grid->addWidget(Command1, 9, 0, 1, 8);
    connect(Command1, &QPushButton::clicked, this, &BoardPuzzle::restart);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    restart();
}

void BoardPuzzle::restart() {
    board_.reset();
    paintBoard();
}

void BoardPuzzle::playSquare(int square) {
    const KnightBoard::Outcome outcome = board_.play(square);
    paintBoard();
    const std::string text = outcomeMessage(outcome, board_.moves());
    if (!text.empty())
        prompts_.message(this, toText(text));
}

void BoardPuzzle::paintBoard() {
    for (int n = 0; n < KnightBoard::kSquares; ++n) {
        QLineEdit* square = Text1[static_cast<std::size_t>(n)];
        const int move = board_.moveAt(n);
        square->setText(move ? QString::number(move) : QString());
        const bool dark = board_.isDark(n);
        square->setProperty("dark", dark);
        square->setStyleSheet(dark ? QStringLiteral("background: #800000; color: white;")
                                   : QStringLiteral("background: #FF0000; color: white;"));
    }
}

bool BoardPuzzle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int n = 0; n < KnightBoard::kSquares; ++n) {
            if (Text1[static_cast<std::size_t>(n)] == watched) {
                playSquare(n);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaly
