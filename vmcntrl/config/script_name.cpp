#include "script_name.h"

#include "vellum_ini.h"

#include "platform/paths.h"
#include "platform/profile_text.h"

namespace vmcntrl {

std::string unstorableNameReason(std::string_view name) {
    const std::string quoted = "\"" + std::string(name) + "\"";
    if (name.empty())
        return "A script needs a name.";
    const std::string folded = platform::foldCase(name);
    if (folded == platform::foldCase(kConfigSection) || folded == platform::foldCase(kListSection))
        return "The name " + quoted + " is reserved for the settings and the list of scripts.";
    if (name.front() == ' ' || name.front() == '\t' || name.back() == ' ' || name.back() == '\t')
        return "A script name cannot begin or end with a blank.";
    if (name.front() == ';')
        return "A script name cannot begin with \";\".";
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        return "A script name cannot be enclosed in quotation marks.";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            return "A script name cannot contain control characters.";
        if (c == '[' || c == ']' || c == '=')
            return "A script name cannot contain \"[\", \"]\" or \"=\".";
        if (platform::isPathSeparator(c))
            return "A script name cannot contain \"\\\" or \"/\".";
    }
    if (name == "." || name == "..")
        return "The name " + quoted + " cannot be used as a script name.";
    return {};
}

} // namespace vmcntrl
