// The Options page and Tessaly.ini, and the tool tips it switches on.
#include "window_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <filesystem>

using tessaly::MainWindow;

class WindowOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void loadingTicksBoxesThroughTheirHandlers() {
        WindowFixture f;
        MainWindow& w = *f.window;
        TempDir::write(
            f.home.file("Tessaly.ini"),
            "[General]\r\nShow Tooltips=yes\r\nSilence Pelfin=Yes\r\n"
            "Freeze Splash Screen=Yes\r\n"
            "[File Location]\r\nDefault Directory=/web\r\nDefault Browser=/bin/browse\r\n");
        const std::string before = f.ini();
        QSignalSpy silenced(&w, &MainWindow::silencePelfinChanged);
        w.loadOptions();
        QVERIFY(!w.Check1->isChecked());
        QVERIFY(!w.Check2->isChecked()); // only "Yes" turns it on
        QVERIFY(w.Check3->isChecked());
        QVERIFY(w.Check4->isChecked());
        QCOMPARE(silenced.count(), 1);
        QCOMPARE(silenced.at(0).at(0).toBool(), true);
        QCOMPARE(w.Text7->text(), QStringLiteral("/web"));
        QCOMPARE(w.Text8->text(), QStringLiteral("/bin/browse"));
        QCOMPARE(f.ini(), before); // written back unchanged
    }

    void browsersWithoutJavaIsStoredOnEveryClickAndShapesTheCode() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        TempDir web;
        w.Text7->setText(QString::fromStdString(web.path()));
        TempDir::write(f.home.file("tessaly.js"), "runtime");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.SSTab1->setCurrentIndex(2);
        QCOMPARE(w.Check5->objectName(), QStringLiteral("Check5"));
        QCOMPARE(w.Check5->text(), QStringLiteral("Show in browsers without Java"));
        QVERIFY(w.Check5->isVisible());
        QVERIFY(!w.Check5->isChecked());

        const auto compile = [&] {
            QTest::mouseClick(w.SSCommand5, Qt::LeftButton);
            return QGuiApplication::clipboard()->text();
        };
        QVERIFY(!compile().contains(QStringLiteral("SCRIPT")));
        QVERIFY(!std::filesystem::exists(web.file("tessaly.js")));

        // On its box: the check box answers to clicks on its box and caption only.
        QTest::mouseClick(w.Check5, Qt::LeftButton, {}, QPoint(6, w.Check5->height() / 2));
        QVERIFY(w.Check5->isChecked());
        QCOMPARE(f.ini(), std::string("[General]\r\nBrowsers Without Java=Yes\r\n"));
        const QString code = compile();
        QVERIFY(code.contains(QStringLiteral("<SCRIPT SRC=\"tessaly.js\"></SCRIPT>\r\n"
                                             "This browser is unable to view Java applets.\r\n")));
        QCOMPARE(TempDir::read(web.file("tessaly.js")), std::string("runtime"));

        w.Check5->setFocus();
        QTest::keyClick(w.Check5, Qt::Key_Space);
        QVERIFY(!w.Check5->isChecked());
        QCOMPARE(f.ini(), std::string("[General]\r\nBrowsers Without Java=No\r\n"));
        QVERIFY(!compile().contains(QStringLiteral("SCRIPT")));
    }

    void browsersWithoutJavaLoadsOnlyForTheExactWordYes() {
        for (const char* value : {"Yes", "yes", "No", ""}) {
            WindowFixture f;
            MainWindow& w = *f.window;
            TempDir::write(f.home.file("Tessaly.ini"),
                           std::string("[General]\r\nBrowsers Without Java=") + value + "\r\n");
            const std::string before = f.ini();
            w.loadOptions();
            QCOMPARE(w.Check5->isChecked(), std::string(value) == "Yes");
            QCOMPARE(f.ini(), before);
        }
        WindowFixture missing; // no Tessaly.ini at all
        missing.window->loadOptions();
        QVERIFY(!missing.window->Check5->isChecked());
    }

    void eachOptionGoesToTessalyIniNeverToTheOpenDocument() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const QString doc = f.homeFile("doc.tsy");
        f.prompts.fileAnswers = {FakePrompts::choose(doc), FakePrompts::choose(doc)};
        QTest::mouseClick(w.SSCommand4, Qt::LeftButton);
        QTest::mouseClick(w.SSCommand3, Qt::LeftButton);
        const std::string docBytes = TempDir::read(doc.toStdString());

        w.Check2->click();
        w.Check1->click();
        w.Check1->click();
        QTest::keyClicks(w.Text8, QStringLiteral("ab"));
        QCOMPARE(
            f.ini(),
            std::string("[General]\r\nShow Tooltips=Yes\r\nChoose Browser Before Preview=No\r\n"
                        "[File Location]\r\nDefault Browser=ab\r\n"));
        QCOMPARE(TempDir::read(doc.toStdString()), docBytes);
    }

    void leavingTheDirectoryBoxKeepsOnlyTheDirectory() {
        WindowFixture f;
        MainWindow& w = *f.window;
        const std::string page = f.home.file("index.htm");
        TempDir::write(page, "page");
        w.Text7->setText(QString::fromStdString(page));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w.Text7, &out);
        QCOMPARE(w.Text7->text(), QString::fromStdString(f.home.path()));
        QVERIFY(f.ini().find("Default Directory=" + f.home.path() + "\r\n") != std::string::npos);

        w.Text7->setText(QStringLiteral("C:\\Web\\index.htm"));
        QApplication::sendEvent(w.Text7, &out);
        QCOMPARE(w.Text7->text(), QStringLiteral("C:\\Web"));

        // Switching to another window is not leaving the box: the text stays as typed.
        const std::string before = f.ini();
        w.Text7->setText(QStringLiteral("C:\\Web\\new"));
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(w.Text7, &away);
        QCOMPARE(w.Text7->text(), QStringLiteral("C:\\Web\\new"));
        QCOMPARE(f.ini(), before);
    }

    void browsingPicksADirectoryByAFileNameInIt() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.prompts.fileAnswers = {FakePrompts::choose(QStringLiteral("C:\\ignoreme.txt")),
                                 FakePrompts::choose(f.homeFile("ignoreme.txt"))};
        QTest::mouseClick(w.browseDirectoryButton, Qt::LeftButton);
        const platform::FileDialogRequest& asked = f.prompts.fileRequests.at(0).request;
        QCOMPARE(asked.fileName, QStringLiteral("ignoreme.txt"));
        QCOMPARE(asked.filter, QStringLiteral("HTML files (*.htm)|*.htm"));
        QCOMPARE(w.Text7->text(), QStringLiteral("C:"));
        QVERIFY(f.ini().find("Default Directory=C:\r\n") != std::string::npos);

        QTest::mouseClick(w.browseDirectoryButton, Qt::LeftButton);
        QCOMPARE(w.Text7->text(), QString::fromStdString(f.home.path()));
        QVERIFY(!w.Text7->text().endsWith('/'));

        QTest::mouseClick(w.browseDirectoryButton, Qt::LeftButton); // cancelled
        QCOMPARE(w.Text7->text(), QString::fromStdString(f.home.path()));
    }

    void browsingForTheBrowserOffersProgramFiles() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.prompts.fileAnswers = {FakePrompts::choose(QStringLiteral("/opt/web/browse"))};
        QTest::mouseClick(w.browseBrowserButton, Qt::LeftButton);
        QVERIFY(f.prompts.fileRequests.at(0).request.filter.startsWith(
            QStringLiteral("EXE files (*.exe)|*.exe")));
        QCOMPARE(w.Text8->text(), QStringLiteral("/opt/web/browse"));
        QVERIFY(f.ini().find("Default Browser=/opt/web/browse\r\n") != std::string::npos);
    }

    void smallControlsShowTheirTipsOnlyWithTheOption() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto hover = [](QWidget* widget) {
            QToolTip::hideText();
            const QPoint at = widget->rect().center();
            QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
            QApplication::sendEvent(widget, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        for (QWidget* widget :
             {static_cast<QWidget*>(w.SSCommand9), static_cast<QWidget*>(w.browseBrowserButton),
              static_cast<QWidget*>(w.Picture4)})
            QCOMPARE(hover(widget), QString());
        w.Check2->click();
        QCOMPARE(hover(w.SSCommand9), QStringLiteral("Choose a sound file"));
        QToolTip::hideText();
    }

    void tipsShowOnlyWithTheOptionAndHideOnTheTimer() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(w.SSCommand5, &enter);
        QVERIFY(!w.Label29->isVisible());

        w.Check2->click();
        QApplication::sendEvent(w.SSCommand5, &enter);
        QVERIFY(w.Label29->isVisible());
        QCOMPARE(w.Label29->text(), QStringLiteral("Put the HTML code in the clipboard"));
        QCOMPARE(w.Timer1->interval(), 3000);
        QVERIFY(w.Timer1->isActive());
        const int compileLeft = w.Label29->x();
        QApplication::sendEvent(w.SSCommand3, &enter);
        QVERIFY(w.Label29->x() < compileLeft); // Open stands left of Compile
        QMetaObject::invokeMethod(w.Timer1, "timeout", Qt::DirectConnection);
        QVERIFY(!w.Label29->isVisible());

        QApplication::sendEvent(w.SSCommand2, &enter); // New has no tip
        QVERIFY(!w.Label29->isVisible());
    }

    void everyTipShowsWholeInsideTheWindowBesideItsButton() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.Check2->click();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // At its smallest the window leaves the least room for a tip at its edges.
        for (const QSize size : {w.minimumSizeHint(), QSize(900, 640)}) {
            w.resize(size);
            for (QPushButton* button : {w.SSCommand3, w.SSCommand4, w.SSCommand13, w.SSCommand5,
                                        w.SSCommand6, w.SSCommand7, w.SSCommand1}) {
                w.SSTab1->setCurrentIndex(button == w.SSCommand1 ? 1 : 0);
                QApplication::processEvents();
                QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
                QApplication::sendEvent(button, &enter);
                const QString name = button->objectName();
                QVERIFY2(w.Label29->isVisible(), qPrintable(name));
                QCOMPARE(w.Label29->text(), button->property("tag").toString());
                const QRect tip = w.Label29->geometry();
                const QRect place(button->mapTo(&w, QPoint(0, 0)), button->size());
                QVERIFY2(w.rect().contains(tip), qPrintable(name));
                QVERIFY2(w.Label29->contentsRect().width() >=
                             w.Label29->fontMetrics().horizontalAdvance(w.Label29->text()),
                         qPrintable(name));
                // Right under (or over) the button, overlapping it sideways, not on it.
                const bool under = tip.top() > place.bottom() && tip.top() - place.bottom() <= 4;
                const bool over = tip.bottom() < place.top() && place.top() - tip.bottom() <= 4;
                QVERIFY2(under || over, qPrintable(name));
                QVERIFY2(tip.left() <= place.right() && tip.right() >= place.left(),
                         qPrintable(name));
                // Nothing else of the window lies over it.
                QCOMPARE(w.childAt(tip.center()), static_cast<QWidget*>(w.Label29));
            }
        }
    }
};

QTEST_MAIN(WindowOptionsTest)
#include "window_options_test.moc"
