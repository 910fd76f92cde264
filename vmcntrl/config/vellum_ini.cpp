#include "vellum_ini.h"

#include "platform/paths.h"
#include "platform/profile_file.h"

namespace vmcntrl {

std::string vellumIniPath(std::string_view programDirectory) {
    return platform::joinPath(programDirectory, "vellum.ini");
}

std::string VellumIni::readCurrent(std::string_view key) const {
    return read(currentSection_, key);
}

std::string VellumIni::read(std::string_view section, std::string_view key) const {
    return platform::loadProfile(path_).value(section, key).value_or(std::string());
}

std::vector<std::string> VellumIni::keyNames(std::string_view section) const {
    return platform::loadProfile(path_).keyNames(section);
}

ScriptList VellumIni::loadScriptList() const {
    return scriptListOf(platform::loadProfile(path_));
}

ScriptList scriptListOf(const platform::ProfileText& text) {
    std::vector<ScriptListEntry> entries;
    for (std::string& key : text.keyNames(kListSection)) {
        std::string value = text.value(kListSection, key).value_or(std::string());
        entries.push_back({std::move(key), std::move(value)});
    }
    return ScriptList(std::move(entries));
}

ScriptRecord VellumIni::readScript(std::string_view name) {
    currentSection_ = std::string(name);
    return scriptOf(platform::loadProfile(path_), name);
}

ScriptRecord scriptOf(const platform::ProfileText& text, std::string_view name) {
    ScriptRecord record;
    for (const ScriptKey& key : kScriptKeys)
        record.*key.field = text.value(name, key.name).value_or(std::string());
    return record;
}

platform::WriteResult VellumIni::writeScript(std::string_view name, const ScriptRecord& record) {
    return platform::editProfile(path_, [&](platform::ProfileText& text) {
        for (const ScriptKey& key : kScriptKeys)
            text.setValue(name, key.name, platform::quoteForProfile(record.*key.field));
        text.setValue(kListSection, name, platform::quoteForProfile(name));
    });
}

platform::WriteResult VellumIni::deleteScript(std::string_view name) {
    return platform::editProfile(path_, [&](platform::ProfileText& text) {
        text.removeKey(kListSection, name);
        text.removeSection(name);
    });
}

platform::WriteResult VellumIni::writeConfig(std::string_view key, std::string_view value) {
    return platform::writeProfileValue(path_, kConfigSection, key,
                                       platform::quoteForProfile(value));
}

} // namespace vmcntrl
