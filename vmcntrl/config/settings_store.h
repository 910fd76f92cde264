#pragma once

#include "vellum_ini.h"

#include <string>

namespace vmcntrl {

// The panel's in-memory copies of its Config settings; everything that starts an editor or
// the browser, or builds the processor's address, reads these rather than the file.
struct Settings {
    std::string Browser;
    std::string TextEditor;
    std::string HTMLEditor;
    std::string WinScriptAlias;
    std::string ServerDomain;
    std::string MailServer;
    std::string From;
    bool serverExtension = false; // ISAPI=Yes: the processor runs as vellum.dll

    bool operator==(const Settings&) const = default;
};

// Reads the seven user settings and makes Config the current section. The server-extension
// flag is left as it was: only start-up reads ISAPI.
void loadSettings(VellumIni& ini, Settings& settings);

// Stores the seven settings (the CGI alias always ends in "/") and updates the copies to
// what was stored.
platform::WriteResult saveSettings(VellumIni& ini, Settings& settings);

// What start-up learns besides the settings themselves.
struct StartupConfig {
    bool warnAboutMail = false;         // the processor had mail errors; MailErr is now 0
    platform::WriteResult mailErrReset; // how resetting MailErr went, when it was needed
    int left = 0;                       // window position in twips
    int top = 0;
};

// The start-up reads after loadSettings: ISAPI into the flag, the MailErr warning (resetting
// it to 0 when it was 1), and the window position.
StartupConfig readStartupConfig(VellumIni& ini, Settings& settings);

// Only the ISAPI key: whether the processor runs as the server extension.
void readServerExtension(const VellumIni& ini, Settings& settings);

// Opening the Mail Log acknowledges the processor's mail errors.
platform::WriteResult acknowledgeMailErrors(VellumIni& ini);
// Exit stores the window's top-left corner in twips.
platform::WriteResult saveWindowPosition(VellumIni& ini, int left, int top);

// A stored position: decimal digits with an optional sign; anything else, or a value out of
// range, is 0.
int parsePosition(std::string_view text);

inline constexpr std::string_view kMailWarning =
    "There have been errors sending mail.\nPlease check the Mail Log";

} // namespace vmcntrl
