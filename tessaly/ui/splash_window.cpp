#include "splash_window.h"

#include "mascot_pictures.h"

#include "platform/paths.h"
#include "platform/qt/pause.h"
#include "platform/qt/sound_player.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace tessaly {

namespace {
constexpr int kStepMs = 300;

QPixmap splashPicture() {
    QPixmap picture(360, 200);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(20, 50, 120));
    sky.setColorAt(1, QColor(120, 180, 230));
    p.fillRect(picture.rect(), sky);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Arial"), 36, QFont::Bold));
    p.drawText(QRect(20, 20, 320, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tessaly"));
    p.setFont(QFont(QStringLiteral("Arial"), 11));
    p.drawText(QRect(22, 86, 320, 24), Qt::AlignLeft,
               QStringLiteral("Link lists for your web pages"));
    return picture;
}

QLabel* frame(QWidget* parent, int index, MascotPose pose) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Picture2_%1").arg(index));
    label->setPixmap(mascotPicture(pose, 64));
    label->setGeometry(270, 110, 64, 64);
    label->hide();
    return label;
}
} // namespace

SplashWindow::SplashWindow(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("fSplash"));
    setWindowTitle(QStringLiteral("Tessaly"));
    auto* layout = new QVBoxLayout(this);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(splashPicture());
    Picture1->setFixedSize(360, 200);
    layout->addWidget(Picture1);
    Picture2 = {frame(Picture1, 0, MascotPose::Resting), frame(Picture1, 1, MascotPose::WingUp),
                frame(Picture1, 2, MascotPose::WingDown)};
    Picture3 = new QLabel(Picture1);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setPixmap(mascotPicture(MascotPose::Calling, 64));
    Picture3->setGeometry(200, 110, 64, 64);
    Picture3->hide();

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(Frame1);
    Label1 = new QLabel(QStringLiteral("v 1.2"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(Label3);
    layout->addWidget(Frame1);
    adjustSize();
}

void SplashWindow::step(const std::function<void()>& change) {
    change();
    // The waits between frames let no events through, so each frame is painted at once.
    repaint();
    services_.pause.wait(kStepMs, platform::Pause::Events::Ignore);
}

void SplashWindow::runSequence(bool frozen) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    Label3->setText(
        QStringLiteral("Made by the Tessaly team. More help: press F1 in the main window."));
    show();
    // Once, so the window is on screen before the first frame.
    QCoreApplication::processEvents();
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
            services_.sound.playAndWait(sound);
            services_.pause.wait(kStepMs, platform::Pause::Events::Ignore);
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
