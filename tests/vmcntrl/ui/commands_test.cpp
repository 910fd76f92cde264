#include "editor_fixture.h"

#include "vmcntrl/ui/form2.h"
#include "vmcntrl/ui/small_dialogs.h"
#include "vmcntrl/ui/startup.h"
#include "vmcntrl/ui/whats_this.h"

#include "platform/qt/single_instance.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

using platform::MessageAnswer;
using vmcntrl::Form1;

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void newFlowAsksAboutDirtyScripts();
    void openScriptLoadsByOkOrDoubleClick();
    void saveAsAsksAboutDuplicatesIgnoringCase();
    void deleteAsksAndKeepsTheOrderOfOthers();
    void exitAsksOnlyForNamedDirtyScriptsAndStoresPosition();
    void exitEndsTheProgramWithOtherWindowsOpen();
    void dropDownAsksToSaveFirst();
    void startUpWarnsAboutMailAndPlacesTheWindow();
    void mailLogAcknowledgesErrorsAndOpensTheLog();
    void settingsOkStoresAndCancelDrops();
    void runWithoutBrowserOpensSettings();
    void runNeedsNameAndForm();
    void runStartsPlainBrowserOrTalksDde();
    void secondCopyIsRefused();
    void whatsThisOnSettingsButtonsShowsSharedTopics();
    void rightClickInSettingsOffersOnlyTheProgramsOwnMenu();
    void helpMenuUsesTheHelpFile();
    void directoryChooserFillsTheBoxOnlyOnOk();
    void aboutShowsTheProgramVersion();
};

namespace {

const std::string kTwoScripts = "[NumTags]\r\nAlpha=Alpha\r\nBeta=Beta\r\nGamma=Gamma\r\n"
                                "[Alpha]\r\nOutputStyle=Discard\r\nConfirm=no\r\nSendURL=a\r\n"
                                "[Beta]\r\nOutputStyle=Discard\r\nConfirm=no\r\nSendURL=b\r\n"
                                "[Gamma]\r\nOutputStyle=Discard\r\nConfirm=no\r\nSendURL=c\r\n";

void makeDirty(Form1& form) {
    form.TextWinTarget->setText("edited");
}

} // namespace

