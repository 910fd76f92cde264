#include "editor_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using vmcntrl::Form1;

class EditorLoadSaveTest : public QObject {
    Q_OBJECT
private slots:
    void startsUntitledWithTemplateSaving();
    void loadingEachSaveStyleShowsItsControls();
    void loadingReportsMissingFilesInOrder();
    void loadingSetsResponseAndMailOptions();
    void formTitleComesFromTheFormFile();
    void saveChecksStopWithMessageTabAndFocus_data();
    void saveChecksStopWithMessageTabAndFocus();
    void successfulSaveWritesTheScriptAndReloads();
    void emptyNameQuestionWritesNothing();
    void unstorableNameIsRefused();
    void failedWriteIsReportedAndStaysDirty();
    void optionRulesAfterClicks();
    void newClearsToUntitled();
    void browseButtonsWriteSkeletonsAndStartEditors();
    void editChoosesEditorByEnding();
    void statusHintsFollowFocusAndMouse();
};

namespace {
const char* kScriptHead = "[NumTags]\r\nOrder=Order\r\n[Order]\r\n";
}

void EditorLoadSaveTest::startsUntitledWithTemplateSaving() {
    EditorFixture f;
    f.writeIni("[NumTags]\r\nOne=One\r\nTwo=Two\r\n");
    Form1& form = f.open();
    QCOMPARE(form.windowTitle(), QStringLiteral("Vellum Control Panel (Untitled)"));
    QCOMPARE(form.Label3->text(), QStringLiteral(" (Untitled)"));
    QCOMPARE(form.ComboVell->count(), 2);
    QCOMPARE(form.ComboVell->currentText(), QString());
    QVERIFY(form.OptionPlnHtm->isChecked());
    QVERIFY(form.OptionAppendTop->isChecked());
    QVERIFY(!form.dirty());
}

void EditorLoadSaveTest::loadingEachSaveStyleShowsItsControls() {
    EditorFixture f;
    const QString out = f.touch("SAVED/out.txt");
    const QString tpl = f.touch("template/entry.html");
    f.writeIni(std::string("[NumTags]\r\nDiscard=Discard\r\nText=Text\r\nNewDoc=NewDoc\r\n"
                           "Bottom=Bottom\r\n[Discard]\r\nOutputStyle=Discard\r\nConfirm=yes\r\n"
                           "SendConf=Default\r\n[Text]\r\nOutputStyle=Text\r\nArchive=") +
               out.toStdString() + "\r\nConfirm=yes\r\nSendConf=Default\r\n[NewDoc]\r\n" +
               "OutputStyle=Discrete\r\nAppend=Discrete\r\nArchive=/srv/pages\r\nOutputTemplate=" +
               tpl.toStdString() + "\r\nConfirm=yes\r\nSendConf=Default\r\n[Bottom]\r\n" +
               "OutputStyle=Template\r\nAppend=Bottom\r\nArchive=" + out.toStdString() +
               "\r\nOutputTemplate=" + tpl.toStdString() +
               "\r\nConfirm=yes\r\nSendConf=Default\r\n");
    Form1& form = f.open();

    f.pick("Discard");
    QVERIFY(form.OptionDiscard->isChecked());
    QVERIFY(form.TextVMArchiveFile->isHidden());
    QVERIFY(form.CommandBrowseout->isHidden());
    QVERIFY(form.xPanel3D66->isHidden());
    QVERIFY(f.prompts.messages.empty()); // no missing write-to file for "Don't save"
    QCOMPARE(form.windowTitle(), QStringLiteral("Vellum Control Panel - Discard"));
    QCOMPARE(form.Label3->text(), QStringLiteral(" Discard"));

    f.pick("Text");
    QVERIFY(form.OptionPlnTxt->isChecked());
    QVERIFY(!form.TextVMArchiveFile->isHidden());
    QCOMPARE(form.TextVMArchiveFile->text(), out);
    QVERIFY(form.xPanel3D66->isHidden());

    f.pick("NewDoc");
    QVERIFY(form.OptionPlnHtm->isChecked());
    QVERIFY(form.OptionAppendDiscrete->isChecked());
    QVERIFY(form.TextVMArchiveFile->isHidden());
    QCOMPARE(form.TextVMArchiveFile->text(), QString());
    QCOMPARE(form.TextDiscreteDir->text(), QStringLiteral("/srv/pages"));
    QVERIFY(form.TextDiscreteDir->isEnabled());
    QCOMPARE(form.TextHTemplate->text(), tpl);

    f.pick("Bottom");
    QVERIFY(form.OptionAppendBottom->isChecked());
    QVERIFY(!form.TextDiscreteDir->isEnabled());
    QCOMPARE(form.TextDiscreteDir->text(), QString());
    QCOMPARE(form.TextVMArchiveFile->text(), out);
    QVERIFY(f.prompts.messages.empty());
    QVERIFY(!form.dirty());
}

