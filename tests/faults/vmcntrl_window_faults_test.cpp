// The control panel's window with vellum.ini amiss, and a wizard run whose script is not saved.
#include "vmcntrl/ui/editor_fixture.h"
#include "vmcntrl/ui/form3.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <chrono>
#include <sys/stat.h>

using vmcntrl::Form1;
using vmcntrl::Form3;

class VmcntrlWindowFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void aWizardRunWhoseScriptIsNotSavedLeavesNoFilesBehind() {
        EditorFixture f;
        f.touch("template/0.fm", "<!--Guest book-->\r\n<INPUT NAME=\"name\">\r\n");
        f.touch("SAVED/NoUrl.txt", "earlier entries\r\n");
        Form1& form = f.open();
        whenDialogOpens<Form3>([&](Form3& w) {
            // An empty URL passes the wizard's own check but stops the editor's Save.
            while (w.page() < 3)
                w.cmdNext->click();
            w.Option1[1]->click();
            w.Text2->clear();
            while (w.page() < 5)
                w.cmdNext->click();
            w.Text1->setText("NoUrl");
            w.cmdNext->click();
            w.cmdNext->click();
            QCOMPARE(w.page(), 6);
            w.reject();
        });
        form.mnuWizard->trigger();
        QCOMPARE(f.prompts.messageTexts(), QStringList{"No URL to send the Client!"});
        QVERIFY(!std::filesystem::exists(f.dir.file("FORMS/NoUrl.html")));
        QCOMPARE(TempDir::read(f.dir.file("SAVED/NoUrl.txt")), std::string("earlier entries\r\n"));
        QVERIFY(!std::filesystem::exists(f.ini()));
        for (const auto& entry : std::filesystem::recursive_directory_iterator(f.dir.path()))
            QVERIFY2(entry.path().filename().string().front() != '.', entry.path().c_str());
    }

    // Last: closing the main window ends the program's event loops.
    void exitWithAPipeAsVellumIniSaysWhyAtOnce() {
        EditorFixture f;
        QCOMPARE(::mkfifo(f.ini().c_str(), 0600), 0);
        Form1& form = f.open();
        const auto start = std::chrono::steady_clock::now();
        form.close();
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(1));
        QVERIFY2(f.prompts.messageTexts().join('\n').contains(QStringLiteral("a pipe, not a file")),
                 qPrintable(f.prompts.messageTexts().join('\n')));
        struct stat st {};
        QVERIFY(::lstat(f.ini().c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
};

QTEST_MAIN(VmcntrlWindowFaultsTest)
#include "vmcntrl_window_faults_test.moc"
