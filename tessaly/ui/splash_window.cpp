#include "splash_window.h"

#include "program_pictures.h"
#include "window_placement.h"

#include "platform/paths.h"
#include "platform/qt/pause.h"
#include "platform/qt/sound_player.h"
#include "platform/qt/window_system.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace tessaly {

namespace {
constexpr int kStepMs = 300;
// How long the window system may take to put a new window on the screen (a window manager
// frames it first); the splash goes on regardless after that.
constexpr int kAppearMs = 2000;
constexpr int kAppearPollMs = 10;
} // namespace

SplashWindow::SplashWindow(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("fSplash"));
    setWindowTitle(QStringLiteral("Tessaly"));
    // The drawing leaves room for the version frame at its lower right; the animation
    // frames lie over the cube at its left.
    const auto picture = [this](QWidget* owner, const QString& name, const QRect& place) {
        auto* label = new QLabel(owner);
        label->setPixmap(programPicture(services_.programDirectory, name, this));
        label->setGeometry(place);
        return label;
    };
    Picture1 = picture(this, QStringLiteral("splash"), QRect(0, 0, 420, 260));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    for (int i = 0; i < 3; ++i) {
        QLabel* frame =
            picture(Picture1, QStringLiteral("splash-frame-%1").arg(i), QRect(40, 60, 80, 80));
        frame->setObjectName(QStringLiteral("Picture2_%1").arg(i));
        frame->hide();
        Picture2[static_cast<std::size_t>(i)] = frame;
    }
    Picture3 = picture(Picture1, QStringLiteral("splash-sound"), QRect(352, 16, 48, 48));
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->hide();

    Frame1 = new QFrame(Picture1);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(150, 150, 260, 65);
    auto* frameLayout = new QVBoxLayout(Frame1);
    Label1 = new QLabel(QStringLiteral("v 1.2"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(Label3);
    setFixedSize(420, 260);
    centreOnScreenWhenShown(this);
}

void SplashWindow::step(const std::function<void()>& change) {
    change();
    holdFrame();
}

void SplashWindow::drawNow() {
    repaint();
    platform::waitUntilDrawn();
}

void SplashWindow::holdFrame() {
    // The wait lets no events through, so the frame is painted, and drawn by the window
    // system, before it begins.
    drawNow();
    services_.pause.wait(kStepMs, platform::Pause::Events::Ignore);
}

void SplashWindow::waitUntilOnScreen() {
    // A window can be painted only once the window system shows it, and the animation should
    // not start before the window manager has framed it and it has taken its place (the
    // frame's size moves the centre); until then the events that bring it there are let
    // through.
    QCoreApplication::processEvents();
    const qint64 deadline = services_.pause.nowMs() + kAppearMs;
    while (!(windowHandle() && windowHandle()->isExposed() && standsWherePlaced(this)) &&
           services_.pause.nowMs() < deadline)
        services_.pause.wait(kAppearPollMs, platform::Pause::Events::Process);
}

void SplashWindow::runSequence(bool frozen) {
    Label3->setText(
        QStringLiteral("Made by the Tessaly team. More help: press F1 in the main window."));
    show();
    waitUntilOnScreen();
    if (frozen) {
        services_.pause.wait(5000, platform::Pause::Events::Process);
        hide();
        emit finished();
        return;
    }
    const QString sound = QString::fromLocal8Bit(
        platform::joinPath(services_.programDirectory.toLocal8Bit().toStdString(), "ts.wav"));
    for (int pass = 0;;) {
        step([this] {
            Picture2[0]->show();
            Picture2[1]->hide();
        });
        step([this] {
            Picture2[1]->show();
            Picture2[0]->hide();
        });
        step([this] { Picture2[1]->hide(); });
        step([this] { Picture2[2]->show(); });
        step([this] { Picture2[2]->hide(); });
        step([this] { Picture2[1]->show(); });
        if (pass == 2) {
            hide();
            emit finished();
            return;
        }
        if (pass == 1) {
            Picture3->show();
            drawNow();
            services_.sound.playAndWait(sound);
            holdFrame();
            Picture3->hide();
            pass = 2;
        } else {
            pass = 1;
        }
    }
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit finished();
}

} // namespace tessaly
