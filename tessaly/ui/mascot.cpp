// The mascot beside the button row: once a minute it flaps and calls, unless "Silence
// Pelfin" is ticked. Shift and the right mouse button on it open the board puzzle.
#include "main_window.h"

#include "board_puzzle_window.h"
#include "program_pictures.h"

#include "platform/paths.h"
#include "platform/qt/pause.h"
#include "platform/qt/sound_player.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace tessaly {

namespace {
constexpr int kPelfinSize = 64;
} // namespace

QWidget* MainWindow::buildMascot() {
    auto* corner = new QWidget(this);
    auto* layout = new QHBoxLayout(corner);
    layout->setContentsMargins(0, 0, 0, 0);

    // Pelfin's four poses share one place; only the resting one shows between dances.
    auto* pelfin = new QWidget(corner);
    pelfin->setFixedSize(kPelfinSize, kPelfinSize);
    const auto pose = [&](const char* name, const char* picture) {
        auto* label = new QLabel(pelfin);
        label->setObjectName(QString::fromLatin1(name));
        label->setPixmap(
            programPicture(services_.programDirectory, QString::fromLatin1(picture), this));
        label->setGeometry(0, 0, kPelfinSize, kPelfinSize);
        label->hide();
        return label;
    };
    Picture10 = pose("Picture10", "pelfin-wave-left");
    Picture11 = pose("Picture11", "pelfin-wave-right");
    Picture12 = pose("Picture12", "pelfin-rest");
    Picture13 = pose("Picture13", "pelfin-cheer");
    Picture12->show();

    Picture3 = new QLabel(corner);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setFixedSize(48, 48);
    Picture3->setPixmap(
        programPicture(services_.programDirectory, QStringLiteral("tessaly"), this));
    Picture3->installEventFilter(this);
    layout->addWidget(pelfin);
    layout->addWidget(Picture3);

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(60000);
    connect(Timer3, &QTimer::timeout, this, &MainWindow::animateMascot);
    connect(this, &MainWindow::silencePelfinChanged, this, [this](bool silenced) {
        if (silenced)
            Timer3->stop();
        else
            Timer3->start();
    });
    Timer3->start();
    return corner;
}

QString MainWindow::programFile(const char* name) const {
    return QString::fromLocal8Bit(
        platform::joinPath(services_.programDirectory.toLocal8Bit().toStdString(), name));
}

void MainWindow::animateMascot() {
    if (mascotBusy_ || ending_)
        return;
    mascotBusy_ = true;
    danceMascot();
    // Back at rest, also when the dance stopped short.
    Picture10->hide();
    Picture11->hide();
    Picture13->hide();
    Picture12->show();
    mascotBusy_ = false;
}

void MainWindow::danceMascot() {
    using Events = platform::Pause::Events;
    // Every step that lets events through may have run Quit or the close box.
    const auto pauseFor = [this](int ms) {
        services_.pause.wait(ms, Events::Process);
        return !ending_;
    };
    QCoreApplication::processEvents();
    if (ending_)
        return;
    Picture12->hide();
    services_.sound.playAndWait(programFile("can.wav"));
    for (int flap = 0; flap < 4; ++flap) {
        QCoreApplication::processEvents();
        if (ending_)
            return;
        Picture11->hide();
        Picture10->show();
        if (!pauseFor(500))
            return;
        Picture11->show();
        Picture10->hide();
        if (!pauseFor(700))
            return;
    }
    Picture11->hide();
    Picture13->show();
    services_.sound.playAndWait(programFile("yk.wav"));
    if (!pauseFor(500))
        return;
    services_.sound.playAndWait(programFile("can2.wav"));
}

BoardPuzzleWindow* MainWindow::boardPuzzle() const {
    return boardPuzzle_;
}

void MainWindow::openBoardPuzzle() {
    if (!boardPuzzle_)
        boardPuzzle_ = new BoardPuzzleWindow(services_.prompts, this);
    boardPuzzle_->show();
    boardPuzzle_->raise();
}

} // namespace tessaly
