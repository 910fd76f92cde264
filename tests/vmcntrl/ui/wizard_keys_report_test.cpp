#include "editor_fixture.h"

#include "vmcntrl/ui/form3.h"
#include "vmcntrl/ui/form4.h"
#include "vmcntrl/ui/whats_this.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

using platform::MessageAnswer;
using vmcntrl::Form1;
using vmcntrl::Form3;

class WizardKeysReportTest : public QObject {
    Q_OBJECT
private slots:
    void pagesAndButtonStates();
    void firstPreviewIsFittedToItsFrame();
    void urlAndNameChecks();
    void createsDataScriptThroughTheEditor();
    void createsTextScriptWithCgiTagAndUrl();
    void editorSaveFailureKeepsTheWizardOnPageSix();
    void cancelledNewFlowKeepsTheWizardClosed();
    void withoutTemplatesTheScriptHasNoForm();
    void whatsThisOnNextAndBack();
    void rightClickOffersOnlyTheProgramsOwnMenu();
    void keysWindowListsCopiesAndMirrorsTheMenu();
    void reportDescribesTheEditor();
    void reportRefusesAnUnstorableNameOnce();
};

namespace {

struct WizardFixture : EditorFixture {
    WizardFixture() {
        touch("template/0.fm",
              "<!--Guest book-->\r\n<INPUT NAME=\"name\"> <input name=\"email\">\r\n"
              "<INPUT TYPE=\"submit\" NAME=\"submit\">\r\n");
        touch("template/1.fm", "<!--Order-->\r\n<INPUT NAME=\"item\">\r\n");
    }
};

// Runs the wizard from the menu; fn drives it while it is open.
template <typename Fn> void withWizard(Form1& form, Fn fn) {
    whenDialogOpens<Form3>([fn](Form3& wizard) {
        fn(wizard);
        if (wizard.isVisible())
            wizard.reject();
    });
    form.mnuWizard->trigger();
}

void nextTo(Form3& w, int page) {
    while (w.page() < page)
        w.cmdNext->click();
}

} // namespace

void WizardKeysReportTest::pagesAndButtonStates() {
    WizardFixture f;
    Form1& form = f.open();
    withWizard(form, [&](Form3& w) {
        QCOMPARE(w.windowTitle(), QStringLiteral("Vellum Script Wizard"));
        QCOMPARE(w.page(), 0);
        QVERIFY(w.cmdNext->isEnabled() && !w.cmdBack->isEnabled() && !w.cmdFinish->isEnabled());
        QCOMPARE(w.cmdNext->text(), QStringLiteral("  &Next >>  "));
        QCOMPARE(w.Combo1->count(), 2);
        QCOMPARE(w.Combo1->itemText(0), QStringLiteral("Guest book"));
        QCOMPARE(w.PreviewFrame->currentWidget(), w.Image3_1); // no preview picture
        QVERIFY(w.opStyle[1]->isChecked());
        QCOMPARE(w.Text2->text(), QStringLiteral("HTTP://"));
        QVERIFY(!w.Text2->isEnabled());
        for (int page = 1; page <= 5; ++page) {
            w.cmdNext->click();
            QCOMPARE(w.page(), page);
            QVERIFY(w.cmdBack->isEnabled() && w.cmdCancel->isEnabled() &&
                    !w.cmdFinish->isEnabled());
        }
        QCOMPARE(w.focusWidget(), w.Text1);
        for (int page = 4; page >= 0; --page) {
            w.cmdBack->click();
            QCOMPARE(w.page(), page);
        }
        QVERIFY(!w.cmdBack->isEnabled());
        w.cmdNext->click();
        w.cmdNext->click();
        w.cmdNext->click();
        w.Check2->click();
        QVERIFY(w.Text3->isEnabled() && w.Text5->isEnabled() && w.Text6->isEnabled());
        w.Check2->click();
        QVERIFY(!w.Text6->isEnabled());
    });
}

