#pragma once

#include "script_record.h"

#include "platform/file_ops.h"
#include "platform/profile_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

inline constexpr std::string_view kConfigSection = "Config";
inline constexpr std::string_view kListSection = "NumTags";

// vellum.ini, shared with the form processor: the script list, one section per script and
// the Config settings. Every read takes the file as it is on disk at that moment, and every
// write is one locked read-modify-write with an atomic replace, so the processor's own
// writes (MailErr) between ours are never lost.
//
// The panel also keeps a current section: the section that single-key reads use. Loading a
// script makes it that script; loading the settings makes it Config.
class VellumIni {
public:
    explicit VellumIni(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    const std::string& currentSection() const { return currentSection_; }
    void setCurrentSection(std::string section) { currentSection_ = std::move(section); }

    // One key of the current section; empty when it or the section is absent.
    std::string readCurrent(std::string_view key) const;
    // One key of a named section; empty when absent. Values come back whole.
    std::string read(std::string_view section, std::string_view key) const;
    // The key names of a section in file order.
    std::vector<std::string> keyNames(std::string_view section) const;

    // Every NumTags entry, in file order, however many there are.
    ScriptList loadScriptList() const;
    // Makes the script the current section and reads its fourteen keys (absent keys empty).
    ScriptRecord readScript(std::string_view name);
    // Writes all fourteen keys into the script's section and name=name into NumTags, in one
    // replace of the file. A name that matches an existing section or NumTags key without
    // regard to case updates that script.
    platform::WriteResult writeScript(std::string_view name, const ScriptRecord& record);
    // Removes the NumTags line, then the section.
    platform::WriteResult deleteScript(std::string_view name);

    // A single Config write (MailErr, window position).
    platform::WriteResult writeConfig(std::string_view key, std::string_view value);

private:
    std::string path_;
    std::string currentSection_;
};

// The same reads on one snapshot of the file, for a reader (the form processor) that takes
// the list, a script and the settings from one moment's file.
ScriptList scriptListOf(const platform::ProfileText& text);
ScriptRecord scriptOf(const platform::ProfileText& text, std::string_view name);

// The path of vellum.ini in a program directory.
std::string vellumIniPath(std::string_view programDirectory);

} // namespace vmcntrl
