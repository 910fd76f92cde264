#pragma once

#include "services.h"

#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;

namespace tessaly {

// fSplash: the picture with its small animation that opens the program.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const Services& services, QWidget* parent = nullptr);

    // Shows the window and runs the animation (three passes, the sound after the second),
    // or with a frozen splash just waits five seconds; then hides the window and reports
    // finished().
    void runSequence(bool frozen);

    QLabel* Picture1 = nullptr;        // the splash picture
    std::array<QLabel*, 3> Picture2{}; // animation frames over it
    QLabel* Picture3 = nullptr;        // shown while the splash sound plays
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr; // version
    QLabel* Label3 = nullptr; // information line

signals:
    // The sequence ended, or the user closed the window: the main window is due.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void step(const std::function<void()>& change);
    // Paints the window and has the window system put it on the screen before returning.
    void drawNow();
    // Paints the window as it is now, puts it on the screen and waits one animation step.
    void holdFrame();
    void waitUntilOnScreen();

    Services services_;
};

} // namespace tessaly
