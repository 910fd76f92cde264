// Where the windows appear on a real X server (Xvfb, tests/support/xvfb_session.sh), with and
// without a window manager: the main window's frame centred on the screen, the add-link and
// import dialogs centred over the main window.
#include "window_fixture.h"

#include "tessaly/ui/add_link_dialog.h"
#include "tessaly/ui/import_dialog.h"

#include "support/x11_screen.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtTest>

namespace {
QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

class WindowFramesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run through xvfb_session.sh)");
    }

    void theMainWindowIsCentredByItsFrameAndTheDialogsOpenOverIt() {
        X11Screen screen;
        QVERIFY(screen.size().isValid());
        WindowFixture f;
        tessaly::MainWindow& w = *f.window;
        const QRect screenArea(QPoint(0, 0), screen.size());
        const auto frameOf = [&](QWidget* window) {
            return screen.frameArea(static_cast<xcb_window_t>(window->winId()));
        };
        // The window manager frames and places a window in its own time: bounded polling
        // until the frame sits where it belongs.
        const auto settlesCentredIn = [&](QWidget* window, const std::function<QRect()>& area) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const auto centred = [&] {
                const QRect frame = frameOf(window);
                const QPoint offset = frame.center() - area().center();
                // Within a border's width: window managers count the outer border line
                // differently in the frame they announce.
                return qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3;
            };
            QVERIFY2(QTest::qWaitFor(centred, 3000),
                     qPrintable(QStringLiteral("frame %1, to be centred in %2")
                                    .arg(describe(frameOf(window)), describe(area()))));
        };

        w.show();
        settlesCentredIn(&w, [&] { return screenArea; });

        // The user moves the main window; the dialogs follow it.
        w.windowHandle()->setPosition(60, 80);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return screen.windowArea(static_cast<xcb_window_t>(w.winId())).topLeft() ==
                       QPoint(60, 80);
            },
            3000));
        w.openAddLink();
        settlesCentredIn(w.addLinkDialog(), [&] { return frameOf(&w); });
        w.openImport();
        settlesCentredIn(w.importDialog(), [&] { return frameOf(&w); });
    }
};

QTEST_MAIN(WindowFramesTest)
#include "window_frames_test.moc"
