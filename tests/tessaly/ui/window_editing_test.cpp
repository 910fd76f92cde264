// Link editing on the Links page and the pickers of the Properties page.
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

using tessaly::MainWindow;

class WindowEditingTest : public QObject {
    Q_OBJECT
private slots:
    void freshWindowShowsTheInitialDocument() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QCOMPARE(w.objectName(), QStringLiteral("fMain"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tessaly"));
        QCOMPARE(w.SSTab1->count(), 3);
        QCOMPARE(w.SSTab1->tabText(2), QStringLiteral("Options"));
        QCOMPARE(w.Combo1->currentText(), QStringLiteral("Pull down list"));
        QCOMPARE(w.Combo1->count(), 3);
        QCOMPARE(w.Combo2->currentText(), QStringLiteral("Left"));
        QCOMPARE(w.Combo2->itemText(5), QStringLiteral("Absmiddle"));
        QCOMPARE(w.Combo3->count(), 50);
        QCOMPARE(w.Combo3->currentText(), QStringLiteral("10"));
        QCOMPARE(w.Combo4->currentText(), QStringLiteral("Helvetica"));
        QCOMPARE(w.Combo5->itemText(3), QStringLiteral("Bold+Italic"));
        QCOMPARE(w.Text13->text(), QStringLiteral("H000000"));
        QCOMPARE(w.Text1->text(), QStringLiteral("H808080"));
        QVERIFY(w.Text9->text().isEmpty());
        QCOMPARE(w.documentFromControls().properties, tessaly::AppletProperties::initial());
        QCOMPARE(w.SSCommand3->property("tag").toString(),
                 QStringLiteral("Open an existing Tessaly configuration"));
    }

    void upAndDownMoveWholeLinksAndKeepThemSelected() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(3);
        w.selectLink(1);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 1", "Desc 0", "Desc 2"}));
        QCOMPARE(WindowFixture::rows(w.List2), (QStringList{"url1.htm", "url0.htm", "url2.htm"}));
        QCOMPARE(WindowFixture::rows(w.List3), (QStringList{"frame1", "frame0", "frame2"}));
        QCOMPARE(w.selectedLink(), 0);
        QCOMPARE(w.List3->currentRow(), 0);

        QTest::mouseClick(w.Command1, Qt::LeftButton); // already first
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 1", "Desc 0", "Desc 2"}));

        w.selectLink(2);
        QTest::mouseClick(w.Command2, Qt::LeftButton); // already last
        QCOMPARE(WindowFixture::rows(w.List2), (QStringList{"url1.htm", "url0.htm", "url2.htm"}));
        w.selectLink(0);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 0", "Desc 1", "Desc 2"}));
        QCOMPARE(WindowFixture::rows(w.List3), (QStringList{"frame0", "frame1", "frame2"}));
        QCOMPARE(w.selectedLink(), 1);
    }

    void removeTakesTheSelectedRowFromAllListsAndNothingWithoutOne() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(3);
        QCOMPARE(w.VScroll1->maximum(), 2);
        QTest::mouseClick(w.VideoSoftElastic4, Qt::LeftButton);
        QCOMPARE(w.linkCount(), 3);
        QVERIFY(f.prompts.messages.empty());

