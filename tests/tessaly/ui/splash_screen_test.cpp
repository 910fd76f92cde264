// The splash as the X server shows it: every animation frame is on the screen when the wait
// that follows it begins, and the window stays where it first stood. Runs on Xvfb
// (tests/support/xvfb_session.sh), with and without a window manager.
#include "window_fixture.h"

#include "tessaly/ui/splash_window.h"
#include "tessaly/ui/start_up.h"

#include "support/x11_screen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QtTest>

#include <filesystem>

namespace {
// The animation's waits (no events) look at the screen and return at once; the waits that
// let events through are real, so the window manager can frame and show the window.
class ScreenCheckingPause : public platform::Pause {
public:
    std::function<void()> onStillWait;
    void wait(int ms, Events events) override {
        if (events == Events::Process)
            real_.wait(ms, events);
        else if (onStillWait)
            onStillWait();
    }
    qint64 nowMs() const override { return real_.nowMs(); }

private:
    platform::SystemPause real_;
};
} // namespace

class SplashScreenTest : public QObject {
    Q_OBJECT
private slots:
    void everyFrameIsOnTheScreenWhenItsWaitBegins() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run through xvfb_session.sh)");
        X11Screen screen;
        if (!screen.ok())
            QSKIP("needs a 24-bit X screen");
        WindowFixture f;
        ScreenCheckingPause pause;
        std::filesystem::create_directory_symlink(TESSALY_PICTURES, f.home.file("pictures"));
        tessaly::StartUp startUp{
            tessaly::Services{f.prompts, f.starter, f.dde, f.help, f.sound, pause, f.homeFile("")}};
        QStringList missed;
        QRect firstArea;
        int checked = 0;
        pause.onStillWait = [&] {
            tessaly::SplashWindow& splash = startUp.splash();
            const QRect area = screen.windowArea(static_cast<xcb_window_t>(splash.winId()));
            if (checked == 0)
                firstArea = area;
            else if (area != firstArea)
                missed << QStringLiteral("wait %1: moved from %2,%3 to %4,%5")
                              .arg(checked + 1)
                              .arg(firstArea.x())
                              .arg(firstArea.y())
                              .arg(area.x())
                              .arg(area.y());
            const QImage shown = screen.grab(area);
            const QImage expected = splash.grab().toImage();
            const double share = agreement(shown, expected);
            ++checked;
            if (share < 0.98)
                missed << QStringLiteral("wait %1: %2% of the window as painted")
                              .arg(checked)
                              .arg(qRound(share * 100));
        };
        startUp.run();
        QCOMPARE(checked, 19); // three passes of six steps and the wait after the sound
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(SplashScreenTest)
#include "splash_screen_test.moc"