void EditorLoadSaveTest::loadingReportsMissingFilesInOrder() {
    EditorFixture f;
    f.writeIni(std::string(kScriptHead) +
               "Confirm=yes\r\nSendConf=/gone/conf.html\r\nOutputStyle=Template\r\nAppend=Top\r\n"
               "Archive=\r\nOutputTemplate=/gone/entry.html\r\nForm=/gone/form.html\r\n"
               "SendMessage=/gone/letter.txt\r\n");
    f.open();
    f.pick("Order");
    QCOMPARE(f.prompts.messageTexts(),
             QStringList({"The Template File\n/gone/conf.html\nwas not found!",
                          "The 'Write to:' file \n\nwas not found!",
                          "The Template File\n/gone/entry.html\nwas not found!",
                          "The Form\n/gone/form.html\nwas not found!",
                          "The Letter to user\n/gone/letter.txt\nwas not found!"}));
    for (const auto& message : f.prompts.messages) {
        QCOMPARE(message.title, QStringLiteral("File not found"));
        QCOMPARE(message.icon, platform::MessageIcon::Exclamation);
    }
}

void EditorLoadSaveTest::loadingSetsResponseAndMailOptions() {
    EditorFixture f;
    f.writeIni(std::string(kScriptHead) +
               "Confirm=no\r\nSendURL=http://example.com/thanks\r\nSendConf=/t/c.html\r\n"
               "OutputStyle=Discard\r\nTo=sales@example.com\r\nSender=Use 'From' from Form\r\n"
               "Subject=Order\r\nTarget=_top\r\nLocked=True\r\n");
    Form1& form = f.open();
    f.pick("Order");
    QVERIFY(form.OptionSendURL->isChecked());
    QCOMPARE(form.TextVMConfURL->text(), QStringLiteral("http://example.com/thanks"));
    QCOMPARE(form.TextVMConfFile->text(), QString());
    QVERIFY(!form.CommandBrowseConf->isEnabled());
    QVERIFY(form.CheckBeepTo->isChecked());
    QVERIFY(!form.CheckLtr->isChecked());
    QVERIFY(form.TextFromAddr->isEnabled());
    QVERIFY(form.CheckUseFrom->isChecked());
    QVERIFY(!form.CheckUseSubj->isChecked());
    QCOMPARE(form.TextSubj->text(), QStringLiteral("Order"));
    QCOMPARE(form.TextWinTarget->text(), QStringLiteral("_top"));
    QVERIFY(form.CheckAllowOnly->isChecked()); // Locked is read even without a form

    // The template option puts back the stored confirmation template of the loaded script.
    form.OptionConf->click();
    QCOMPARE(form.TextVMConfFile->text(), QStringLiteral("/t/c.html"));
    QCOMPARE(form.TextVMConfURL->text(), QString());
    QVERIFY(form.CommandBrowseConf->isEnabled());
    QVERIFY(form.dirty());
}

void EditorLoadSaveTest::formTitleComesFromTheFormFile() {
    EditorFixture f;
    const QString html =
        f.touch("FORMS/order.html", "<html>\r\n<head><title>Order Form</title>\r\n</head>\r\n");
    const QString runOn = f.touch("FORMS/runon.html", "<TITLE>Runs on\r\nnext</TITLE>\r\n");
    f.writeIni(std::string("[NumTags]\r\nA=A\r\nB=B\r\n[A]\r\nOutputStyle=Discard\r\nForm=") +
               html.toStdString() +
               "\r\n[B]\r\nOutputStyle=Discard\r\nForm=" + runOn.toStdString() + "\r\n");
    Form1& form = f.open();
    f.pick("A");
    QCOMPARE(form.ListTitle->text(), QStringLiteral("Order Form"));
    f.pick("B");
    QCOMPARE(form.ListTitle->text(), QStringLiteral("Runs on"));
}

