#pragma once

#include "vmcntrl/ui/elided_label.h"
#include "vmcntrl/ui/form1.h"
#include "vmcntrl/ui/script_selector.h"

#include "support/fake_prompts.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

// A program directory in a temporary folder, the control panel's main window on it, and
// recording fakes for everything that would reach outside the window.
struct EditorFixture {
    TempDir dir;
    FakePrompts prompts;
    RecordingProgramStarter starter;
    FakeDdeClient dde;
    RecordingHelpViewer help;
    FakePause pause;
    vmcntrl::Services services{prompts, starter, dde, help, pause};
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