// The preview of the template chosen when the wizard opens fills the frame without spilling
// over it, just as after choosing it again.
void WizardKeysReportTest::firstPreviewIsFittedToItsFrame() {
    WizardFixture f;
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(f.path("template/0.im"), "PNG"));
    Form1& form = f.open();
    withWizard(form, [&](Form3& w) {
        w.cmdNext->click();
        QCOMPARE(w.PreviewFrame->currentWidget(), w.Image3_0);
        const auto fits = [&w] {
            const QSize room = w.PreviewFrame->contentsRect().size();
            const QSize shown = w.Image3_0->pixmap().size();
            return shown.width() <= room.width() && shown.height() <= room.height() &&
                   (shown.width() >= room.width() - 1 || shown.height() >= room.height() - 1);
        };
        QTRY_VERIFY(fits());
        const QPixmap first = w.Image3_0->pixmap();
        for (int index : {1, 0}) {
            w.Combo1->setCurrentIndex(index);
            emit w.Combo1->activated(index);
        }
        QCOMPARE(w.Image3_0->pixmap().size(), first.size());
        QVERIFY(w.PreviewFrame->geometry().bottom() < w.SSTab1->currentWidget()->height());
        w.resize(w.width() + 120, w.height() + 90);
        QTRY_VERIFY(w.Image3_0->pixmap().height() > first.height());
        QVERIFY(fits());
    });
}

void WizardKeysReportTest::urlAndNameChecks() {
    WizardFixture f;
    f.writeIni("[NumTags]\r\nGuest=Guest\r\n[Guest]\r\nOutputStyle=Discard\r\n");
    Form1& form = f.open();
    withWizard(form, [&](Form3& w) {
        nextTo(w, 3);
        w.Option1[1]->click();
        w.cmdNext->click();
        QCOMPARE(f.prompts.messageTexts(), QStringList{"Don't forget to enter a URL!"});
        QCOMPARE(w.page(), 3);
        w.Text2->setText("http://");
        w.cmdNext->click();
        w.cmdNext->click();
        QCOMPARE(w.page(), 5);

        f.prompts.messages.clear();
        w.cmdNext->click(); // empty name: no message
        QVERIFY(f.prompts.messages.empty());
        const std::pair<QString, QString> refused[] = {
            {"Feedback Form", "Script Names should not contain spaces"},
            {"a b.c", "Script Names should not contain spaces"},
            {"feedback.htm", "Script Names should not contain symbols"},
            {"what?", "Script Names should not contain symbols"},
            {QString(33, 'a'), "Script Names should be 32 characters or less"}};
        for (const auto& [name, message] : refused) {
            w.Text1->setText(name);
            w.cmdNext->click();
            QCOMPARE(f.prompts.messageTexts().last(), message);
            QCOMPARE(w.page(), 5);
        }
        w.Text1->setText("GUEST");
        f.prompts.messageAnswers = {MessageAnswer::No};
        w.cmdNext->click();
        QCOMPARE(f.prompts.messages.back().text,
                 QStringLiteral("GUEST already exists.\r\nDo you want to replace it?"));
        QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Script Name"));
        QCOMPARE(w.page(), 5);
        f.prompts.messageAnswers = {MessageAnswer::Yes};
        w.cmdNext->click();
        QCOMPARE(w.page(), 6);
        w.cmdBack->click();
        w.Text1->setText(QString(32, 'a'));
        w.cmdNext->click();
        QCOMPARE(w.page(), 6);
        w.cmdBack->click();
        f.prompts.messages.clear();
        w.Text1->setText(QString(17, QChar(0x00E9))); // 17 letters, 34 bytes
        w.cmdNext->click();
        QVERIFY(f.prompts.messages.empty());
        QCOMPARE(w.page(), 6);
    });
    QVERIFY(f.iniText().find("aaaa") == std::string::npos); // nothing written before page 6
}

