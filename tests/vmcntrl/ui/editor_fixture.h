#pragma once

#include "vmcntrl/ui/elided_label.h"
#include "vmcntrl/ui/form1.h"
#include "vmcntrl/ui/script_selector.h"

#include "panel_fakes.h"

#include "support/temp_dir.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

// A program directory in a temporary folder, the control panel's main window on it, and
// recording fakes for everything that would reach outside the window.
struct EditorFixture : PanelFakes {
    TempDir dir;
    std::unique_ptr<vmcntrl::Form1> form;

    EditorFixture() {
        for (const char* folder : {"FORMS", "SAVED", "template", "mail"})
            std::filesystem::create_directories(dir.file(folder));
    }
    QString path(const std::string& name) const { return QString::fromStdString(dir.file(name)); }
    std::string ini() const { return dir.file("vellum.ini"); }
    void writeIni(const std::string& text) const { TempDir::write(ini(), text); }
    std::string iniText() const { return TempDir::read(ini()); }
    QString touch(const std::string& name, const std::string& text = "x") const {
        TempDir::write(dir.file(name), text);
        return path(name);
    }
    vmcntrl::Form1& open() {
        form = std::make_unique<vmcntrl::Form1>(dir.path(), services);
        return *form;
    }
    // Picks a script in the selector as the user does.
    void pick(const QString& name) {
        const int index = form->ComboVell->findText(name);
        QVERIFY(index >= 0);
        form->ComboVell->setCurrentIndex(index);
        emit form->ComboVell->activated(index);
    }
};

// Runs a check on the modal dialog that the next action opens.
template <typename Dialog, typename Fn> void whenDialogOpens(Fn fn) {
    QTimer::singleShot(0, [fn] {
        Dialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible())
                dialog = d;
        QVERIFY(dialog);
        fn(*dialog);
    });
}

// Records the items of every pop-up menu that opens, and closes it, so a test can see which
// menu a right click offers; a menu run with exec() would otherwise wait for a user.
class PopupRecorder : public QObject {
public:
    PopupRecorder() { qApp->installEventFilter(this); }
    QList<QStringList> menus;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && event->type() == QEvent::Show) {
            QStringList items;
            for (QAction* action : menu->actions())
                items << action->text();
            menus << items;
            QTimer::singleShot(0, menu, &QMenu::close);
        }
        return false;
    }
};

// A right click as an X11 desktop delivers it: the press, the context-menu event that
// follows the press there (QTest leaves that out), then the release.
inline void rightClick(QWidget* control, QPoint at = {-1, -1}) {
    if (at == QPoint(-1, -1))
        at = control->rect().center();
    QTest::mousePress(control, Qt::RightButton, {}, at);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &menuEvent);
    QTest::mouseRelease(control, Qt::RightButton, {}, at);
}