void EditorLoadSaveTest::saveChecksStopWithMessageTabAndFocus_data() {
    QTest::addColumn<int>("stop");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("focus");
    QTest::newRow("confirmation template")
        << 0 << "Template to Send to Browser does not exist!" << 2 << "CommandBrowseConf";
    QTest::newRow("no URL") << 1 << "No URL to send the Client!" << 2 << "TextVMConfURL";
    QTest::newRow("write-to file") << 2
                                   << "The file in which entries are saved\nmust be created before "
                                      "saving the script."
                                   << 1 << "CommandBrowseout";
    QTest::newRow("letter") << 3 << "Letter To Client File does not exist!" << 0
                            << "CommandBrowseBody";
    QTest::newRow("output template")
        << 4 << "Save to File Template does not exist!" << 0 << "CommandHTempBrowse";
}

void EditorLoadSaveTest::saveChecksStopWithMessageTabAndFocus() {
    QFETCH(int, stop);
    QFETCH(QString, message);
    QFETCH(int, tab);
    QFETCH(QString, focus);
    EditorFixture f;
    Form1& form = f.open();
    const QString out = f.touch("SAVED/out.txt");
    form.ComboVell->setEditText("Checked");
    form.OptionPlnTxt->click();
    form.TextVMArchiveFile->setText(out);
    form.OptionSimple->click();
    switch (stop) {
    case 0:
        form.OptionConf->click();
        form.TextVMConfFile->setText("/gone.html");
        break;
    case 1:
        form.OptionSendURL->click();
        break;
    case 2:
        form.TextVMArchiveFile->clear();
        break;
    case 3:
        form.CheckLtr->click();
        form.TextLtrBody->setText("/gone.txt");
        break;
    case 4:
        form.OptionPlnHtm->click();
        form.TextVMArchiveFile->setText(out);
        break;
    }
    form.SSTab1->setCurrentIndex(0);
    form.CommandSave->click();
    QCOMPARE(f.prompts.messageTexts(), QStringList{message});
    QVERIFY(form.saveFailed());
    QCOMPARE(form.SSTab1->currentIndex(), tab);
    QVERIFY(form.focusWidget());
    QCOMPARE(form.focusWidget()->objectName(), focus);
    QVERIFY(!std::filesystem::exists(f.ini()));
}

