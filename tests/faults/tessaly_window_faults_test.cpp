// Open in Tessaly's window, with a document that is missing or cannot be read.
#include "tessaly/ui/window_fixture.h"

#include "platform/qt/help_file.h"
#include "platform/qt/sound_player.h"

#include <QPushButton>
#include <QtTest>

#include <chrono>
#include <sys/stat.h>

class TessalyWindowFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void aDocumentThatCannotBeReadSaysSoAndLeavesTheWindowAsItWas() {
        WindowFixture f;
        f.addLinks(2);
        const std::string pipe = f.home.file("pipe.tsy");
        QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
        const std::string big = f.home.file("big.tsy");
        TempDir::write(big, "[Link]\r\n");
        QCOMPARE(::truncate(big.c_str(), off_t{2} << 30), 0);
        for (const std::string& path : {pipe, big, std::string("/dev/zero")}) {
            f.prompts.messages.clear();
            f.prompts.fileAnswers = {FakePrompts::choose(QString::fromStdString(path))};
            const auto start = std::chrono::steady_clock::now();
            QTest::mouseClick(f.window->SSCommand3, Qt::LeftButton);
            QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(1));
            QCOMPARE(f.prompts.messages.size(), std::size_t(1));
            QVERIFY2(f.prompts.messages[0].text.contains(QStringLiteral("cannot be read")),
                     qPrintable(f.prompts.messages[0].text));
            QCOMPARE(f.window->linkCount(), 2);
            QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessaly"));
        }
    }

    void aPipeAsTheHelpFileOrASoundIsNotWaitedOn() {
        TempDir dir;
        const std::string pipe = dir.file("pipe");
        QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
        const auto start = std::chrono::steady_clock::now();
        QVERIFY(platform::HelpFile::load(QString::fromStdString(pipe)).topics().isEmpty());
        QCOMPARE(platform::wavDurationMs(QString::fromStdString(pipe)), -1);
        QCOMPARE(platform::wavDurationMs(QStringLiteral("/dev/zero")), -1);
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(1));
    }

    void aMissingDocumentStillOpensAsANewEmptyOne() {
        WindowFixture f;
        f.addLinks(2);
        const QString path = f.homeFile("new.tsy");
        f.prompts.fileAnswers = {FakePrompts::choose(path)};
        QTest::mouseClick(f.window->SSCommand3, Qt::LeftButton);
        QVERIFY(f.prompts.messages.empty());
        QCOMPARE(f.window->linkCount(), 0);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tessaly - ") + path);
    }
};

QTEST_MAIN(TessalyWindowFaultsTest)
#include "tessaly_window_faults_test.moc"
