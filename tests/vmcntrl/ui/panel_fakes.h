#pragma once

#include "vmcntrl/ui/services.h"

#include "support/fake_prompts.h"
#include "support/recording_services.h"

// The control panel's services, every one a recording stand-in, so nothing waits for a user
// or reaches outside the window.
struct PanelFakes {
    FakePrompts prompts;
    RecordingProgramStarter starter;
    FakeDdeClient dde;
    RecordingHelpViewer help;
    FakePause pause;
    vmcntrl::Services services{prompts, starter, dde, help, pause};
};