void WizardKeysReportTest::createsDataScriptThroughTheEditor() {
    WizardFixture f;
    f.writeIni("[Config]\r\nWinScriptAlias=/scripts/\r\nISAPI=Yes\r\n");
    Form1& form = f.open();
    form.startUp();
    withWizard(form, [&](Form3& w) {
        nextTo(w, 2);
        w.opStyle[2]->click();
        nextTo(w, 4);
        w.Check2->click();
        w.Text3->setText("me@example.com");
        w.Text5->setText("Web site");
        w.Text6->setText("New entry");
        w.cmdNext->click();
        w.Text1->setText("Feedback_Form");
        w.cmdNext->click();
        w.cmdNext->click();
        QCOMPARE(w.page(), 7);
        QVERIFY(!w.cmdNext->isEnabled() && !w.cmdBack->isEnabled() && !w.cmdCancel->isEnabled());
        QVERIFY(w.cmdFinish->isEnabled());
        QCOMPARE(w.ProgressBar1->value(), 100);
        w.cmdFinish->click();
    });
    QCOMPARE(TempDir::read(f.dir.file("FORMS/Feedback_Form.html")),
             std::string(
                 "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">\r\n"
                 "<HTML>\r\n<HEAD>\r\n<TITLE>Feedback_Form</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
                 "<H1></H1>\r\n\r\n"
                 "<FORM METHOD=\"POST\" ACTION=\"/scripts/vellum.dll/Feedback_Form\">\r\n\r\n"
                 "<!--Guest book-->\r\n<INPUT NAME=\"00name\"> <input name=\"01email\">\r\n"
                 "<INPUT TYPE=\"submit\" NAME=\"submit\">\r\n</FORM>\r\n</BODY>\r\n</HTML>\r\n"));
    QCOMPARE(TempDir::read(f.dir.file("SAVED/Feedback_Form.csv")),
             std::string("\"name\",\"email\"\r\n"));
    vmcntrl::VellumIni ini(f.ini());
    const vmcntrl::ScriptRecord r = ini.readScript("Feedback_Form");
    QCOMPARE(QString::fromStdString(r.Form), f.path("FORMS/Feedback_Form.html"));
    QCOMPARE(QString::fromStdString(r.OutputStyle), QStringLiteral("Comma"));
    QCOMPARE(QString::fromStdString(r.Archive), f.path("SAVED/Feedback_Form.csv"));
    QCOMPARE(QString::fromStdString(r.Confirm), QStringLiteral("yes"));
    QCOMPARE(QString::fromStdString(r.SendConf), QStringLiteral("Default"));
    QCOMPARE(QString::fromStdString(r.To), QStringLiteral("me@example.com"));
    QCOMPARE(QString::fromStdString(r.Sender), QStringLiteral("Web site"));
    QCOMPARE(QString::fromStdString(r.Subject), QStringLiteral("New entry"));
    QCOMPARE(form.ComboVell->currentText(), QStringLiteral("Feedback_Form"));
    QVERIFY(!form.dirty());
}

void WizardKeysReportTest::createsTextScriptWithCgiTagAndUrl() {
    WizardFixture f;
    f.writeIni("[Config]\r\nWinScriptAlias=/scripts/\r\nISAPI=No\r\n");
    Form1& form = f.open();
    form.startUp();
    withWizard(form, [&](Form3& w) {
        nextTo(w, 1);
        w.Combo1->setCurrentIndex(1);
        emit w.Combo1->activated(1);
        nextTo(w, 3);
        w.Option1[1]->click();
        w.Text2->setText("http://example.com/thanks.htm");
        nextTo(w, 5);
        w.Text5->setText("ignored without copy");
        w.Text1->setText("Order");
        nextTo(w, 7);
    });
    const std::string html = TempDir::read(f.dir.file("FORMS/Order.html"));
    QVERIFY(html.find("ACTION=\"/scripts/vellum.exe/Order\">\r\n\r\n<!--Order-->\r\n<INPUT "
                      "NAME=\"item\">\r\n") != std::string::npos);
    QCOMPARE(
        TempDir::read(f.dir.file("SAVED/Order.txt")),
        std::string("*Output file for Order script*\r\n*You may remove or change this header*\r\n"
                    "*Submitted Data will be appended to the end of this file*\r\n"));
    vmcntrl::VellumIni ini(f.ini());
    const vmcntrl::ScriptRecord r = ini.readScript("Order");
    QCOMPARE(QString::fromStdString(r.Confirm), QStringLiteral("no"));
    QCOMPARE(QString::fromStdString(r.SendURL), QStringLiteral("http://example.com/thanks.htm"));
    QCOMPARE(QString::fromStdString(r.OutputStyle), QStringLiteral("Text"));
    QVERIFY(r.Sender.empty());
}