void CommandsTest::newFlowAsksAboutDirtyScripts() {
    EditorFixture f;
    f.writeIni(kTwoScripts);
    Form1& form = f.open();
    f.pick("Alpha");
    makeDirty(form);
    f.prompts.messageAnswers = {MessageAnswer::Cancel};
    form.mnuNew->trigger();
    QVERIFY(form.cancelled());
    QCOMPARE(form.ComboVell->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Save Changes?"));
    QCOMPARE(f.prompts.messages.back().text,
             QStringLiteral("Do you wish to save changes made to this script?"));
    QCOMPARE(f.prompts.messages.back().buttons, platform::MessageButtons::YesNoCancel);

    f.prompts.messageAnswers = {MessageAnswer::Yes};
    form.mnuNew->trigger();
    QVERIFY(f.iniText().find("Target=edited") != std::string::npos);
    QCOMPARE(form.ComboVell->currentText(), QString());

    makeDirty(form);
    form.TextWinTarget->setText("lost");
    f.prompts.messageAnswers = {MessageAnswer::No};
    form.mnuNew->trigger();
    QVERIFY(f.iniText().find("lost") == std::string::npos);
}

void CommandsTest::openScriptLoadsByOkOrDoubleClick() {
    EditorFixture f;
    f.writeIni(kTwoScripts);
    Form1& form = f.open();
    whenDialogOpens<vmcntrl::Form6>([](vmcntrl::Form6& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Open Script"));
        QCOMPARE(dialog.ListOpen->count(), 3);
        dialog.Command1->click(); // nothing selected: stays open
        QVERIFY(dialog.isVisible());
        // The focus gives the list a current row without selecting it; OK still waits.
        dialog.ListOpen->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        dialog.Command1->click();
        QVERIFY(dialog.isVisible());
        QListWidgetItem* beta = dialog.ListOpen->item(1);
        emit dialog.ListOpen->itemDoubleClicked(beta);
    });
    form.mnuOpen->trigger();
    QCOMPARE(form.ComboVell->currentText(), QStringLiteral("Beta"));
    QCOMPARE(form.TextVMConfURL->text(), QStringLiteral("b"));

    whenDialogOpens<vmcntrl::Form6>([](vmcntrl::Form6& dialog) { dialog.Command2->click(); });
    form.mnuOpen->trigger();
    QCOMPARE(form.ComboVell->currentText(), QString()); // Open runs New first
}

void CommandsTest::saveAsAsksAboutDuplicatesIgnoringCase() {
    EditorFixture f;
    f.writeIni(kTwoScripts);
    Form1& form = f.open();
    f.pick("Alpha");
    form.TextWinTarget->setText("copy");

    f.prompts.inputAnswers = {QStringLiteral("BETA")};
    f.prompts.messageAnswers = {MessageAnswer::No};
    form.mnuSaveAs->trigger();
    QCOMPARE(f.prompts.messages.back().text,
             QStringLiteral("BETA already exists.\nDo you want to replace it?"));
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Script Name"));
    QVERIFY(f.iniText().find("copy") == std::string::npos);

    f.prompts.inputAnswers = {QStringLiteral("BETA")};
    f.prompts.messageAnswers = {MessageAnswer::Yes};
    form.mnuSaveAs->trigger();
    vmcntrl::VellumIni ini(f.ini());
    QCOMPARE(ini.loadScriptList().count(), size_t(3));
    QCOMPARE(QString::fromStdString(ini.readScript("Beta").Target), QStringLiteral("copy"));
    QVERIFY(ini.readScript("Alpha").Target.empty()); // the old name stays as it was

    f.prompts.messages.clear();
    f.prompts.inputAnswers = {QStringLiteral("Delta")};
    form.mnuSaveAs->trigger();
    QVERIFY(f.prompts.messages.empty());
    QCOMPARE(ini.loadScriptList().count(), size_t(4));
}

void CommandsTest::deleteAsksAndKeepsTheOrderOfOthers() {
    EditorFixture f;
    f.writeIni(kTwoScripts);
    Form1& form = f.open();
    form.mnuDelete->trigger(); // empty selector: nothing
    QVERIFY(f.prompts.messages.empty());

    f.pick("Beta");
    f.prompts.messageAnswers = {MessageAnswer::No};
    form.CommandVMRemove->click();
    QCOMPARE(f.prompts.messages.back().text,
             QStringLiteral("Are you sure you want to delete Beta?"));
    QCOMPARE(f.prompts.messages.back().title, QStringLiteral("Delete Beta?"));
    QCOMPARE(f.prompts.messages.back().icon, platform::MessageIcon::Critical);
    QCOMPARE(f.prompts.messages.back().defaultAnswer, std::optional(MessageAnswer::No));
    QCOMPARE(f.iniText(), kTwoScripts);

    f.prompts.messageAnswers = {MessageAnswer::Yes};
    form.CommandVMRemove->click();
    QCOMPARE(form.ComboVell->count(), 2);
    QCOMPARE(form.ComboVell->itemText(0), QStringLiteral("Alpha"));
    QCOMPARE(form.ComboVell->itemText(1), QStringLiteral("Gamma"));
    QCOMPARE(form.ComboVell->currentText(), QString());
    QVERIFY(f.iniText().find("[Beta]") == std::string::npos);
    QVERIFY(!form.dirty());
}

void CommandsTest::exitAsksOnlyForNamedDirtyScriptsAndStoresPosition() {
    EditorFixture f;
    f.writeIni(kTwoScripts);
    Form1& form = f.open();
    form.show();
    makeDirty(form); // untitled
    QVERIFY(form.close());
    QVERIFY(f.prompts.messages.empty());
    QVERIFY(f.iniText().find("Left=") != std::string::npos);

    Form1& second = f.open();
    second.show();
    f.pick("Alpha");
    makeDirty(second);
    f.prompts.messageAnswers = {MessageAnswer::Cancel};
    QVERIFY(!second.close());
    QCOMPARE(f.prompts.messages.size(), size_t(1));
    f.prompts.messageAnswers = {MessageAnswer::Yes};
    QVERIFY(second.close());
    QVERIFY(f.iniText().find("Target=edited") != std::string::npos);
}

void CommandsTest::exitEndsTheProgramWithOtherWindowsOpen() {
    EditorFixture f;
    Form1& form = f.open();
    form.show();
    QWidget helpWindow; // stands for the help viewer's window, which has no owner
    helpWindow.show();
    QTimer::singleShot(0, &form, [&] { QTest::mouseClick(form.CommandClose, Qt::LeftButton); });
    QObject watchdog; // fails the test when closing the main window does not end the program
    QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!form.isVisible());
}

