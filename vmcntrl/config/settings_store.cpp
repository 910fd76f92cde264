#include "settings_store.h"

#include "platform/profile_file.h"

#include <charconv>

namespace vmcntrl {

void loadSettings(VellumIni& ini, Settings& s) {
    ini.setCurrentSection(std::string(kConfigSection));
    const platform::ProfileText text = platform::loadProfile(ini.path());
    auto read = [&](std::string_view key) {
        return text.value(kConfigSection, key).value_or(std::string());
    };
    s.WinScriptAlias = read("WinScriptAlias");
    s.TextEditor = read("TextEditor");
    s.MailServer = read("MailServer");
    s.ServerDomain = read("ServerDomain");
    s.Browser = read("Browser");
    s.From = read("From");
    s.HTMLEditor = read("HTMLEditor");
}

platform::WriteResult saveSettings(VellumIni& ini, Settings& s) {
    if (s.WinScriptAlias.empty() || s.WinScriptAlias.back() != '/')
        s.WinScriptAlias += '/';
    return platform::editProfile(ini.path(), [&](platform::ProfileText& text) {
        auto write = [&](std::string_view key, const std::string& value) {
            text.setValue(kConfigSection, key, platform::quoteForProfile(value));
        };
        write("Browser", s.Browser);
        write("WinScriptAlias", s.WinScriptAlias);
        write("TextEditor", s.TextEditor);
        write("MailServer", s.MailServer);
        write("ServerDomain", s.ServerDomain);
        write("From", s.From);
        write("HTMLEditor", s.HTMLEditor);
    });
}

StartupConfig readStartupConfig(VellumIni& ini, Settings& s) {
    StartupConfig result;
    const platform::ProfileText text = platform::loadProfile(ini.path());
    auto read = [&](std::string_view key) {
        return text.value(kConfigSection, key).value_or(std::string());
    };
    const std::string mailErr = read("MailErr");
    s.serverExtension = read("ISAPI") == "Yes";
    if (mailErr == "1") {
        result.mailErrReset = acknowledgeMailErrors(ini);
        result.warnAboutMail = true;
    }
    result.left = parsePosition(read("Left"));
    result.top = parsePosition(read("Top"));
    return result;
}

void readServerExtension(const VellumIni& ini, Settings& s) {
    s.serverExtension = ini.read(kConfigSection, "ISAPI") == "Yes";
}

platform::WriteResult acknowledgeMailErrors(VellumIni& ini) {
    return ini.writeConfig("MailErr", "0");
}

platform::WriteResult saveWindowPosition(VellumIni& ini, int left, int top) {
    return platform::editProfile(ini.path(), [&](platform::ProfileText& text) {
        text.setValue(kConfigSection, "Left", std::to_string(left));
        text.setValue(kConfigSection, "Top", std::to_string(top));
    });
}

int parsePosition(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last ? value : 0;
}

} // namespace vmcntrl