void WizardKeysReportTest::editorSaveFailureKeepsTheWizardOnPageSix() {
    WizardFixture f;
    Form1& form = f.open();
    withWizard(form, [&](Form3& w) {
        // An empty URL passes the wizard's own check but stops the editor's Save.
        nextTo(w, 3);
        w.Option1[1]->click();
        w.Text2->clear();
        nextTo(w, 5);
        w.Text1->setText("NoUrl");
        w.cmdNext->click();
        w.cmdNext->click();
        QCOMPARE(f.prompts.messageTexts(), QStringList{"No URL to send the Client!"});
        QCOMPARE(w.page(), 6);
        QVERIFY(w.cmdBack->isEnabled());
        QVERIFY(!w.cmdFinish->isEnabled());
    });
    QVERIFY(!std::filesystem::exists(f.ini()));
}

void WizardKeysReportTest::cancelledNewFlowKeepsTheWizardClosed() {
    WizardFixture f;
    f.writeIni("[NumTags]\r\nA=A\r\n[A]\r\nOutputStyle=Discard\r\n");
    Form1& form = f.open();
    f.pick("A");
    form.TextWinTarget->setText("edited");
    f.prompts.messageAnswers = {MessageAnswer::Cancel};
    form.mnuWizard->trigger(); // no dialog opens, so nothing waits for one
    QVERIFY(!form.cancelled());
    QCOMPARE(form.ComboVell->currentText(), QStringLiteral("A"));
}

void WizardKeysReportTest::withoutTemplatesTheScriptHasNoForm() {
    EditorFixture f; // no template folder contents at all
    Form1& form = f.open();
    withWizard(form, [&](Form3& w) {
        w.cmdNext->click();
        QVERIFY(!w.NoTemplates->isHidden());
        QVERIFY(!w.Combo1->isEnabled());
        nextTo(w, 5);
        w.Text1->setText("Plain");
        nextTo(w, 7);
    });
    vmcntrl::VellumIni ini(f.ini());
    QVERIFY(ini.readScript("Plain").Form.empty());
    QCOMPARE(QString::fromStdString(ini.readScript("Plain").OutputStyle), QStringLiteral("Text"));
    QVERIFY(std::filesystem::is_empty(f.dir.file("FORMS")));
}

void WizardKeysReportTest::whatsThisOnNextAndBack() {
    WizardFixture f;
    Form1& form = f.open();
    Form3 wizard(&form);
    wizard.show();
    wizard.cmdNext->click();
    for (QPushButton* button : {wizard.cmdNext, wizard.cmdBack}) {
        QTest::mouseRelease(button, Qt::RightButton);
        QTRY_VERIFY(wizard.whatsThis()->menu()->isVisible());
        wizard.whatsThis()->action()->trigger();
        wizard.whatsThis()->menu()->hide();
    }
    QCOMPARE(f.help.whatsThisTopics, (std::vector<int>{23, 24}));
}

void WizardKeysReportTest::rightClickOffersOnlyTheProgramsOwnMenu() {
    WizardFixture f;
    f.touch("vellum.hlp", "<topic id=\"21\" title=\"Cancel\">Closes.</topic>"
                          "<topic id=\"23\" title=\"Next\">Goes on.</topic>");
    Form1& form = f.open();
    Form3 wizard(&form);
    wizard.show();
    PopupRecorder popups;
    rightClick(wizard.cmdNext);
    QTRY_VERIFY(!wizard.whatsThis()->menu()->isVisible());
    rightClick(wizard.cmdCancel);
    QTRY_COMPARE(popups.menus, (QList<QStringList>{{"&What's this?"}, {"&What's this?"}}));
    QTRY_VERIFY(!wizard.whatsThis()->menu()->isVisible());
    // The menu key offers the same menu for the focused control.
    const QPoint centre = wizard.cmdNext->rect().center();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, centre,
                              wizard.cmdNext->mapToGlobal(centre));
    QApplication::sendEvent(wizard.cmdNext, &menuKey);
    QCOMPARE(wizard.whatsThis()->target(), wizard.cmdNext);
    QTRY_COMPARE(popups.menus.size(), 3);
}

