#include "platform/qt/button_keys.h"
#include "platform/qt/help_file.h"
#include "platform/qt/prompts.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/sound_player.h"
#include "platform/qt/twips.h"
#include "support/fake_prompts.h"
#include "support/recording_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

using namespace platform;

// The recording fakes stand in for every service a window uses.
static_assert(!std::is_abstract_v<FakePrompts>);
static_assert(!std::is_abstract_v<RecordingProgramStarter>);
static_assert(!std::is_abstract_v<RecordingSoundPlayer>);
static_assert(!std::is_abstract_v<FakePause>);
static_assert(!std::is_abstract_v<RecordingHelpViewer>);
static_assert(!std::is_abstract_v<FakeDdeClient>);

class QtServicesTest : public QObject {
    Q_OBJECT
private slots:
    void enterPressesTheFocusedButtonInAnyWindow() {
        const ButtonKeys keys;
        for (const bool dialog : {false, true}) {
            std::unique_ptr<QWidget> window(dialog ? new QDialog : new QWidget);
            auto* layout = new QHBoxLayout(window.get());
            auto* other = new QPushButton(QStringLiteral("Other"));
            auto* focused = new QPushButton(QStringLiteral("Focused"));
            layout->addWidget(other);
            layout->addWidget(focused);
            other->setDefault(dialog); // a dialog's default must not take the focused one's Enter
            int otherClicks = 0, focusedClicks = 0;
            connect(other, &QPushButton::clicked, [&] { ++otherClicks; });
            connect(focused, &QPushButton::clicked, [&] { ++focusedClicks; });
            window->show();
            QApplication::setActiveWindow(window.get());
            focused->setFocus();
            QTRY_VERIFY(focused->hasFocus());

            QTest::keyClick(focused, Qt::Key_Return);
            QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(focusedClicks, 2);
            QTest::keyPress(focused, Qt::Key_Return);
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(focused, &held);
            QTest::keyRelease(focused, Qt::Key_Return);
            QCOMPARE(focusedClicks, 3); // a held key presses once
            focused->setEnabled(false);
            other->setFocus();
            QTest::keyClick(other, Qt::Key_Return);
            QCOMPARE(otherClicks, 1);
            QCOMPARE(focusedClicks, 3);
        }
    }

    void windowsShowTheFocusFrameFromTheStart() {
        const auto focusedLook = [](bool withKeys) {
            std::optional<ButtonKeys> keys;
            if (withKeys)
                keys.emplace();
            QWidget window;
            auto* layout = new QHBoxLayout(&window);
            auto* first = new QPushButton(QStringLiteral("First"));
            auto* second = new QPushButton(QStringLiteral("First"));
            layout->addWidget(first);
            layout->addWidget(second);
            window.show();
            QApplication::setActiveWindow(&window);
            first->setFocus();
            QCoreApplication::processEvents();
            if (!first->hasFocus())
                return QStringLiteral("no focus");
            // The same text, one focused: do they look different?
            return QString::fromLatin1(
                first->grab().toImage() == second->grab().toImage() ? "alike" : "framed");
        };
        // The style hides the frame until keys move the focus; our windows show it at once.
        QCOMPARE(focusedLook(false), QStringLiteral("alike"));
        QCOMPARE(focusedLook(true), QStringLiteral("framed"));
    }

    void helpFileFindsNumberedTopicsAndIgnoresTheRest() {
        const auto file = HelpFile::parse(QStringLiteral(
            "<html>ignored<topic id=\"0\" title=\"Contents\"><a href=\"#22\">OK</a></topic>\n"
            "<TOPIC id=\"22\" title=\"The OK button\" keywords=\"accept; confirm\">\n"
            "<p>Saves your <b>changes</b>.</p>\n</topic>"
            "<topic id=\"x\" title=\"not numbered\">skipped</topic><topic id=\"5\" title=\"Open\">"
            "unterminated"));
        QCOMPARE(file.topics().size(), 3);
        QCOMPARE(file.topic(22)->title, QStringLiteral("The OK button"));
        QCOMPARE(file.topic(22)->html, QStringLiteral("<p>Saves your <b>changes</b>.</p>"));
        QCOMPARE(file.topic(5)->html, QStringLiteral("unterminated"));
        QVERIFY(!file.topic(7));
    }

