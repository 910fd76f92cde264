#pragma once

#include <QString>

namespace platform {
class Prompts;
class ProgramStarter;
class DdeClient;
class HelpViewer;
class SoundPlayer;
class Pause;
} // namespace platform

namespace tessaly {

// The window-system services the windows use, passed in so tests can answer and record them.
struct Services {
    platform::Prompts& prompts;
    platform::ProgramStarter& programStarter;
    platform::DdeClient& dde;
    platform::HelpViewer& help;
    platform::SoundPlayer& sound;
    platform::Pause& pause;
    QString programDirectory; // holds Tessaly.ini, the class files, sounds and help
};

} // namespace tessaly
