// The control panel as a desktop user meets it: windows that keep their size and place,
// dialogs that open when asked, pictures and menus that look right, keys that work.
#include "editor_fixture.h"

#include "vmcntrl/ui/form3.h"
#include "vmcntrl/ui/form4.h"
#include "vmcntrl/ui/small_dialogs.h"

#include "platform/qt/button_keys.h"

#include <filesystem>
#include <string>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTreeView>

using platform::MessageAnswer;
using vmcntrl::Form1;

class DesktopUseTest : public QObject {
    Q_OBJECT
private slots:
    void cancelledNewButtonDoesNotStopTheNextCommand();
    void longScriptNameIsShortenedNotWidened();
    void eachWindowsMnemonicsWorkWhileThatWindowIsActive();
    void progressBarShowsOnlyWhileSaving();
    void directoryChooserShowsTheCurrentFolder();
};

void DesktopUseTest::cancelledNewButtonDoesNotStopTheNextCommand() {
    EditorFixture f;
    f.writeIni("[NumTags]\r\nA=A\r\n[A]\r\nOutputStyle=Discard\r\nConfirm=no\r\nSendURL=u\r\n");
    Form1& form = f.open();
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Yes}) {
        f.pick("A");
        form.TextWinTarget->setText("edited");
        f.prompts.messageAnswers = {answer};
        if (answer == MessageAnswer::Yes)
            form.ComboVell->setEditText(QString()); // the name question is cancelled
        form.CommandVMNew->click();
        QVERIFY(form.dirty());

        // Nothing is dirty now that the edits are gone, so each command opens its dialog.
        form.setDirty(false);
        bool opened = false;
        whenDialogOpens<vmcntrl::Form6>([&opened](vmcntrl::Form6& d) {
            opened = true;
            d.reject();
        });
        form.mnuOpen->trigger();
        QVERIFY(opened);
        opened = false;
        whenDialogOpens<vmcntrl::Form3>([&opened](vmcntrl::Form3& d) {
            opened = true;
            d.reject();
        });
        form.findChild<QAction*>("wizard")->trigger();
        QVERIFY(opened);
    }
}

void DesktopUseTest::longScriptNameIsShortenedNotWidened() {
    EditorFixture f;
    const std::string name(48, 'W');
    f.writeIni("[NumTags]\r\n" + name + "=" + name + "\r\n[" + name +
               "]\r\nOutputStyle=Discard\r\nConfirm=no\r\nSendURL=u\r\n");
    Form1& form = f.open();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize before = form.size();
    f.pick(QString::fromStdString(name));
    QApplication::processEvents();
    QCOMPARE(form.size(), before);
    QVERIFY(form.minimumSizeHint().width() <= before.width());
    QVERIFY(form.Label3->text().endsWith(QChar(0x2026)));
    QCOMPARE(form.Label3->toolTip(), QString::fromStdString(name));
    QCOMPARE(form.windowTitle(), "Vellum Control Panel - " + QString::fromStdString(name));

    f.pick(QString::fromStdString(name)); // a short name again shows whole
    form.clearToNewScript();
    QCOMPARE(form.Label3->text(), QStringLiteral(" (Untitled)"));
    QCOMPARE(form.size(), before);
}

// The Template Keys window floats over the main window; its "&Close" (Alt+C) must not
// take Alt+C from the main window's "&Copy Form Contents To:", nor the other way round.
void DesktopUseTest::eachWindowsMnemonicsWorkWhileThatWindowIsActive() {
    EditorFixture f;
    Form1& form = f.open();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.SSTab1->setCurrentIndex(3); // "&Email Options"
    QVERIFY(form.CheckBeepTo->isVisible());
    form.mnuTemplateKeys->trigger();
    vmcntrl::Form4* keys = form.templateKeysWindow();
    QVERIFY(keys && keys->isVisible());

    // QWindow counts a transient window active while its parent is, so wait on the
    // application's own active window.
    form.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    const bool copyTo = form.CheckBeepTo->isChecked();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(form.CheckBeepTo->isChecked(), !copyTo); // a mnemonic clicks after a flash
    QVERIFY(keys->isVisible());

    keys->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), keys);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!keys->isVisible());
    QCOMPARE(form.CheckBeepTo->isChecked(), !copyTo);
}

// At rest an empty progress bar reads as a text box; it shows while a save fills it, and
// keeps its room meanwhile so that Save and Exit stay put. The save is started with Enter.
void DesktopUseTest::progressBarShowsOnlyWhileSaving() {
    EditorFixture f;
    f.writeIni("[NumTags]\r\nA=A\r\n[A]\r\nOutputStyle=Discard\r\nConfirm=no\r\nSendURL=u\r\n");
    Form1& form = f.open();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    f.pick("A");
    QVERIFY(!form.ProgressBar1->isVisible());
    const QRect save = form.CommandSave->geometry();
    bool shownFull = false;
    f.pause.onWait = [&](int) {
        shownFull = form.ProgressBar1->isVisible() && form.ProgressBar1->value() == 100;
        QCOMPARE(form.CommandSave->geometry(), save);
    };
    // Enter on the focused Save button saves, as the program's windows all do.
    const platform::ButtonKeys buttonKeys;
    form.CommandSave->setFocus();
    QTest::keyClick(form.CommandSave, Qt::Key_Return);
    QCOMPARE(f.pause.waits, std::vector<int>{150});
    QVERIFY(!form.saveFailed());
    QVERIFY(shownFull);
    QVERIFY(!form.ProgressBar1->isVisible());
    QCOMPARE(form.CommandSave->geometry(), save);
}

// The chooser opens on the working folder, selected and scrolled into view, even with
// more folders above it than the list can show.
void DesktopUseTest::directoryChooserShowsTheCurrentFolder() {
    EditorFixture f;
    for (int i = 0; i < 80; ++i)
        std::filesystem::create_directories(f.dir.file("many/d" + std::to_string(100 + i)));
    const QString deep = f.path("many/d175");
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(deep));
    Form1& form = f.open();
    form.show();
    form.OptionAppendDiscrete->click();
    bool seen = false;
    whenDialogOpens<vmcntrl::FormDiscDirBox>([&](vmcntrl::FormDiscDirBox& chooser) {
        const auto closeEvenOnFailure = qScopeGuard([&chooser] { chooser.reject(); });
        QCOMPARE(chooser.shownDirectory(), deep);
        // The folders above come in from the model's own thread; wait till every folder on
        // the way lists as many subfolders as the disk holds, then the selection must show.
        auto* model = static_cast<QFileSystemModel*>(chooser.Dir1->model());
        const auto loaded = [&] {
            for (QModelIndex at = chooser.Dir1->currentIndex().parent(); at.isValid();
                 at = at.parent())
                if (model->rowCount(at) != QDir(model->filePath(at))
                                               .entryList(QDir::AllDirs | QDir::NoDotAndDotDot)
                                               .size())
                    return false;
            return true;
        };
        QTRY_VERIFY(loaded());
        const auto inView = [&chooser] {
            const QRect item = chooser.Dir1->visualRect(chooser.Dir1->currentIndex());
            return !item.isEmpty() && chooser.Dir1->viewport()->rect().contains(item);
        };
        QTRY_VERIFY(inView());
        seen = true;
    });
    form.CommandBrowseDiscreteDir->click();
    QDir::setCurrent(before);
    QVERIFY(seen);
}

QTEST_MAIN(DesktopUseTest)
#include "desktop_use_test.moc"