    void helpSearchNeedsEveryWordAndRanksTitlesFirst() {
        const auto file = HelpFile::parse(QStringLiteral(
            "<topic id=\"1\" title=\"Saving\"><p>Keep your changes with the OK button.</p></topic>"
            "<topic id=\"2\" title=\"OK button\"><p>Confirms the changes.</p></topic>"
            "<topic id=\"3\" title=\"Other\" keywords=\"confirm\"><p>Nothing else.</p></topic>"));
        const auto hits = file.search(QStringLiteral("ok CHANGES"));
        QCOMPARE(hits.size(), 2);
        QCOMPARE(hits[0].id, 2);
        QCOMPARE(hits[1].id, 1);
        QCOMPARE(file.search(QStringLiteral("confirm")).size(), 2);
        QVERIFY(file.search(QStringLiteral("   ")).isEmpty());
    }

    void windowsFiltersBecomeQtFilters() {
        QCOMPARE(qtNameFilters(QStringLiteral("Tessaly files (*.tsy)|*.tsy")),
                 QStringList{QStringLiteral("Tessaly files (*.tsy) (*.tsy)")});
        QCOMPARE(qtNameFilters(QStringLiteral("Text|*.txt;*.log")),
                 QStringList{QStringLiteral("Text (*.txt *.log)")});
        QCOMPARE(extensionOfFilter(QStringLiteral("HTML (*.html) (*.html)")),
                 QStringLiteral("html"));
        QCOMPARE(extensionOfFilter(QStringLiteral("All Files (*.*) (*)")), QString());
#ifndef _WIN32
        QCOMPARE(qtNameFilters(QStringLiteral("Programs (*.exe)|*.exe|All Files (*.*)|*.*")),
                 (QStringList{QStringLiteral("Programs (*.exe) (*.exe *)"),
                              QStringLiteral("All Files (*.*) (*)")}));
        QCOMPARE(qtNameFilters(QStringLiteral("HTM files (*.htm)|*.HTM")),
                 QStringList{QStringLiteral("HTM files (*.htm) (*.HTM *.HTML)")});
#endif
    }

