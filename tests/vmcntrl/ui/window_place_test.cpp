// Where the main window sits on a real screen with a window manager: Left and Top are the
// outer corner of the window, title bar included, both when Exit stores them and when the
// next start places the window. Run through tests/support/xvfb_session.sh --wm.
#include "editor_fixture.h"

#include "vmcntrl/ui/startup.h"

#include "support/x11_screen.h"

using vmcntrl::Form1;

class WindowPlaceTest : public QObject {
    Q_OBJECT
private slots:
    void exitAndStartKeepTheFramePosition();
    void aFirstStartShowsTheTitleBar();
};

namespace {

std::string positionLines(const std::string& ini) {
    std::string lines;
    for (const char* key : {"Left=", "Top="})
        if (const auto at = ini.find(key); at != std::string::npos)
            lines += ini.substr(at, ini.find('\r', at) - at) + " ";
    return lines;
}

} // namespace

void WindowPlaceTest::exitAndStartKeepTheFramePosition() {
    EditorFixture f;
    // 1500 twips at 96 dpi: 100 px; 2250: 150 px.
    f.writeIni("[Config]\r\nLeft=1500\r\nTop=2250\r\n");
    X11Screen screen;
    if (!screen.ok())
        QSKIP("no 24-bit X screen");
    for (int run = 0; run < 2; ++run) {
        Form1* form = vmcntrl::startMainWindow(f.dir.path(), f.services);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const auto id = static_cast<xcb_window_t>(form->winId());
        // The X server's own frame, not Qt's idea of it.
        QTRY_COMPARE(screen.frameArea(id).topLeft(), QPoint(100, 150));
        QVERIFY(screen.windowArea(id).top() > 150); // the title bar is above the client area
        form->close();
        QCOMPARE(QString::fromStdString(positionLines(f.iniText())),
                 QStringLiteral("Left=1500 Top=2250 "));
    }
}

// Without a vellum.ini the window has no stored place; wherever it goes, its title bar and
// close box are on the screen. The X server's own answer is read, not Qt's view of it.
void WindowPlaceTest::aFirstStartShowsTheTitleBar() {
    EditorFixture f;
    Form1* form = vmcntrl::startMainWindow(f.dir.path(), f.services);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    X11Screen screen;
    if (!screen.ok())
        QSKIP("no 24-bit X screen");
    const auto id = static_cast<xcb_window_t>(form->winId());
    const auto titleBar = [&] { return screen.frameArea(id).top() < screen.windowArea(id).top(); };
    QTRY_VERIFY(titleBar());
    // Left and Top are 0 without a vellum.ini: the frame's corner is the screen's.
    const auto inTheCorner = [&] { return screen.frameArea(id).topLeft() == QPoint(0, 0); };
    if (!QTest::qWaitFor(inTheCorner, 5000)) {
        const QRect frame = screen.frameArea(id);
        QFAIL(qPrintable(QStringLiteral("the frame is at %1,%2, size %3x%4")
                             .arg(frame.x())
                             .arg(frame.y())
                             .arg(frame.width())
                             .arg(frame.height())));
    }
    form->close();
}

QTEST_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
