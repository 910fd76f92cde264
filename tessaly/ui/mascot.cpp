// The mascot beside the button row: once a minute it flaps and calls, unless "Silence
// Pelfin" is ticked. Shift and the right mouse button on it open the board puzzle.
#include "main_window.h"

#include "board_puzzle_window.h"
#include "mascot_pictures.h"

#include "platform/paths.h"
#include "platform/qt/pause.h"
#include "platform/qt/sound_player.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace tessaly {

namespace {
constexpr int kMascotSize = 48;
QLabel* pose(QWidget* parent, const char* name, MascotPose which) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(mascotPicture(which, kMascotSize));
    label->setGeometry(0, 0, kMascotSize, kMascotSize);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}
} // namespace

QWidget* MainWindow::buildMascot() {
    Picture3 = new QLabel(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setFixedSize(kMascotSize, kMascotSize);
    Picture10 = pose(Picture3, "Picture10", MascotPose::WingUp);
    Picture11 = pose(Picture3, "Picture11", MascotPose::WingDown);
    Picture12 = pose(Picture3, "Picture12", MascotPose::Resting);
    Picture13 = pose(Picture3, "Picture13", MascotPose::Calling);
    Picture12->show();
    Picture3->installEventFilter(this);

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
    return Picture3;
}

QString MainWindow::programFile(const char* name) const {
    return QString::fromLocal8Bit(
        platform::joinPath(services_.programDirectory.toLocal8Bit().toStdString(), name));
}

void MainWindow::animateMascot() {
    if (mascotBusy_)
        return;
    mascotBusy_ = true;
    using Events = platform::Pause::Events;
    QCoreApplication::processEvents();
    Picture12->hide();
    services_.sound.playAndWait(programFile("can.wav"));
    for (int flap = 0; flap < 4; ++flap) {
        QCoreApplication::processEvents();
        Picture11->hide();
        Picture10->show();
        services_.pause.wait(500, Events::Process);
        Picture11->show();
        Picture10->hide();
        services_.pause.wait(700, Events::Process);
    }
    Picture11->hide();
    Picture13->show();
    services_.sound.playAndWait(programFile("yk.wav"));
    services_.pause.wait(500, Events::Process);
    services_.sound.playAndWait(programFile("can2.wav"));
    Picture13->hide();
    Picture12->show();
    mascotBusy_ = false;
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
