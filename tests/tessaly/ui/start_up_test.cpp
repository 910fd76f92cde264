// Start-up with the splash, the mascot, Quit, and the board puzzle.
#include "window_fixture.h"

#include "tessaly/ui/add_link_dialog.h"
#include "tessaly/ui/board_puzzle_window.h"
#include "tessaly/ui/splash_window.h"
#include "tessaly/ui/start_up.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <utility>

using tessaly::MainWindow;

namespace {
QString visibleFrames(const tessaly::SplashWindow& splash) {
    QString frames;
    for (int i = 0; i < 3; ++i)
        if (!splash.Picture2[static_cast<std::size_t>(i)]->isHidden())
            frames += QString::number(i);
    return frames;
}

struct StartUpFixture : WindowFixture {
    EventLog log;
    tessaly::StartUp startUp{tessaly::Services{prompts, starter, dde, help, sound, pause,
                                               QString::fromStdString(home.path())}};
    StartUpFixture() {
        pause.log = &log;
        sound.log = &log;
    }
};

// A tour of all 64 squares under the puzzle's jumps.
const int kTour[64] = {0,  6,  12, 2,  8,  14, 4,  10, 16, 1,  7,  13, 3,  9,  19, 25,
                       15, 5,  11, 17, 23, 29, 35, 20, 26, 32, 22, 28, 18, 24, 30, 36,
                       21, 27, 33, 39, 45, 60, 54, 37, 31, 41, 47, 62, 56, 50, 44, 38,
                       48, 58, 52, 42, 59, 53, 43, 49, 34, 51, 57, 63, 46, 40, 55, 61};
} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void splashAnimatesThreePassesWithTheSoundAfterTheSecond() {
        StartUpFixture f;
        QStringList frames;
        bool mainShownEarly = false;
        f.pause.onWait = [&](int) {
            frames << visibleFrames(f.startUp.splash());
            mainShownEarly = mainShownEarly || f.startUp.mainWindow().isVisible();
        };
        f.startUp.run();

        QStringList expected;
        const QStringList pass{"0", "1", "", "2", "", "1"};
        expected << pass << pass << QStringLiteral("1") << pass; // the wait after the sound
        QCOMPARE(frames, expected);
        QStringList log;
        for (int i = 0; i < 12; ++i)
            log << QStringLiteral("wait 300");
        log << QStringLiteral("sound ") + f.homeFile("ts.wav") << QStringLiteral("wait 300");
        for (int i = 0; i < 6; ++i)
            log << QStringLiteral("wait 300");
        QCOMPARE(f.log, log);
        QVERIFY(std::all_of(f.pause.waitEvents.begin(), f.pause.waitEvents.end(),
                            [](auto e) { return e == platform::Pause::Events::Ignore; }));
        QVERIFY(!mainShownEarly);
        QVERIFY(f.startUp.mainWindow().isVisible());
        QVERIFY(!f.startUp.splash().isVisible());
        QCOMPARE(f.startUp.splash().Label1->text(), QStringLiteral("v 1.2"));
        QVERIFY(!f.startUp.splash().Label3->text().isEmpty());
    }

    void aFrozenSplashWaitsFiveSecondsWithoutAnimationOrSound() {
        StartUpFixture f;
        TempDir::write(f.home.file("Tessaly.ini"), "[General]\r\nFreeze Splash Screen=Yes\r\n");
        f.startUp.run();
        QCOMPARE(f.log, QStringList{QStringLiteral("wait 5000")});
        QVERIFY(f.pause.waitEvents.at(0) == platform::Pause::Events::Process);
        QCOMPARE(visibleFrames(f.startUp.splash()), QString());
        QVERIFY(f.startUp.mainWindow().isVisible());
        QVERIFY(f.startUp.mainWindow().Check4->isChecked());
    }

    void closingTheSplashShowsTheMainWindow() {
        StartUpFixture f;
        TempDir::write(f.home.file("Tessaly.ini"), "[General]\r\nFreeze Splash Screen=Yes\r\n");
        f.pause.onWait = [&](int) {
            f.startUp.splash().close();
            QVERIFY(f.startUp.mainWindow().isVisible());
        };
        f.startUp.run();
        QVERIFY(f.startUp.mainWindow().isVisible());
    }

    void theMascotFlapsAndCallsUnlessSilenced() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QVERIFY(w.Timer3->isActive());
        QCOMPARE(w.Timer3->interval(), 60000);
        EventLog log;
        f.pause.log = &log;
        f.sound.log = &log;
        w.animateMascot();
        QStringList expected{QStringLiteral("sound ") + f.homeFile("can.wav")};
        for (int i = 0; i < 4; ++i)
            expected << QStringLiteral("wait 500") << QStringLiteral("wait 700");
        expected << QStringLiteral("sound ") + f.homeFile("yk.wav") << QStringLiteral("wait 500")
                 << QStringLiteral("sound ") + f.homeFile("can2.wav");
        QCOMPARE(log, expected);
        QVERIFY(!w.Picture12->isHidden());
        QVERIFY(w.Picture13->isHidden());

        TempDir::write(f.home.file("Tessaly.ini"), "[General]\r\nSilence Pelfin=Yes\r\n");
        w.loadOptions();
        QVERIFY(!w.Timer3->isActive());
        w.Check3->click(); // unticked: awake again
        QVERIFY(w.Timer3->isActive());
        QVERIFY(f.ini().find("Silence Pelfin=No") != std::string::npos);
    }

    void endingTheProgramStopsTheMascotMidDance() {
        for (const bool byQuit : {true, false}) {
            WindowFixture f;
            MainWindow& w = *f.window;
            EventLog log;
            f.pause.log = &log;
            f.sound.log = &log;
            // The first wait lets events through: the user ends the program then.
            bool ended = false;
            f.pause.onWait = [&](int) {
                if (std::exchange(ended, true))
                    return;
                if (byQuit)
                    w.SSCommand6->click();
                else
                    w.close();
            };
            w.animateMascot();
            const QStringList expected{QStringLiteral("sound ") + f.homeFile("can.wav"),
                                       QStringLiteral("wait 500")};
            QCOMPARE(log, expected);
            QVERIFY(!w.Picture12->isHidden());
            QVERIFY(w.Picture10->isHidden());
            w.animateMascot(); // a later tick does nothing either
            QCOMPARE(log, expected);
            // Quit's queued request ends no event loop here, so it cannot end a later one.
            QCoreApplication::processEvents();
        }
    }

    void quitEndsTheProgramAtOnce() {
        WindowFixture f;
        f.window->show();
        QTimer::singleShot(0, f.window.get(),
                           [&] { QTest::mouseClick(f.window->SSCommand6, Qt::LeftButton); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(f.prompts.messages.empty());
    }

    void closingTheMainWindowEndsTheProgramWithItsDialogs() {
        WindowFixture f;
        f.window->show();
        QTest::mouseClick(f.window->VideoSoftElastic3, Qt::LeftButton);
        QVERIFY(f.window->addLinkDialog()->isVisible());
        QTimer::singleShot(0, f.window.get(), [&] { f.window->close(); });
        QObject watchdog; // fails the test if closing does not end the program
        QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(f.prompts.messages.empty());
    }

    void shiftRightClickOnTheMascotOpensThePuzzle() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.Picture3, Qt::RightButton);
        QVERIFY(!w.boardPuzzle());
        QTest::mouseClick(w.Picture3, Qt::RightButton, Qt::ShiftModifier);
        QVERIFY(w.boardPuzzle() && w.boardPuzzle()->isVisible());
        QCOMPARE(w.boardPuzzle()->windowTitle(), QStringLiteral("Cool"));
    }

    void puzzleFirstMoveIllegalClickAndEarlyEnd() {
        WindowFixture f;
        tessaly::BoardPuzzleWindow puzzle(f.prompts);
        const auto click = [&](int n) {
            QTest::mouseClick(puzzle.Text1[static_cast<std::size_t>(n)], Qt::LeftButton);
        };
        click(0);
        QCOMPARE(puzzle.Text1[0]->text(), QStringLiteral("1"));
        for (int n = 0; n < 64; ++n) {
            const bool target = n == 6 || n == 10 || n == 15 || n == 17;
            QCOMPARE(puzzle.Text1[static_cast<std::size_t>(n)]->property("dark").toBool(), target);
        }
        QVERIFY(f.prompts.messages.empty());

        click(1); // light
        click(0); // filled
        QCOMPARE(
            f.prompts.messageTexts(),
            QStringList(
                2, QStringLiteral(
                       "Click on the dark squares and try to fill the whole board! (Get 64/64)")));
        QCOMPARE(puzzle.board().moves(), 1);

        QTest::mouseClick(puzzle.Command1, Qt::LeftButton);
        QCOMPARE(puzzle.Text1[0]->text(), QString());
        f.prompts.messages.clear();
        for (int n : {57, 40, 46, 31, 48, 38, 53, 63})
            click(n);
        QCOMPARE(f.prompts.messageTexts(),
                 QStringList{QStringLiteral("Bad luck. Try again. Your score: 8")});
        QCOMPARE(puzzle.Text1[63]->text(), QStringLiteral("8"));
    }

    void onlyTheLeftButtonPlaysASquare() {
        WindowFixture f;
        tessaly::BoardPuzzleWindow puzzle(f.prompts);
        puzzle.show();
        QVERIFY(QTest::qWaitForWindowExposed(&puzzle));
        QLineEdit* square = puzzle.Text1[20];
        QTest::mouseClick(square, Qt::RightButton);
        QTest::mouseClick(square, Qt::MiddleButton);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, square->rect().center(),
                               square->mapToGlobal(square->rect().center()));
        QApplication::sendEvent(square, &menu);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(puzzle.board().moves(), 0);
        QCOMPARE(square->text(), QString());
        QVERIFY(f.prompts.messages.empty());
        // A double click is a press and then a double-click event: one move, not two.
        QTest::mouseClick(square, Qt::LeftButton);
        QTest::mouseDClick(square, Qt::LeftButton);
        QCOMPARE(puzzle.board().moves(), 1);
        QCOMPARE(square->text(), QStringLiteral("1"));
        QVERIFY(f.prompts.messages.empty());
    }

    void puzzleFullTourWins() {
        WindowFixture f;
        tessaly::BoardPuzzleWindow puzzle(f.prompts);
        for (int n : kTour)
            QTest::mouseClick(puzzle.Text1[static_cast<std::size_t>(n)], Qt::LeftButton);
        QCOMPARE(f.prompts.messageTexts(),
                 QStringList{QStringLiteral("Congratulations, you won!")});
        QCOMPARE(puzzle.Text1[61]->text(), QStringLiteral("64"));
    }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
