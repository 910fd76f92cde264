// The add-link dialog and the bookmark import, driven through the main window.
#include "window_fixture.h"

#include "tessaly/ui/add_link_dialog.h"
#include "tessaly/ui/folder_picture.h"
#include "tessaly/ui/import_dialog.h"

#include "platform/qt/button_keys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

using tessaly::AddLinkDialog;
using tessaly::ImportDialog;
using tessaly::MainWindow;

namespace {
// A browser's export, trimmed: DOCTYPE, title, folders, headings, attributes and an
// unquoted value, in upper and mixed case.
const char* const kExport =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file. -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>Bookmarks</TITLE>\n"
    "<H1>Bookmarks</H1>\n"
    "<DL><p>\n"
    "    <DT><H3 ADD_DATE=\"1\" LAST_MODIFIED=\"2\">Work</H3>\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"http://example.com/a\" ADD_DATE=\"3\" "
    "ICON=\"data:image/png;base64,iVBO\">Alpha</A>\n"
    "        <DT><a Href=\"http://example.com/b\">Beta &amp; Co</a>\n"
    "    </DL><p>\n"
    "    <DT><A HREF=\"one.htm\">One</A> <A HREF=\"two.htm\">Two</A>\n"
    "    <DT><A HREF=http://example.com/c\">Unquoted</A>\n"
    "</DL><p>\n";
} // namespace

class LinkEntryTest : public QObject {
    Q_OBJECT
private slots:
    void folderPictureTipsFollowShowTooltips() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.openAddLink();
        w.openImport();
        const auto hover = [](QWidget* widget) {
            QToolTip::hideText();
            const QPoint at = widget->rect().center();
            QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
            QApplication::sendEvent(widget, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(hover(w.addLinkDialog()->Picture1), QString());
        QCOMPARE(hover(w.importDialog()->Picture1), QString());
        w.Check2->click();
        QCOMPARE(hover(w.addLinkDialog()->Picture1),
                 QStringLiteral("Link to a page on this computer"));
        QCOMPARE(hover(w.importDialog()->Picture1), QStringLiteral("Choose the bookmark file"));
        QToolTip::hideText();
    }

    void severalAddsInARowAppendAndSelectEach() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(1);
        QTest::mouseClick(w.VideoSoftElastic3, Qt::LeftButton);
        AddLinkDialog* d = w.addLinkDialog();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("Tessaly - Add"));
        QCOMPARE(d->Command1->text(), QStringLiteral("&Add"));
        QCOMPARE(d->Combo1->currentText(), QString()); // starts empty, not "_self"
        QCOMPARE(d->Combo1->count(), 3);

        for (const char* name : {"a", "b"}) {
            d->Text1->setText(QStringLiteral("%1.htm").arg(name));
            d->Text2->setText(QString::fromLatin1(name).toUpper());
            d->Combo1->setEditText(QStringLiteral("_top"));
            QTest::mouseClick(d->Command1, Qt::LeftButton);
            QCOMPARE(w.selectedLink(), w.linkCount() - 1);
            QCOMPARE(w.VScroll1->maximum(), w.linkCount() - 1);
            QVERIFY(d->isVisible());
        }
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 0", "A", "B"}));
        QCOMPARE(WindowFixture::rows(w.List2), (QStringList{"url0.htm", "a.htm", "b.htm"}));
        QCOMPARE(WindowFixture::rows(w.List3), (QStringList{"frame0", "_top", "_top"}));
        QCOMPARE(d->Text2->text(), QStringLiteral("B")); // fields kept

