#include "startup.h"

#include "form1.h"
#include "small_dialogs.h"

#include "platform/qt/button_keys.h"
#include "platform/qt/single_instance.h"

#include <QApplication>

#include <memory>

namespace vmcntrl {

bool refuseSecondCopy(platform::SingleInstance& instance, platform::Prompts& prompts) {
    if (instance.tryAcquire())
        return false;
    prompts.message(nullptr,
                    QObject::tr("Cannot start more than one copy of the specified program."));
    return true;
}

Form1* startMainWindow(const std::string& programDirectory, Services& services) {
    Form5 splash;
    splash.show();
    QApplication::processEvents();
    auto* main = new Form1(programDirectory, services);
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->startUp();
    main->show();
    splash.hide();
    return main;
}

int runWindowed(int argc, char** argv, const std::string& programDirectory) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vmcntrl"));
    const platform::ButtonKeys buttonKeys;
    platform::QtPrompts prompts(QString::fromLatin1(kProductCaption));
    platform::SingleInstance instance(QStringLiteral("vmcntrl"));
    if (refuseSecondCopy(instance, prompts))
        return 1;
    platform::QtProgramStarter starter;
    platform::NoDdeClient dde;
    platform::QtHelpViewer help;
    platform::SystemPause pause;
    Services services{prompts, starter, dde, help, pause};
    startMainWindow(programDirectory, services);
    return app.exec();
}

} // namespace vmcntrl