void CommandsTest::dropDownAsksToSaveFirst() {
    EditorFixture f;
    f.writeIni(kTwoScripts);
    Form1& form = f.open();
    form.show();
    f.pick("Alpha");
    makeDirty(form);
    f.prompts.messageAnswers = {MessageAnswer::Cancel};
    form.ComboVell->showPopup();
    QCOMPARE(f.prompts.messages.size(), size_t(1));
    QVERIFY(form.dirty());
    QCOMPARE(form.focusWidget(), form.CommandSave);
    f.prompts.messageAnswers = {MessageAnswer::No};
    form.ComboVell->showPopup();
    QVERIFY(!form.dirty());
    form.ComboVell->hidePopup();
}

void CommandsTest::startUpWarnsAboutMailAndPlacesTheWindow() {
    EditorFixture f;
    // 1500 and 2250 twips are 100 and 150 pixels at the offscreen screen's 96 dpi.
    f.writeIni("[Config]\r\nMailErr=1\r\nLeft=1500\r\nTop=2250\r\n");
    Form1& form = f.open();
    form.startUp();
    QCOMPARE(f.prompts.messageTexts(),
             QStringList{"There have been errors sending mail.\nPlease check the Mail Log"});
    QVERIFY(f.iniText().find("MailErr=0") != std::string::npos);
    QCOMPARE(form.pos(), QPoint(100, 150));

    // A position that is not a number puts the window in the corner.
    f.writeIni("[Config]\r\nLeft=abc\r\nTop=\r\n");
    Form1& other = f.open();
    other.move(40, 40);
    other.startUp();
    QCOMPARE(other.pos(), QPoint(0, 0));
}

void CommandsTest::mailLogAcknowledgesErrorsAndOpensTheLog() {
    EditorFixture f;
    f.writeIni("[Config]\r\nMailErr=1\r\nTextEditor=/bin/ted\r\n");
    Form1& form = f.open();
    form.mnuMailLog->trigger();
    QVERIFY(f.iniText().find("MailErr=0") != std::string::npos);
    QCOMPARE(f.starter.starts.back().program, QStringLiteral("/bin/ted"));
    QCOMPARE(f.starter.starts.back().arguments, QStringList{f.path("vellsmtp.log")});
    form.mnuErrorLog->trigger();
    QCOMPARE(f.starter.starts.back().arguments, QStringList{f.path("error.log")});
}

void CommandsTest::settingsOkStoresAndCancelDrops() {
    EditorFixture f;
    f.writeIni("[Config]\r\nWinScriptAlias=http://h/cgi/\r\n");
    Form1& form = f.open();
    whenDialogOpens<vmcntrl::Form2>([&f](vmcntrl::Form2& dialog) {
        QCOMPARE(dialog.txtAlias->text(), QStringLiteral("http://h/cgi/"));
        f.prompts.fileAnswers.clear(); // the browse dialog is cancelled
        dialog.CmdBrsBrowser->click();
        QCOMPARE(f.prompts.fileRequests.back().request.filterIndex, 4);
        QCOMPARE(f.prompts.fileRequests.back().request.title, QStringLiteral("Select WWW Browser"));
        QCOMPARE(dialog.txtSvrIP->text(), QString());
        dialog.txtAlias->setText("http://elsewhere/cgi");
        dialog.cmdSetCancel->click();
    });
    form.mnuSettings->trigger();
    QCOMPARE(f.iniText(), std::string("[Config]\r\nWinScriptAlias=http://h/cgi/\r\n"));

    whenDialogOpens<vmcntrl::Form2>([&f](vmcntrl::Form2& dialog) {
        QCOMPARE(dialog.txtAlias->text(), QStringLiteral("http://h/cgi/"));
        f.prompts.fileAnswers = {FakePrompts::choose("/opt/browser/run", 4)};
        dialog.CmdBrsBrowser->click();
        dialog.txtAlias->setText("http://h/cgi-win");
        dialog.cmdSetOK->click();
    });
    form.mnuSettings->trigger();
    QCOMPARE(QString::fromStdString(form.settings().WinScriptAlias),
             QStringLiteral("http://h/cgi-win/"));
    QVERIFY(f.iniText().find("WinScriptAlias=http://h/cgi-win/\r\n") != std::string::npos);
    QVERIFY(f.iniText().find("Browser=/opt/browser/run\r\n") != std::string::npos);
}