void EditorLoadSaveTest::successfulSaveWritesTheScriptAndReloads() {
    EditorFixture f;
    Form1& form = f.open();
    const QString out = f.touch("SAVED/order.csv");
    const QString letter = f.touch("mail/letter.txt");
    form.ComboVell->setEditText("Order");
    form.OptionComma->click();
    form.TextVMArchiveFile->setText(out);
    form.OptionSendURL->click();
    form.TextVMConfURL->setText("http://example.com/thanks");
    form.CheckLtr->click();
    form.TextLtrBody->setText(letter);
    form.CheckUseSubj->click();
    form.TextFromAddr->setText("Shop");
    form.CheckBeepTo->click();
    form.TextBeepTo->setText("sales@example.com");
    form.TextWinTarget->setText("main");
    form.CommandSave->click();

    QVERIFY(!form.saveFailed());
    QVERIFY(f.prompts.messages.empty());
    QCOMPARE(QString::fromStdString(f.iniText()),
             QString("[Order]\r\nArchive=" + out +
                     "\r\nForm=\r\nOutputStyle=Comma\r\nConfirm=no\r\n"
                     "SendURL=http://example.com/thanks\r\nSendConf=\r\nTo=sales@example.com\r\n"
                     "Sender=Shop\r\nSubject=Use 'Subject' from Form\r\nSendMessage=" +
                     letter +
                     "\r\nOutputTemplate=\r\nAppend=\r\nLocked=\r\nTarget=main\r\n"
                     "[NumTags]\r\nOrder=Order\r\n"));
    QCOMPARE(f.pause.waits, std::vector<int>{150});
    QCOMPARE(form.ProgressBar1->value(), 0);
    QCOMPARE(form.ComboVell->count(), 1);
    QCOMPARE(form.ComboVell->currentText(), QStringLiteral("Order"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Vellum Control Panel - Order"));
    QVERIFY(!form.dirty());
}

void EditorLoadSaveTest::emptyNameQuestionWritesNothing() {
    EditorFixture f;
    Form1& form = f.open();
    form.OptionDiscard->click();
    f.prompts.inputAnswers.push_back(QString());
    form.CommandSave->click();
    QCOMPARE(f.prompts.inputPrompts.size(), size_t(1));
    QCOMPARE(f.prompts.inputPrompts[0],
             QStringLiteral("Enter a Script Name to save the current script as..."));
    QVERIFY(f.prompts.messages.empty());
    QVERIFY(!std::filesystem::exists(f.ini()));
}

void EditorLoadSaveTest::unstorableNameIsRefused() {
    EditorFixture f;
    Form1& form = f.open();
    form.OptionDiscard->click();
    for (const char* name : {"config", "a=b", "../escape"}) {
        f.prompts.messages.clear();
        f.prompts.inputAnswers.push_back(QString::fromLatin1(name));
        form.CommandSave->click();
        QCOMPARE(f.prompts.messages.size(), size_t(1));
        QVERIFY(form.saveFailed());
    }
    QVERIFY(!std::filesystem::exists(f.ini()));
}

void EditorLoadSaveTest::failedWriteIsReportedAndStaysDirty() {
    EditorFixture f;
    f.writeIni("[NumTags]\r\n");
    std::filesystem::permissions(f.ini(), std::filesystem::perms::owner_read);
    Form1& form = f.open();
    form.ComboVell->setEditText("Blocked");
    form.OptionDiscard->click();
    form.CommandSave->click();
    QCOMPARE(f.prompts.messages.size(), size_t(1));
    QVERIFY(f.prompts.messages[0].text.contains("could not be saved"));
    QVERIFY(form.saveFailed());
    QVERIFY(form.dirty());
    QCOMPARE(QString::fromStdString(f.iniText()), QStringLiteral("[NumTags]\r\n"));
}

void EditorLoadSaveTest::optionRulesAfterClicks() {
    EditorFixture f;
    Form1& form = f.open();
    form.OptionDiscard->click();
    QVERIFY(form.xPanel3D66->isHidden());
    QVERIFY(form.LabelWriteTo->isHidden());
    form.OptionComma->click();
    QVERIFY(!form.LabelWriteTo->isHidden());
    QVERIFY(form.xPanel3D66->isHidden());
    form.OptionPlnHtm->click();
    QVERIFY(!form.xPanel3D66->isHidden());
    QVERIFY(form.OptionAppendTop->isChecked());
    form.TextVMArchiveFile->setText("/x.txt");
    form.OptionAppendDiscrete->click();
    QVERIFY(form.TextVMArchiveFile->isHidden());
    QCOMPARE(form.TextVMArchiveFile->text(), QString());
    QVERIFY(form.TextDiscreteDir->isEnabled());

    form.OptionSimple->click();
    QCOMPARE(form.TextVMConfFile->text(), QStringLiteral("Default"));
    QVERIFY(!form.CommandCnfEdit->isEnabled());

    QVERIFY(!form.TextFromAddr->isEnabled());
    form.CheckBeepTo->click();
    QVERIFY(form.TextFromAddr->isEnabled());
    QCOMPARE(form.TextBeepTo->palette().color(QPalette::Text), QPalette().color(QPalette::Text));
    form.CheckUseFrom->click();
    QCOMPARE(form.TextFromAddr->text(), QStringLiteral("Use 'From' from Form"));
    form.CheckUseFrom->click();
    QCOMPARE(form.TextFromAddr->text(), QString());
    form.CheckBeepTo->click();
    QVERIFY(!form.TextFromAddr->isEnabled());
    QCOMPARE(form.TextBeepTo->palette().color(QPalette::Text), QColor(128, 128, 128));
}

void EditorLoadSaveTest::newClearsToUntitled() {
    EditorFixture f;
    const QString form1 = f.touch("FORMS/a.html", "<TITLE>A</TITLE>");
    f.writeIni(std::string(kScriptHead) +
               "OutputStyle=Discard\r\nConfirm=no\r\nSendURL=u\r\n"
               "Form=" +
               form1.toStdString() + "\r\nTo=x@y\r\nTarget=t\r\n");
    Form1& form = f.open();
    f.pick("Order");
    form.SSTab1->setCurrentIndex(3);
    form.CommandVMNew->click();
    QCOMPARE(form.ComboVell->currentText(), QString());
    QCOMPARE(form.TextForm->text(), QString());
    QCOMPARE(form.TextVMConfURL->text(), QString());
    QCOMPARE(form.ListTitle->text(), QString());
    QVERIFY(!form.CheckBeepTo->isChecked());
    QVERIFY(!form.TextFromAddr->isEnabled());
    QVERIFY(form.OptionPlnHtm->isChecked());
    QVERIFY(form.OptionAppendTop->isChecked());
    QVERIFY2(form.OptionSendURL->isChecked(), "the response option keeps its state");
    QCOMPARE(form.TextWinTarget->text(), QStringLiteral("t"));
    QCOMPARE(form.SSTab1->currentIndex(), 0);
    QCOMPARE(form.windowTitle(), QStringLiteral("Vellum Control Panel (Untitled)"));
    QVERIFY(!form.dirty());
}

void EditorLoadSaveTest::browseButtonsWriteSkeletonsAndStartEditors() {
    EditorFixture f;
    f.writeIni(
        "[Config]\r\nTextEditor=/bin/ted\r\nHTMLEditor=/bin/hed\r\n[NumTags]\r\nShop=Shop\r\n"
        "[Shop]\r\nOutputStyle=Discard\r\n");
    Form1& form = f.open();
    f.pick("Shop");

    f.prompts.fileAnswers.push_back(FakePrompts::choose(f.path("FORMS/shop.html"), 2));
    form.CommandBrowseForm->click();
    const auto& request = f.prompts.fileRequests.back().request;
    QCOMPARE(request.title, QStringLiteral("Select or Create Form"));
    QCOMPARE(request.filterIndex, 2);
    QCOMPARE(request.initialDirectory, f.path("FORMS"));
    QCOMPARE(form.TextForm->text(), f.path("FORMS/shop.html"));
    const std::string formText = TempDir::read(f.dir.file("FORMS/shop.html"));
    QVERIFY(formText.starts_with(
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">\r\n"
        "<HTML>\r\n<HEAD>\r\n<TITLE>document title</TITLE>\r\n</HEAD>\r\n"
        "<BODY>\r\n<H1>Shop</H1>\r\n<HR>\r\n\r\n<FORM METHOD=\"POST\">\r\n\r\n\r\n\r\n"
        "To submit the form"));
    QVERIFY(formText.ends_with("</FORM>\r\n\r\n<HR>\r\n\r\n</BODY>\r\n</HTML>\r\n"));
    QCOMPARE(f.starter.starts.back().program, QStringLiteral("/bin/hed"));
    QCOMPARE(f.starter.starts.back().arguments, QStringList{f.path("FORMS/shop.html")});

    form.OptionComma->click();
    f.prompts.fileAnswers.push_back(FakePrompts::choose(f.path("SAVED/shop.csv"), 5));
    const size_t startsBefore = f.starter.starts.size();
    form.CommandBrowseout->click();
    QCOMPARE(f.prompts.fileRequests.back().request.filterIndex, 5);
    QCOMPARE(f.prompts.fileRequests.back().request.title,
             QStringLiteral("Select or Create Output File"));
    QCOMPARE(TempDir::read(f.dir.file("SAVED/shop.csv")), std::string("\r\n\r\n\r\n"));
    QCOMPARE(f.starter.starts.size(), startsBefore); // only the template-mode output file opens

    form.OptionPlnHtm->click();
    f.prompts.fileAnswers.push_back(FakePrompts::choose(f.path("SAVED/shop.html"), 2));
    form.CommandBrowseout->click();
    QCOMPARE(f.prompts.fileRequests.back().request.filterIndex, 2);
    QCOMPARE(TempDir::read(f.dir.file("SAVED/shop.html")),
             std::string("<!--Output file for Shop script-->\r\n"
                         "<!--Place any header for the document here-->\r\n\r\n\r\n\r\n"
                         "<!--footer-->\r\n\r\n<!--Place any footer for the document here-->\r\n"
                         "<!--comment line --footer-- must exist on a line by itself-->\r\n"));

    f.prompts.fileAnswers.push_back(FakePrompts::choose(f.path("mail/letter.txt")));
    form.CommandBrowseBody->click();
    QVERIFY(form.CheckLtr->isChecked());
    QVERIFY(form.TextFromAddr->isEnabled());
    QCOMPARE(TempDir::read(f.dir.file("mail/letter.txt")),
             std::string("\r\nLetter to user -- Shop script. Remove this line.\r\n"));
    QCOMPARE(f.starter.starts.back().program, QStringLiteral("/bin/ted"));

    f.prompts.fileAnswers.push_back(FakePrompts::choose(f.path("template/conf.html")));
    form.OptionConf->click();
    form.CommandBrowseConf->click();
    const std::string conf = TempDir::read(f.dir.file("template/conf.html"));
    QVERIFY(conf.starts_with("#\r\n# Confirmation Template for Shop Script\r\n#\r\n"));
    QVERIFY(
        conf.ends_with("<TITLE>Send to Browser Template for Shop Script</TITLE>\r\n</HEAD>\r\n"
                       "<BODY>\r\n<H1>Shop</H1>\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>\r\n\r\n\r\n"));

    // An existing file is only chosen, never overwritten; a cancelled dialog changes nothing.
    f.prompts.fileAnswers.push_back(FakePrompts::choose(f.path("template/conf.html")));
    TempDir::write(f.dir.file("template/conf.html"), "mine");
    form.CommandBrowseConf->click();
    QCOMPARE(TempDir::read(f.dir.file("template/conf.html")), std::string("mine"));
    form.CommandBrseGrpMail->click();
    QCOMPARE(form.TextBeepTo->text(), QString());
    QVERIFY(!form.CheckBeepTo->isChecked());
}

void EditorLoadSaveTest::editChoosesEditorByEnding() {
    EditorFixture f;
    f.writeIni("[Config]\r\nTextEditor=/bin/ted\r\nHTMLEditor=/bin/hed\r\n");
    Form1& form = f.open();
    form.OptionPlnTxt->click();
    form.TextVMArchiveFile->setText(f.touch("SAVED/a.html"));
    form.CommandOedit->click();
    QCOMPARE(f.starter.starts.back().program, QStringLiteral("/bin/hed"));
    form.TextVMArchiveFile->setText(f.touch("SAVED/b.Htm"));
    form.CommandOedit->click();
    QCOMPARE(f.starter.starts.back().program, QStringLiteral("/bin/ted"));
    QCOMPARE(f.starter.starts.back().arguments, QStringList{f.path("SAVED/b.Htm")});

    form.TextVMArchiveFile->setText(f.path("SAVED/missing.txt"));
    form.CommandOedit->click();
    QCOMPARE(f.prompts.messageTexts().last(),
             QStringLiteral("File does not exist, use Browse button to create it."));
    form.OptionConf->click();
    form.TextVMConfFile->setText("Default");
    form.CommandCnfEdit->click();
    QCOMPARE(f.prompts.messageTexts().last(), QStringLiteral("Cannot Edit Default Template"));
    QCOMPARE(f.starter.starts.size(), size_t(2));
}

void EditorLoadSaveTest::statusHintsFollowFocusAndMouse() {
    EditorFixture f;
    Form1& form = f.open();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.CheckLtr, &enter);
    QCOMPARE(form.status->text(),
             QStringLiteral("Option to send User a predetermined message via Email"));
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(form.CheckLtr, &focus);
    QCOMPARE(form.status->text(),
             QStringLiteral("Option to send Client a predetermined message via E-Mail"));
    QApplication::sendEvent(form.xPanel3D66, &enter);
    QCOMPARE(form.status->text(), QString());
}

QTEST_MAIN(EditorLoadSaveTest)
#include "editor_load_save_test.moc"
