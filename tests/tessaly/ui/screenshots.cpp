// Saves a picture of each page of the main window, with a small sample document.
#include "tessaly/ui/main_window.h"
#include "tessaly/ui/splash_window.h"

#include "platform/qt/dde_client.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/pause.h"
#include "platform/qt/program_starter.h"
#include "platform/qt/prompts.h"
#include "platform/qt/sound_player.h"

#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // The pictures come from a program directory (the build's programs/tessaly), when given.
    TempDir scratch;
    const QString home =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString::fromStdString(scratch.path());
    // Nothing here asks a question or starts a program; the real services stand by.
    platform::QtPrompts prompts(QStringLiteral("Tessaly"));
    platform::QtProgramStarter starter;
    platform::NoDdeClient dde;
    platform::QtHelpViewer help;
    platform::QtSoundPlayer sound;
    platform::SystemPause pause;
    tessaly::MainWindow window({prompts, starter, dde, help, sound, pause, home});
    window.appendLink(QStringLiteral("Home"), QStringLiteral("index.htm"), QStringLiteral("_top"));
    window.appendLink(QStringLiteral("Products"), QStringLiteral("products.htm"),
                      QStringLiteral("_self"));
    window.appendLink(QStringLiteral("Contact us"), QStringLiteral("mailto:info@example.com"),
                      QString());
    window.selectLink(1);
    window.Text8->setText(QStringLiteral("/usr/bin/browser"));
    window.Text7->setText(QStringLiteral("/home/author/web"));
    window.Check2->setChecked(true);
    window.resize(640, 480);
    window.show();
    const char* names[] = {"tessaly-links.png", "tessaly-properties.png", "tessaly-options.png"};
    for (int i = 0; i < 3; ++i) {
        window.SSTab1->setCurrentIndex(i);
        QApplication::processEvents();
        if (!window.grab().save(out + QLatin1Char('/') + QLatin1String(names[i])))
            return 1;
    }
    window.tabArea->setCurrentIndex(1);
    QApplication::processEvents();
    if (!window.grab().save(out + QStringLiteral("/tessaly-button-maker.png")))
        return 1;

    tessaly::SplashWindow splash({prompts, starter, dde, help, sound, pause, home});
    splash.Label3->setText(QStringLiteral("Link lists for your web pages."));
    splash.Picture2[1]->show();
    splash.show();
    QApplication::processEvents();
    return splash.grab().save(out + QStringLiteral("/tessaly-splash.png")) ? 0 : 1;
}