void CommandsTest::runWithoutBrowserOpensSettings() {
    EditorFixture f;
    Form1& form = f.open();
    bool settingsShown = false;
    whenDialogOpens<vmcntrl::Form2>([&](vmcntrl::Form2& dialog) {
        settingsShown = true;
        dialog.cmdSetCancel->click();
    });
    form.mnuRun->trigger();
    QCOMPARE(f.prompts.messageTexts(), QStringList{"You'll need to configure a Browser..."});
    QVERIFY(settingsShown);
}

void CommandsTest::runNeedsNameAndForm() {
    EditorFixture f;
    const QString browser = f.touch("browser");
    f.writeIni("[Config]\r\nBrowser=" + browser.toStdString() + "\r\n");
    Form1& form = f.open();
    form.mnuRun->trigger();
    QCOMPARE(f.prompts.messageTexts(),
             QStringList{"A Script without a Name or Associated Form\ncannot be run directly."});
    form.ComboVell->setEditText("Order");
    form.TextForm->setText(f.path("FORMS/missing.html"));
    form.mnuRun->trigger();
    QCOMPARE(f.prompts.messages.size(), size_t(1)); // a missing form file stops silently
    QVERIFY(f.starter.starts.empty());
}

void CommandsTest::runStartsPlainBrowserOrTalksDde() {
    EditorFixture f;
    const QString plain = f.touch("my browser");
    const QString dde = f.touch("NETSCAPE.EXE");
    f.writeIni("[Config]\r\nBrowser=" + plain.toStdString() +
               "\r\nWinScriptAlias=http://h/cgi-win/\r\nISAPI=Yes\r\n");
    Form1& form = f.open();
    form.startUp();
    form.ComboVell->setEditText("Order");
    form.TextForm->setText(f.touch("FORMS/order.html"));
    form.mnuRun->trigger();
    QCOMPARE(f.starter.starts.size(), size_t(1));
    QCOMPARE(f.starter.starts[0].program, plain);
    QCOMPARE(f.starter.starts[0].arguments, QStringList{"http://h/cgi-win/vellum.dll/Order"});

    form.settings().Browser = dde.toStdString();
    form.settings().serverExtension = false;
    f.dde.replies = {{0, QString()}, {0, QString()}};
    form.mnuRun->trigger();
    QCOMPARE(f.dde.requests.size(), size_t(2));
    QCOMPARE(f.dde.requests[0].application, QStringLiteral("Netscape"));
    QCOMPARE(f.dde.requests[0].topic, QStringLiteral("WWW_OpenURL"));
    QCOMPARE(f.dde.requests[0].item,
             QStringLiteral("\"http://h/cgi-win/vellum.exe/Order\",,0xFFFFFFFF,0x3,,,,"));
    QCOMPARE(f.dde.requests[1].topic, QStringLiteral("WWW_Activate"));
    QCOMPARE(f.dde.requests[1].item, QStringLiteral("0xFFFFFFFF,0x0"));
    QCOMPARE(f.starter.starts.size(), size_t(1));

    // Nobody answers: the user is asked whether to start the browser.
    f.prompts.messageAnswers = {MessageAnswer::Yes};
    form.mnuRun->trigger();
    QCOMPARE(f.prompts.messages.back().text,
             QStringLiteral("Netscape doesn't seem to be running. Do you want to start it?"));
    QCOMPARE(f.prompts.messages.back().icon, platform::MessageIcon::Question);
    QCOMPARE(f.starter.starts.size(), size_t(2));
    QCOMPARE(f.starter.starts[1].program, dde);
    QCOMPARE(f.starter.starts[1].arguments, QStringList{"http://h/cgi-win/vellum.exe/Order"});
}

