// The control panel as a desktop user meets it: windows that keep their size and place,
// dialogs that open when asked, pictures and menus that look right, keys that work.
#include "editor_fixture.h"

#include "vmcntrl/ui/form3.h"
#include "vmcntrl/ui/form4.h"
#include "vmcntrl/ui/small_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using platform::MessageAnswer;
using vmcntrl::Form1;

class DesktopUseTest : public QObject {
    Q_OBJECT
private slots:
    void cancelledNewButtonDoesNotStopTheNextCommand();
    void longScriptNameIsShortenedNotWidened();
    void eachWindowsMnemonicsWorkWhileThatWindowIsActive();
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

QTEST_MAIN(DesktopUseTest)
#include "desktop_use_test.moc"
