#pragma once

#include "tessaly/ui/main_window.h"

#include "support/fake_prompts.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

#include <QListWidget>

#include <memory>

// A main window on fake services, with its program directory in a fresh temporary folder.
struct WindowFixture {
    TempDir home;
    FakePrompts prompts;
    RecordingProgramStarter starter;
    FakeDdeClient dde;
    RecordingHelpViewer help;
    RecordingSoundPlayer sound;
    FakePause pause;
    std::unique_ptr<tessaly::MainWindow> window;

    WindowFixture() {
        window = std::make_unique<tessaly::MainWindow>(tessaly::Services{
            prompts, starter, dde, help, sound, pause, QString::fromStdString(home.path())});
    }

    QString homeFile(const char* name) const { return QString::fromStdString(home.file(name)); }
    std::string ini() const { return TempDir::read(home.file("Tessaly.ini")); }

    void addLinks(int count) {
        for (int i = 0; i < count; ++i)
            window->appendLink(QStringLiteral("Desc %1").arg(i), QStringLiteral("url%1.htm").arg(i),
                               QStringLiteral("frame%1").arg(i));
    }

    static QStringList rows(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};