void CommandsTest::secondCopyIsRefused() {
    TempDir locks;
    FakePrompts prompts;
    platform::SingleInstance first(QStringLiteral("vmcntrl-test"),
                                   QString::fromStdString(locks.path()));
    platform::SingleInstance second(QStringLiteral("vmcntrl-test"),
                                    QString::fromStdString(locks.path()));
    QVERIFY(!vmcntrl::refuseSecondCopy(first, prompts));
    QVERIFY(prompts.messages.empty());
    QVERIFY(vmcntrl::refuseSecondCopy(second, prompts));
    QCOMPARE(prompts.messageTexts(),
             QStringList{"Cannot start more than one copy of the specified program."});
}

void CommandsTest::whatsThisOnSettingsButtonsShowsSharedTopics() {
    EditorFixture f;
    Form1& form = f.open();
    vmcntrl::Form2 dialog(form.ini(), form.settings(), f.services, f.dir.path(), form.helpFile(),
                          &form);
    dialog.show();
    for (QPushButton* button : {dialog.cmdSetOK, dialog.cmdSetCancel}) {
        QTest::mouseRelease(button, Qt::RightButton);
        QCOMPARE(dialog.whatsThis()->target(), button);
        QTRY_VERIFY(dialog.whatsThis()->menu()->isVisible());
        dialog.whatsThis()->action()->trigger();
        dialog.whatsThis()->menu()->hide();
    }
    QCOMPARE(f.help.whatsThisTopics, (std::vector<int>{22, 21}));
    QVERIFY(f.help.calls.first().contains("vellum.hlp"));
    // Text boxes do not offer the menu.
    QTest::mouseRelease(dialog.txtAlias, Qt::RightButton);
    QTRY_VERIFY(!dialog.whatsThis()->target());
}

void CommandsTest::rightClickInSettingsOffersOnlyTheProgramsOwnMenu() {
    EditorFixture f;
    f.touch("vellum.hlp", "<topic id=\"22\" title=\"OK\">Keeps the settings.</topic>");
    Form1& form = f.open();
    vmcntrl::Form2 dialog(form.ini(), form.settings(), f.services, f.dir.path(), form.helpFile(),
                          &form);
    dialog.show();
    PopupRecorder popups;
    rightClick(dialog.cmdSetOK);
    QTRY_COMPARE(popups.menus, (QList<QStringList>{{"&What's this?"}}));
    QTRY_VERIFY(!dialog.whatsThis()->menu()->isVisible());
    QVERIFY(!dialog.childAt(2, 2));
    rightClick(&dialog, {2, 2}); // the dialog's own background has no topic
    QCoreApplication::processEvents();
    QCOMPARE(popups.menus.size(), 1);
}

void CommandsTest::helpMenuUsesTheHelpFile() {
    EditorFixture f;
    Form1& form = f.open();
    form.mnuContents->trigger();
    form.mnuSearch->trigger();
    QCOMPARE(f.help.calls,
             QStringList({"contents " + f.path("vellum.hlp"), "search " + f.path("vellum.hlp")}));
}

void CommandsTest::directoryChooserFillsTheBoxOnlyOnOk() {
    EditorFixture f;
    Form1& form = f.open();
    form.OptionAppendDiscrete->click();
    form.TextDiscreteDir->setText("/kept");
    const QString target = f.path("SAVED");
    whenDialogOpens<vmcntrl::FormDiscDirBox>([&](vmcntrl::FormDiscDirBox& chooser) {
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Directory for New Documents"));
        QVERIFY(chooser.Drive1->count() > 0);
        chooser.showDirectory(target);
        chooser.Command2->click();
    });
    form.CommandBrowseDiscreteDir->click();
    QCOMPARE(form.TextDiscreteDir->text(), QStringLiteral("/kept"));

    whenDialogOpens<vmcntrl::FormDiscDirBox>([&](vmcntrl::FormDiscDirBox& chooser) {
        chooser.showDirectory(target);
        chooser.Command1->click();
    });
    form.CommandBrowseDiscreteDir->click();
    QCOMPARE(form.TextDiscreteDir->text(), QDir::toNativeSeparators(target));
}

void CommandsTest::aboutShowsTheProgramVersion() {
    vmcntrl::Form5 about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Vellum"));
    QCOMPARE(about.Label1[2]->text(), QStringLiteral("Vellum Control Panel 1.0a"));
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                .match(about.Label1[3]->text())
                .hasMatch());
    about.show();
    QTest::mouseClick(&about, Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
