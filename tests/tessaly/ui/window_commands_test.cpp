// The commands of the button row: Open, Save, Compile, Preview, Help, New, Create.
#include "window_fixture.h"

#include "tessaly/generator/applet_generator.h"
#include "tessaly/generator/browser_preview.h"
#include "tessaly/ui/browser_chooser.h"
#include "tessaly/ui/button_maker.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using tessaly::MainWindow;

namespace {
QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
} // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenBringsTheDocumentBack() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(3);
        w.List3->item(1)->setText(QString());
        w.Combo1->setCurrentIndex(2);
        w.Text6->setText(QStringLiteral("  My title  "));
        w.Text9->setText(QStringLiteral("400"));
        const QString path = f.homeFile("links.tsy");
        f.prompts.fileAnswers = {FakePrompts::choose(path)};
        QTest::mouseClick(w.SSCommand4, Qt::LeftButton);
        const platform::FileDialogRequest& asked = f.prompts.fileRequests.at(0).request;
        QVERIFY(f.prompts.fileRequests.at(0).save);
        QVERIFY(asked.confirmOverwrite);
        QCOMPARE(asked.filter, QStringLiteral("Tessaly files (*.tsy)|*.tsy"));
        QCOMPARE(asked.fileName, QStringLiteral("*.tsy"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaly - ") + path);
        const tessaly::Document saved = w.documentFromControls();

        WindowFixture other;
        other.prompts.fileAnswers = {FakePrompts::choose(path)};
        QTest::mouseClick(other.window->SSCommand3, Qt::LeftButton);
        QVERIFY(!other.prompts.fileRequests.at(0).save);
        QCOMPARE(other.window->windowTitle(), QStringLiteral("Tessaly - ") + path);
        QCOMPARE(other.window->documentFromControls(), saved);
        QCOMPARE(other.window->VScroll1->maximum(), 2);
        QCOMPARE(other.window->selectedLink(), 0);
        QCOMPARE(other.window->Text6->text(), QStringLiteral("  My title  "));
    }

    void openShowsAnyTextAndEmptiesMissingKeys() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const std::string path = f.home.file("odd.tsy");
        TempDir::write(path, "[Properties]\r\nLink Type=Marquee\r\nFont Size=99\r\n");
        f.prompts.fileAnswers = {FakePrompts::choose(QString::fromStdString(path))};
        QTest::mouseClick(w.SSCommand3, Qt::LeftButton);
        QCOMPARE(w.linkCount(), 0);
        QCOMPARE(w.Combo1->currentText(), QStringLiteral("Marquee"));
        QCOMPARE(w.Combo3->currentText(), QStringLiteral("99"));
        QCOMPARE(w.Combo5->currentText(), QString()); // missing: empty, not "Normal"
        QCOMPARE(w.Text13->text(), QString());
    }

    void cancellingOpenOrSaveChangesNothing() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        QTest::mouseClick(w.SSCommand3, Qt::LeftButton);
        QTest::mouseClick(w.SSCommand4, Qt::LeftButton);
        QCOMPARE(w.linkCount(), 2);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaly"));
        QVERIFY(f.prompts.messages.empty());
    }

    void aFailedSaveSaysSoAndKeepsTheEarlierFile() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const std::string folder = f.home.file("locked");
        std::filesystem::create_directory(folder);
        const std::string path = folder + "/doc.tsy";
        TempDir::write(path, "old");
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
        f.prompts.fileAnswers = {FakePrompts::choose(QString::fromStdString(path))};
        QTest::mouseClick(w.SSCommand4, Qt::LeftButton);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        QCOMPARE(f.prompts.messages.size(), std::size_t(1));
        QVERIFY(f.prompts.messages[0].text.startsWith(
            QStringLiteral("The document could not be saved")));
        QCOMPARE(TempDir::read(path), std::string("old"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaly"));
    }

    void compileNeedsTwoLinksThenFillsTheClipboard() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        f.addLinks(1);
        QTest::mouseClick(w.SSCommand5, Qt::LeftButton);
        QCOMPARE(f.prompts.messageTexts(), QStringList{text(tessaly::kTooFewLinksMessage)});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(w.Text9->text().isEmpty());

        f.addLinks(1);
        TempDir web;
        w.Text7->setText(QString::fromStdString(web.path()));
        TempDir::write(f.home.file("framer.class"), "class");
        QTest::mouseClick(w.SSCommand5, Qt::LeftButton);
        QCOMPARE(f.prompts.messages.back().text, text(tessaly::kCodePlacedMessage));
        const QString code = QGuiApplication::clipboard()->text();
        QVERIFY(
            code.startsWith(QStringLiteral("<APPLET CODE=\"multdesc\" WIDTH=310 HEIGHT=60\r\n")));
        QVERIFY(code.contains(QStringLiteral("VALUE=\"url0.htm, url0.htm\"")));
        QCOMPARE(w.Text9->text(), QStringLiteral("310"));
        QCOMPARE(w.Text14->text(), QStringLiteral("50"));
        QCOMPARE(TempDir::read(web.file("framer.class")), std::string("class"));
    }

    void compileRefusesALinkTypeWithoutApplet() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        w.Combo1->setEditText(QStringLiteral("Marquee"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(w.SSCommand5, Qt::LeftButton);
        QCOMPARE(f.prompts.messageTexts(), QStringList{text(tessaly::kUnknownLinkTypeMessage)});
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(w.Text9->text().isEmpty());
    }

    void previewNamesWhatIsMissing() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton); // no links, no browser
        QCOMPARE(f.prompts.messageTexts(), QStringList{text(tessaly::kNoBrowserMessage)});

        const QString browser = f.homeFile("browse.exe");
        TempDir::write(browser.toStdString(), "");
        f.addLinks(1);
        w.Text8->setText(browser);
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        QCOMPARE(f.prompts.messages.back().text, text(tessaly::kTooFewLinksMessage));
        QVERIFY(f.starter.starts.empty());
    }

    void previewWithoutAStoredBrowserGoesToTheOptions() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const QString browser = f.homeFile("browse.exe");
        TempDir::write(browser.toStdString(), "");
        w.Text8->blockSignals(true); // shown, but never stored
        w.Text8->setText(browser);
        w.Text8->blockSignals(false);
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        QCOMPARE(f.prompts.messageTexts(),
                 QStringList{text(tessaly::kDefaultBrowserNotFoundMessage)});
        QCOMPARE(w.SSTab1->currentIndex(), 2);
        QVERIFY(f.starter.starts.empty());
    }

    void previewStartsTheBrowserMaximisedWhenNoneAnswers() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        TempDir web;
        const QString browser = f.homeFile("browse.v2.exe");
        TempDir::write(browser.toStdString(), "");
        w.Text8->setText(browser);
        w.Text7->setText(QString::fromStdString(web.path()));
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);

        const std::string page = web.file("~tsly.htm");
        const std::string clipboard = QGuiApplication::clipboard()->text().toStdString();
        QVERIFY(clipboard.rfind("<APPLET CODE=", 0) == 0); // the code, not the page
        QCOMPARE(TempDir::read(page), tessaly::previewFileBytes(clipboard));
        QCOMPARE(f.dde.requests.size(), std::size_t(1));
        QCOMPARE(f.dde.requests[0].application, QStringLiteral("browse"));
        QCOMPARE(f.dde.requests[0].topic, QStringLiteral("WWW_ShowFile"));
        QCOMPARE(f.dde.requests[0].item, QString::fromStdString(page) + ",text/html,-1,");
        QCOMPARE(f.starter.starts.size(), std::size_t(1));
        QCOMPARE(f.starter.starts[0].program, browser);
        QCOMPARE(f.starter.starts[0].arguments, QStringList{QString::fromStdString(page)});
        QVERIFY(f.starter.starts[0].state == platform::WindowState::Maximized);
        QVERIFY(f.prompts.messages.empty());
    }

    void previewSaysSoWhenItsPageCannotBeWritten() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const QString browser = f.homeFile("browse.exe");
        TempDir::write(browser.toStdString(), "");
        w.Text8->setText(browser);
        const std::string folder = f.home.file("locked");
        std::filesystem::create_directory(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
        w.Text7->setText(QString::fromStdString(folder));
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        QCOMPARE(f.prompts.messages.size(), std::size_t(1));
        QVERIFY(f.prompts.messages[0].text.startsWith(
            QStringLiteral("The preview page %1/~tsly.htm could not be written.")
                .arg(QString::fromStdString(folder))));
        QVERIFY(f.starter.starts.empty());
        QVERIFY(f.dde.requests.empty());
    }

    void previewTalksToARunningBrowser() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const QString browser = f.homeFile("netscape.exe");
        TempDir::write(browser.toStdString(), "");
        w.Text8->setText(browser);
        w.Text7->setText(QStringLiteral("no-such-folder-here"));
        f.dde.replies = {{0, QStringLiteral("\x07")}, {0, QString()}};
        const QString oldCwd = QDir::currentPath();
        QDir::setCurrent(f.homeFile(""));
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        QDir::setCurrent(oldCwd);
        QVERIFY(f.starter.starts.empty());
        QCOMPARE(f.dde.requests.size(), std::size_t(2));
        QCOMPARE(f.dde.requests[0].item, QStringLiteral("~tsly.htm,text/html,-1,"));
        QCOMPARE(f.dde.requests[1].topic, QStringLiteral("WWW_Activate"));
        QCOMPARE(f.dde.requests[1].item, QStringLiteral("7,0"));
        QVERIFY(!TempDir::read(f.home.file("~tsly.htm")).empty()); // current directory
    }

    void theBrowserChooserPicksTheBrowserOrEndsThePreview() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        const QString browser = f.homeFile("first.exe");
        const QString other = f.homeFile("second.exe");
        TempDir::write(browser.toStdString(), "");
        TempDir::write(other.toStdString(), "");
        TempDir::write(f.home.file("Tessaly.ini"),
                       "[Browsers]\r\n 1=" + other.toStdString() + "\r\n");
        w.loadOptions();
        w.Text8->setText(browser);
        w.Text7->setText(QString::fromStdString(f.home.path()));
        w.Check1->click();
        const QString installed = f.homeFile("installed-browser");
        w.browserChooser->setSystemBrowserFinder([&] { return QStringList{installed, browser}; });

        QStringList offered;
        QTimer::singleShot(0, [&] {
            offered = WindowFixture::rows(w.browserChooser->browserList);
            QTest::mouseClick(w.browserChooser->okButton, Qt::LeftButton);
        });
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        // The Browsers list, the default browser, then what this system has (once each).
        QCOMPARE(offered, (QStringList{other, browser, installed}));
        QCOMPARE(f.starter.starts.size(), std::size_t(1));
        QCOMPARE(f.starter.starts[0].program, other); // the last listed was preselected

        QTimer::singleShot(
            0, [&] { QTest::mouseClick(w.browserChooser->cancelButton, Qt::LeftButton); });
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        QCOMPARE(f.starter.starts.size(), std::size_t(1));
        QVERIFY(!QGuiApplication::clipboard()->text().isEmpty()); // generated all the same

        // "Browse..." picks any program for this one preview and writes nothing.
        const std::string iniBefore = f.ini();
        const QString picked = f.homeFile("picked-browser");
        TempDir::write(picked.toStdString(), "");
        f.prompts.fileAnswers = {FakePrompts::choose(picked)};
        QTimer::singleShot(
            0, [&] { QTest::mouseClick(w.browserChooser->browseButton, Qt::LeftButton); });
        QTest::mouseClick(w.SSCommand1, Qt::LeftButton);
        QCOMPARE(f.starter.starts.size(), std::size_t(2));
        QCOMPARE(f.starter.starts[1].program, picked);
        QCOMPARE(f.ini(), iniBefore);
        QCOMPARE(w.Text8->text(), browser);
    }

    void theCompileMessageShowsItsThreeLinesAsThreeLines() {
        // The real message box, on a window that is otherwise the fixture's.
        WindowFixture f;
        platform::QtPrompts prompts(QStringLiteral("Tessaly"));
        MainWindow w(tessaly::Services{prompts, f.starter, f.dde, f.help, f.sound, f.pause,
                                       QString::fromStdString(f.home.path())});
        w.appendLink(QStringLiteral("One"), QStringLiteral("a.htm"), QString());
        w.appendLink(QStringLiteral("Two"), QStringLiteral("b.htm"), QString());
        w.Text7->setText(QString::fromStdString(f.home.path()));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QStringList lines = text(tessaly::kCodePlacedMessage).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        int labelWidth = 0, labelHeight = 0, longest = 0, lineSpacing = 0;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            labelWidth = label->contentsRect().width();
            labelHeight = label->contentsRect().height();
            const QFontMetrics metrics = label->fontMetrics();
            for (const QString& line : lines)
                longest = qMax(longest, metrics.horizontalAdvance(line));
            lineSpacing = metrics.lineSpacing();
            box->accept();
        });
        QTest::mouseClick(w.SSCommand5, Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY2(
            labelWidth >= longest,
            qPrintable(
                QStringLiteral("label %1 px, longest line %2 px").arg(labelWidth).arg(longest)));
        QVERIFY2(labelHeight < 4 * lineSpacing,
                 qPrintable(QStringLiteral("label %1 px high, a line %2 px")
                                .arg(labelHeight)
                                .arg(lineSpacing)));
    }

    void helpNewAndCreate() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.SSCommand7, Qt::LeftButton);
        QCOMPARE(f.help.calls,
                 QStringList{QStringLiteral("contents ") + f.homeFile("Tessaly.hlp")});
        QTest::mouseClick(w.SSCommand2, Qt::LeftButton);
        QCOMPARE(f.prompts.messageTexts(), QStringList{QStringLiteral("Not implemented")});

        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.SSCommand13, Qt::LeftButton);
        QCOMPARE(w.tabArea->currentWidget(), static_cast<QWidget*>(w.buttonMaker));
        w.Text7->setText(QString::fromStdString(f.home.path()));
        w.buttonMaker->captionText->setText(QStringLiteral("Next"));
        w.buttonMaker->fileNameText->setText(QStringLiteral("next"));
        QTest::mouseClick(w.buttonMaker->saveButton, Qt::LeftButton);
        const QImage saved(f.homeFile("next.png"));
        QCOMPARE(saved.size(), QSize(120, 32));
        QCOMPARE(
            f.prompts.messages.back().text,
            QStringLiteral("The button image has been saved as %1.").arg(f.homeFile("next.png")));
        QTest::mouseClick(w.buttonMaker->backButton, Qt::LeftButton);
        QCOMPARE(w.tabArea->currentWidget(), static_cast<QWidget*>(w.SSTab1));
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
