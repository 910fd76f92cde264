#include "tessaly/batch/batch_commands.h"
#include "tessaly/ui/start_up.h"

#include "platform/qt/button_keys.h"
#include "platform/qt/dde_client.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/pause.h"
#include "platform/qt/program_starter.h"
#include "platform/qt/prompts.h"
#include "platform/qt/sound_player.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {

int runWindow(int argc, char* argv[], const tessaly::CommandLine& line) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    const platform::ButtonKeys buttonKeys;
    platform::QtPrompts prompts(QStringLiteral("Tessaly"));
    platform::QtProgramStarter starter;
    platform::NoDdeClient dde;
    platform::QtHelpViewer help;
    platform::QtSoundPlayer sound;
    platform::SystemPause pause;
    const tessaly::Services services{prompts,
                                     starter,
                                     dde,
                                     help,
                                     sound,
                                     pause,
                                     QString::fromLocal8Bit(tessaly::programDirectoryFor(line))};
    tessaly::StartUp startUp(services);
    startUp.run();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tessaly::CommandLine line = tessaly::parseCommandLine(arguments);
    // The batch verbs run before any window exists, so they need no display.
    if (line.verb != tessaly::CommandLine::Verb::Window || !line.error.empty())
        return tessaly::runBatchCommand(line, std::cout, std::cerr);
    return runWindow(argc, argv, line);
}