        w.selectLink(1);
        QTest::mouseClick(w.VideoSoftElastic4, Qt::LeftButton);
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 0", "Desc 2"}));
        QCOMPARE(WindowFixture::rows(w.List2), (QStringList{"url0.htm", "url2.htm"}));
        QCOMPARE(WindowFixture::rows(w.List3), (QStringList{"frame0", "frame2"}));
        QCOMPARE(w.VScroll1->maximum(), 1);
        QVERIFY(f.prompts.messages.empty());
    }

    void clearAsksFirstAndNoKeepsTheLinks() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(2);
        f.prompts.messageAnswers = {platform::MessageAnswer::No};
        QTest::mouseClick(w.VideoSoftElastic1, Qt::LeftButton);
        QCOMPARE(w.linkCount(), 2);
        QCOMPARE(f.prompts.messages.at(0).text,
                 QStringLiteral("Do you want to clear the whole list?"));
        QCOMPARE(f.prompts.messages.at(0).title, QStringLiteral("Tolvane"));
        QVERIFY(f.prompts.messages.at(0).buttons == platform::MessageButtons::YesNo);

        f.prompts.messageAnswers = {platform::MessageAnswer::Yes};
        QTest::mouseClick(w.VideoSoftElastic1, Qt::LeftButton);
        QCOMPARE(w.List1->count() + w.List2->count() + w.List3->count(), 0);
        QCOMPARE(w.VScroll1->maximum(), 0);
    }

    void theListsAndTheScrollBarSelectTogether() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(40);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect second = w.List2->visualItemRect(w.List2->item(1));
        QTest::mouseClick(w.List2->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(w.List1->currentRow(), 1);
        QCOMPARE(w.List3->currentRow(), 1);
        QCOMPARE(w.VScroll1->value(), 1);

        w.VScroll1->setValue(30);
        QCOMPARE(w.selectedLink(), 30);
        QCOMPARE(w.List2->currentRow(), 30);
        QCOMPARE(w.List3->currentRow(), 30);
        // The three lists show the same rows.
        QCOMPARE(w.List2->verticalScrollBar()->value(), w.List1->verticalScrollBar()->value());
        QCOMPARE(w.List3->verticalScrollBar()->value(), w.List1->verticalScrollBar()->value());

        w.List1->setCurrentRow(5);
        QCOMPARE(w.List3->currentRow(), 5);
        QCOMPARE(w.VScroll1->value(), 5);
    }

    void pullDownListDisablesTheTextColour() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QVERIFY(!w.Text13->isEnabled());
        QVERIFY(!w.Picture4->isEnabled());
        w.Combo1->setCurrentIndex(1);
        QVERIFY(w.Text13->isEnabled());
        QVERIFY(w.Picture4->isEnabled());
        w.Combo1->setCurrentIndex(0);
        QVERIFY(!w.Text13->isEnabled());
        QCOMPARE(w.Text13->text(), QStringLiteral("H000000"));
    }

    void colourPickersWriteHAndTwoDigitsPerChannel() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.Combo1->setCurrentIndex(1);
        f.prompts.colorAnswers = {QColor(0, 255, 0), QColor(10, 0, 171), std::nullopt};
        QTest::mouseClick(w.Picture4, Qt::LeftButton);
        QCOMPARE(w.Text13->text(), QStringLiteral("H00FF00"));
        QTest::mouseClick(w.Picture5, Qt::LeftButton);
        QCOMPARE(w.Text1->text(), QStringLiteral("H0A00AB"));
        QTest::mouseClick(w.Picture5, Qt::LeftButton); // cancelled
        QCOMPARE(w.Text1->text(), QStringLiteral("H0A00AB"));
        QCOMPARE(f.prompts.colorTitles.size(), std::size_t(3));
    }

    void soundPickerAsksForAuFilesAndKeepsTheTextOnCancel() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.prompts.fileAnswers = {FakePrompts::choose(QStringLiteral("/snd/ding.au"))};
        QTest::mouseClick(w.SSCommand9, Qt::LeftButton);
        QCOMPARE(w.Text2->text(), QStringLiteral("/snd/ding.au"));
        const platform::FileDialogRequest& asked = f.prompts.fileRequests.at(0).request;
        QCOMPARE(asked.filter, QStringLiteral("AU files (*.au)|*.au"));
        QCOMPARE(asked.fileName, QStringLiteral("*.au"));
        QVERIFY(!f.prompts.fileRequests.at(0).save);
        QTest::mouseClick(w.SSCommand9, Qt::LeftButton); // cancelled
        QCOMPARE(w.Text2->text(), QStringLiteral("/snd/ding.au"));
    }
};

QTEST_MAIN(WindowEditingTest)
#include "window_editing_test.moc"
