// Where the main window sits on a real screen with a window manager: Left and Top are the
// outer corner of the window, title bar included, both when Exit stores them and when the
// next start places the window. Run through tests/support/xvfb_session.sh --wm.
#include "editor_fixture.h"

#include "vmcntrl/ui/startup.h"

#include <QScreen>

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
// close box are on the screen.
void WindowPlaceTest::aFirstStartShowsTheTitleBar() {
    EditorFixture f;
    Form1* form = vmcntrl::startMainWindow(f.dir.path(), f.services);
    if (!waitForFrame(*form))
        QSKIP("the window system did not report the window's frame");
    const QRect screen = form->screen()->availableGeometry();
    // The window manager may still be adding the title bar to the frame it reported first,
    // and Qt may keep that first answer (see waitForFrame).
    if (!QTest::qWaitFor([form] { return form->geometry().top() > form->frameGeometry().top(); },
                         5000))
        QSKIP("the window system did not report the window's title bar");
    QVERIFY2(screen.contains(form->frameGeometry().topLeft()) &&
                 screen.contains(form->frameGeometry().topRight()),
             qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                            .arg(form->frameGeometry().x())
                            .arg(form->frameGeometry().y())
                            .arg(form->frameGeometry().width())
                            .arg(form->frameGeometry().height())));
    form->close();
}

QTEST_MAIN(WindowPlaceTest)
#include "window_place_test.moc"