        d->Text1->clear();
        d->Text2->clear();
        d->Combo1->setEditText(QString());
        QTest::mouseClick(d->Command1, Qt::LeftButton); // nothing is validated
        QCOMPARE(w.linkCount(), 4);
        QCOMPARE(w.List2->item(3)->text(), QString());
    }

    void modifyThenUpdateReplacesTheRowInPlace() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(3);
        QTest::mouseClick(w.VideoSoftElastic2, Qt::LeftButton); // nothing selected
        QVERIFY(!w.addLinkDialog());

        w.selectLink(1);
        QTest::mouseClick(w.VideoSoftElastic2, Qt::LeftButton);
        AddLinkDialog* d = w.addLinkDialog();
        QCOMPARE(d->windowTitle(), QStringLiteral("Tessaly - Modify"));
        QCOMPARE(d->Command1->text(), QStringLiteral("&Update"));
        QCOMPARE(d->Text2->text(), QStringLiteral("Desc 1"));
        QCOMPARE(d->Text1->text(), QStringLiteral("url1.htm"));
        QCOMPARE(d->Combo1->currentText(), QStringLiteral("frame1"));
        d->Text2->setText(QStringLiteral("Changed"));
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 0", "Changed", "Desc 2"}));
        QCOMPARE(WindowFixture::rows(w.List3), (QStringList{"frame0", "frame1", "frame2"}));
        QCOMPARE(w.selectedLink(), 1);

        w.List1->clearSelection();
        w.List1->setCurrentRow(-1);
        d->Text2->setText(QStringLiteral("Lost"));
        QTest::mouseClick(d->Command1, Qt::LeftButton); // no row: nothing to update
        QCOMPARE(WindowFixture::rows(w.List1), (QStringList{"Desc 0", "Changed", "Desc 2"}));
    }

    void enterMovesOnAndGrowsTheTargetList() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.show();
        QTest::mouseClick(w.VideoSoftElastic3, Qt::LeftButton);
        AddLinkDialog* d = w.addLinkDialog();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        d->Text1->setFocus();
        QTest::keyClick(d->Text1, Qt::Key_Return);
        QTRY_VERIFY(d->Text2->hasFocus());
        QTest::keyClick(d->Text2, Qt::Key_Return);
        QTRY_VERIFY(d->Command1->hasFocus());

        // Enter on the focused Add button adds the link, as the program's windows all do.
        const platform::ButtonKeys buttonKeys;
        d->Text1->setText(QStringLiteral("http://example.com/"));
        d->Text2->setText(QStringLiteral("Example"));
        QTest::keyClick(d->Command1, Qt::Key_Return);
        QCOMPARE(WindowFixture::rows(w.List1), QStringList{"Example"});

        d->Combo1->setFocus();
        d->Combo1->setEditText(QStringLiteral("_blank"));
        QTest::keyClick(d->Combo1, Qt::Key_Return);
        QCOMPARE(d->Combo1->count(), 3);
        QVERIFY(d->Combo1->hasFocus());

        d->Combo1->setEditText(QStringLiteral("main"));
        QTest::keyClick(d->Combo1, Qt::Key_Return);
        QCOMPARE(d->Combo1->count(), 4);
        QCOMPARE(d->Combo1->itemText(3), QStringLiteral("main"));
        QTRY_VERIFY(d->Command1->hasFocus());
    }

    void thePictureTakesALocalPageByNameOnly() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.VideoSoftElastic3, Qt::LeftButton);
        AddLinkDialog* d = w.addLinkDialog();
        f.prompts.fileAnswers = {FakePrompts::choose(QStringLiteral("C:\\Web\\pages\\news.htm"))};
        emit d->Picture1->clicked();
        QCOMPARE(d->Text1->text(), QStringLiteral("news.htm"));
        QCOMPARE(f.prompts.fileRequests.at(0).request.filter,
                 QStringLiteral("HTML files (*.htm)|*.htm"));
        emit d->Picture1->clicked(); // cancelled
        QCOMPARE(d->Text1->text(), QStringLiteral("news.htm"));

        QTest::mouseClick(d->Command3, Qt::LeftButton);
        QCOMPARE(f.help.calls,
                 QStringList{QStringLiteral("topic %1 5").arg(f.homeFile("Tessaly.hlp"))});
        d->close(); // the close box unloads it
        QTRY_VERIFY(!w.addLinkDialog());
    }

    void importAppendsABrowserExportWithTheChosenTarget() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.addLinks(1);
        const std::string file = f.home.file("bookmarks.htm");
        TempDir::write(file, kExport);
        QTest::mouseClick(w.command6, Qt::LeftButton);
        ImportDialog* d = w.importDialog();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->windowTitle(), QStringLiteral("Tessaly - Import"));
        QCOMPARE(d->Combo1->currentText(), QStringLiteral("_self"));
        QVERIFY(d->Command1->isEnabled());

        f.prompts.fileAnswers = {FakePrompts::choose(QString::fromStdString(file))};
        emit d->Picture1->clicked();
        QCOMPARE(f.prompts.fileRequests.at(0).request.filter,
                 QStringLiteral(
                     "HTM files (*.htm)|*.htm|HTML files (*.html)|*.htm|All files (*.htm)|*.*"));
        d->Combo1->setEditText(QStringLiteral("_blank"));
        QTest::mouseClick(d->Command1, Qt::LeftButton);

        QCOMPARE(WindowFixture::rows(w.List1),
                 (QStringList{"Desc 0", "Alpha", "Beta &amp; Co", "One Two", "Unquoted"}));
        QCOMPARE(WindowFixture::rows(w.List2),
                 (QStringList{"url0.htm", "http://example.com/a", "http://example.com/b", "one.htm",
                              "ttp://example.com/c"}));
        QCOMPARE(WindowFixture::rows(w.List3),
                 (QStringList{"frame0", "_blank", "_blank", "_blank", "_blank"}));
        QCOMPARE(w.VScroll1->maximum(), 4);
        QCOMPARE(w.selectedLink(), 0);
        QVERIFY(!d->isVisible());
        QVERIFY(f.prompts.messages.empty());
    }

    void importAsksAgainForAMissingFile() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.command6, Qt::LeftButton);
        ImportDialog* d = w.importDialog();
        d->Text1->setText(f.homeFile("gone.htm"));
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        QCOMPARE(f.prompts.messageTexts(), QStringList{QStringLiteral("Re-select bookmark file.")});
        QVERIFY(d->isVisible());
        QCOMPARE(w.linkCount(), 0);
        d->Text1->clear();
        QVERIFY(!d->Command1->isEnabled());
    }

    void importEnterAddsANewTarget() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.command6, Qt::LeftButton);
        ImportDialog* d = w.importDialog();
        w.show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        d->Combo1->setFocus();
        d->Combo1->setEditText(QStringLiteral("_top"));
        QTest::keyClick(d->Combo1, Qt::Key_Return);
        QCOMPARE(d->Combo1->count(), 3);
        QVERIFY(d->Combo1->hasFocus());
        d->Combo1->setEditText(QStringLiteral("content"));
        QTest::keyClick(d->Combo1, Qt::Key_Return);
        QCOMPARE(d->Combo1->count(), 4);
        // As in the add-link dialog, a new target moves on to the button that uses it.
        QTRY_VERIFY(d->Command1->hasFocus());
    }

    void dialogControlsCarryTheirDesignNamesAndTexts() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QTest::mouseClick(w.VideoSoftElastic3, Qt::LeftButton);
        QTest::mouseClick(w.command6, Qt::LeftButton);
        const auto text = [](QWidget* window, const char* name) {
            auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
            return label ? label->text() : QStringLiteral("(missing)");
        };
        AddLinkDialog* add = w.addLinkDialog();
        QCOMPARE(text(add, "Label1"),
                 QStringLiteral("Insert a description and a simple URL (hypertext link)."));
        QCOMPARE(text(add, "Label2"), QStringLiteral("URL"));
        QCOMPARE(text(add, "Label3"), QStringLiteral("Description"));
        QCOMPARE(text(add, "Label4"), QStringLiteral("Target"));
        QCOMPARE(add->Label4, add->findChild<QLabel*>(QStringLiteral("Label4")));

        ImportDialog* import = w.importDialog();
        QCOMPARE(text(import, "Label1"), QStringLiteral("Default frame target"));
        QCOMPARE(text(import, "Label2"),
                 QStringLiteral("Enter or Select the frame name that will be common for each "
                                "bookmark. You may change selected bookmarks later."));
        QCOMPARE(text(import, "Label3"), QStringLiteral("HTML file"));
        QCOMPARE(import->Label3, import->findChild<QLabel*>(QStringLiteral("Label3")));
    }
};

QTEST_MAIN(LinkEntryTest)
#include "link_entry_test.moc"