void WizardKeysReportTest::keysWindowListsCopiesAndMirrorsTheMenu() {
    WizardFixture f;
    Form1& form = f.open();
    form.TextForm->setText(f.touch("FORMS/f.html",
                                   "<title>Keys</title>\r\n"
                                   "<input name=\"00name\"><INPUT NAME=\"~Email\">\r\n"));
    form.OptionAppendDiscrete->click();
    form.mnuTemplateKeys->trigger();
    vmcntrl::Form4* keys = form.templateKeysWindow();
    QVERIFY(keys && keys->isVisible());
    QVERIFY(form.mnuTemplateKeys->isChecked());
    QCOMPARE(keys->windowTitle(), QStringLiteral("Available Template Keys"));
    QCOMPARE(keys->ListVMTags->count(), 12);
    QCOMPARE(keys->ListVMTags->item(0)->text(), QStringLiteral("^name^"));
    QCOMPARE(keys->ListVMTags->item(1)->text(), QStringLiteral("^Email^"));
    QCOMPARE(keys->ListVMTags->item(11)->text(), QStringLiteral("^vmDiscretePage^"));
    QCOMPARE(form.ListTitle->text(), QStringLiteral("Keys"));

    emit keys->ListVMTags->itemDoubleClicked(keys->ListVMTags->item(1));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("^Email^"));
    for (int row : {0, 2, 3})
        keys->ListVMTags->item(row)->setSelected(true);
    keys->Command1->click();
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("^name^\r\n^vmDate^\r\n^vmLongDate^\r\n"));
    keys->ListVMTags->clearSelection();
    keys->Command1->click();
    QCOMPARE(QApplication::clipboard()->text(), QString());

    form.mnuTemplateKeys->trigger();
    QVERIFY(!keys->isVisible());
    QVERIFY(!form.mnuTemplateKeys->isChecked());
    form.findChild<QAction*>("twindow")->trigger();
    QVERIFY(keys->isVisible() && form.mnuTemplateKeys->isChecked());
    keys->Command2->click();
    QVERIFY(!form.mnuTemplateKeys->isChecked());
}

void WizardKeysReportTest::reportDescribesTheEditor() {
    WizardFixture f;
    f.writeIni("[Config]\r\nTextEditor=/bin/ted\r\nWinScriptAlias=/cgi/\r\n");
    Form1& form = f.open();
    form.mnuReport->trigger();
    QCOMPARE(f.prompts.messageTexts(),
             QStringList{"Can't make Report.\nScript has not been saved."});
    QVERIFY(f.starter.starts.empty());

    form.ComboVell->setEditText("Plain");
    form.OptionDiscard->click();
    form.CheckBeepTo->click();
    form.TextBeepTo->setText("a@b");
    form.CheckLtr->click();
    form.TextLtrBody->setText(f.touch("mail/l.txt"));
    form.mnuReport->trigger();
    const std::string report = TempDir::read(f.dir.file("Plain.rpt"));
    QVERIFY(report.starts_with("Report of Plain script.\r\n\r\n"));
    const std::string indent(14, ' ');
    QVERIFY(
        report.find(indent +
                    "Form Tag Syntax: <FORM METHOD=\"POST\" ACTION=\"/cgi/vellum.exe/Plain\">") !=
        std::string::npos);
    QVERIFY(report.find(indent + "No information is saved by this script") != std::string::npos);
    QVERIFY(report.find(indent + "specific information will be sent to: \r\n" + indent +
                        "a@b\r\n") != std::string::npos);
    QVERIFY(report.find("will be mailed back to the user.") != std::string::npos);
    QVERIFY(f.iniText().find("[Plain]") != std::string::npos); // saved first
    QCOMPARE(f.starter.starts.back().program, QStringLiteral("/bin/ted"));
    QCOMPARE(f.starter.starts.back().arguments, QStringList{f.path("Plain.rpt")});
}

void WizardKeysReportTest::reportRefusesAnUnstorableNameOnce() {
    WizardFixture f;
    f.writeIni("[Config]\r\nTextEditor=/bin/ted\r\n");
    Form1& form = f.open();
    form.ComboVell->setEditText("config");
    form.OptionDiscard->click();
    form.mnuReport->trigger();
    QCOMPARE(f.prompts.messages.size(), size_t(1));
    QVERIFY(f.prompts.messageTexts().front().contains("reserved"));
    QVERIFY(!std::filesystem::exists(f.dir.file("config.rpt")));
    QVERIFY(f.starter.starts.empty());
    QCOMPARE(f.iniText(), std::string("[Config]\r\nTextEditor=/bin/ted\r\n"));
}

QTEST_MAIN(WizardKeysReportTest)
#include "wizard_keys_report_test.moc"