    // The real file dialog, driven while it is open: what each filter shows, and the
    // extension a typed name gets.
    void fileDialogsShowLocalFilesAndAddTheFilterExtension() {
        QTemporaryDir dir;
        for (const char* name : {"firefox", "notes.txt", "bookmarks.html", "old.htm"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QtPrompts prompts(QStringLiteral("Test"));
        QStringList shown;
        QStringList described;
        auto runWith = [&](const QString& filter, int index, bool save, const QString& typed) {
            FileDialogRequest request;
            request.filter = filter;
            request.filterIndex = index;
            request.initialDirectory = dir.path();
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
                QVERIFY(list);
                // The folder is read in the background.
                const bool listed = typed.isEmpty() && QTest::qWaitFor([list] {
                                        return list->model()->rowCount(list->rootIndex()) > 0;
                                    });
                shown.clear();
                for (int row = 0; listed && row < list->model()->rowCount(list->rootIndex()); ++row)
                    shown << list->model()->index(row, 0, list->rootIndex()).data().toString();
                shown.sort();
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                described.clear();
                for (int i = 0; types && i < types->count(); ++i)
                    described << types->itemText(i);
                if (typed.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
                static_cast<QDialog*>(dialog)->accept(); // as the Open or Save button does
            });
            return save ? prompts.saveFile(nullptr, request) : prompts.openFile(nullptr, request);
        };
        const QString editorTypes = QStringLiteral(
            "Text (*.txt)|*.txt|HTML (*.html)|*.html|Programs (*.exe)|*.exe|All Files (*.*)|*.*");
#ifndef _WIN32
        runWith(editorTypes, 3, false, QString());
        QVERIFY(shown.contains(QStringLiteral("firefox")));
        QCOMPARE(described, (QStringList{"Text (*.txt)", "HTML (*.html)", "Programs (*.exe)",
                                         "All Files (*.*)"}));
        runWith(editorTypes, 4, false, QString());
        QCOMPARE(shown, (QStringList{"bookmarks.html", "firefox", "notes.txt", "old.htm"}));
        runWith(QStringLiteral("HTM files (*.htm)|*.htm|HTML files (*.html)|*.htm"), 2, false,
                QString());
        QCOMPARE(shown, (QStringList{"bookmarks.html", "old.htm"}));
#endif
        // A new name in a select-or-create dialog, and a saved one, get the extension.
        FileDialogResult created = runWith(editorTypes, 2, false, QStringLiteral("contact"));
        QVERIFY(created.accepted);
        QCOMPARE(created.path, dir.filePath(QStringLiteral("contact.html")));
        FileDialogResult existing = runWith(editorTypes, 3, false, QStringLiteral("firefox"));
        QCOMPARE(existing.path, dir.filePath(QStringLiteral("firefox")));
        FileDialogResult saved =
            runWith(QStringLiteral("Tessaly files (*.tsy)|*.tsy"), 1, true, QStringLiteral("demo"));
        QCOMPARE(saved.path, dir.filePath(QStringLiteral("demo.tsy")));
        saved = runWith(QStringLiteral("Tessaly files (*.tsy)|*.tsy"), 1, true,
                        QStringLiteral("demo.txt"));
        QCOMPARE(saved.path, dir.filePath(QStringLiteral("demo.txt")));
    }

    void secondCopyIsRefusedUntilTheFirstEnds() {
        QTemporaryDir dir;
        auto first = std::make_unique<SingleInstance>(QStringLiteral("prog"), dir.path());
        QVERIFY(first->tryAcquire());
        SingleInstance second(QStringLiteral("prog"), dir.path());
        QVERIFY(!second.tryAcquire());
        first.reset();
        QVERIFY(second.tryAcquire());
    }

    void wavDurationReadsTheHeaderAndRejectsOtherFiles() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.wav"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const quint32 rate = 8000, dataSize = 4000; // half a second of 8-bit mono
        auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
        auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
        f.write("RIFF" + le32(36 + dataSize) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
                le32(rate) + le32(rate) + le16(1) + le16(8) + "data" + le32(dataSize) +
                QByteArray(dataSize, '\x80'));
        f.close();
        QCOMPARE(wavDurationMs(path), 500);
        QCOMPARE(wavDurationMs(dir.filePath(QStringLiteral("missing.wav"))), -1);
        QFile text(dir.filePath(QStringLiteral("t.wav")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a sound at all");
        text.close();
        QCOMPARE(wavDurationMs(text.fileName()), -1);
        QtSoundPlayer().playAndWait(text.fileName()); // silent, returns at once
    }

    void soundCallsLastAsLongAsTheSoundAndNoLonger() {
        // A fake device whose sound plays for `playsMs` of the fake clock (or forever).
        struct FakeOutput : AudioOutput {
            bool device = true;
            qint64 playsMs = 0;
            const FakePause* clock = nullptr;
            qint64 startedAt = -1;
            QStringList started;
            bool available() const override { return device; }
            bool start(const QString& path) override {
                started << path;
                startedAt = clock->nowMs();
                return true;
            }
            bool isPlaying() const override {
                return startedAt >= 0 && (playsMs < 0 || clock->nowMs() - startedAt < playsMs);
            }
        };
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.wav"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const quint32 rate = 8000, dataSize = 4000; // half a second
        auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
        auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
        f.write("RIFF" + le32(36 + dataSize) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) +
                le32(rate) + le32(rate) + le16(1) + le16(8) + "data" + le32(dataSize) +
                QByteArray(dataSize, '\x80'));
        f.close();
        const auto waited = [&](bool device, qint64 playsMs, const QString& file) {
            FakePause pause;
            FakeOutput output;
            output.device = device;
            output.playsMs = playsMs;
            output.clock = &pause;
            QtSoundPlayer(output, pause).playAndWait(file);
            for (auto e : pause.waitEvents)
                if (e != Pause::Events::Process)
                    return qint64(-1);
            return pause.now;
        };
        QCOMPARE(waited(true, 500, path), qint64(500)); // as long as the sound
        QCOMPARE(waited(true, 200, path), qint64(200)); // it ended early
        QCOMPARE(waited(true, -1, path), qint64(500));  // the device never says it ended
        QCOMPARE(waited(false, 500, path), qint64(0));  // no audio device: at once
        QCOMPARE(waited(true, 500, dir.filePath(QStringLiteral("none.wav"))), qint64(0));
    }

    void twipsFollowTheLogicalResolution() {
        QCOMPARE(twipsToPixels(1440, 96), 96);
        QCOMPARE(pixelsToTwips(96, 96), 1440);
        QCOMPARE(twipsToPixels(720, 120), 60);
        QCOMPARE(pixelsToTwips(10, 0), 0);
    }
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
