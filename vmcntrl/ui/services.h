#pragma once

#include "platform/qt/dde_client.h"
#include "platform/qt/help_viewer.h"
#include "platform/qt/pause.h"
#include "platform/qt/program_starter.h"
#include "platform/qt/prompts.h"

namespace vmcntrl {

// The window-system services the control panel's windows use; the program passes the real
// ones, tests pass recording fakes.
struct Services {
    platform::Prompts& prompts;
    platform::ProgramStarter& starter;
    platform::DdeClient& dde;
    platform::HelpViewer& help;
    platform::Pause& pause;
};

inline constexpr char kProductCaption[] = "Vellum Control Panel";

} // namespace vmcntrl
