#include "script_record.h"

#include "platform/profile_text.h"

namespace vmcntrl {

const std::array<ScriptKey, 14> kScriptKeys{{
    {"Archive", &ScriptRecord::Archive},
    {"Form", &ScriptRecord::Form},
    {"OutputStyle", &ScriptRecord::OutputStyle},
    {"Confirm", &ScriptRecord::Confirm},
    {"SendURL", &ScriptRecord::SendURL},
    {"SendConf", &ScriptRecord::SendConf},
    {"To", &ScriptRecord::To},
    {"Sender", &ScriptRecord::Sender},
    {"Subject", &ScriptRecord::Subject},
    {"SendMessage", &ScriptRecord::SendMessage},
    {"OutputTemplate", &ScriptRecord::OutputTemplate},
    {"Append", &ScriptRecord::Append},
    {"Locked", &ScriptRecord::Locked},
    {"Target", &ScriptRecord::Target},
}};

std::vector<std::string> ScriptList::values() const {
    std::vector<std::string> values;
    values.reserve(entries_.size());
    for (const auto& entry : entries_)
        values.push_back(entry.value);
    return values;
}

bool ScriptList::containsIgnoringCase(std::string_view name) const {
    const std::string wanted = platform::foldCase(name);
    for (const auto& entry : entries_)
        if (platform::foldCase(entry.value) == wanted || platform::foldCase(entry.key) == wanted)
            return true;
    return false;
}

} // namespace vmcntrl
