#include "script_access.h"

#include "percent_decoding.h"

#include "platform/paths.h"
#include "platform/profile_text.h"
#include "vmcntrl/config/processor_contract.h"
#include "vmcntrl/config/text_lines.h"

namespace vellum {

namespace {

bool plainScriptName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name.find("..") != std::string_view::npos)
        return false;
    for (char c : name)
        if (platform::isPathSeparator(c) || static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
    return true;
}

bool endsWithSegment(std::string_view path, std::string_view segment, bool ignoreCase) {
    if (segment.empty() || path.size() < segment.size())
        return false;
    std::string_view tail = path.substr(path.size() - segment.size());
    const bool same =
        ignoreCase ? vmcntrl::upperAscii(tail) == vmcntrl::upperAscii(segment) : tail == segment;
    return same && (path.size() == segment.size() ||
                    platform::isPathSeparator(path[path.size() - segment.size() - 1]));
}

} // namespace

std::optional<std::string> findListedScript(const vmcntrl::ScriptList& list,
                                            std::string_view requested) {
    if (!plainScriptName(requested))
        return std::nullopt;
    const std::string wanted = platform::foldCase(requested);
    for (const vmcntrl::ScriptListEntry& entry : list.entries())
        if (platform::foldCase(entry.key) == wanted && plainScriptName(entry.key))
            return entry.key;
    return std::nullopt;
}

std::string urlPath(std::string_view url) {
    const std::size_t end = url.find_first_of("?#");
    url = url.substr(0, end);
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        const std::size_t pathAt = url.find('/', scheme + 3);
        url = pathAt == std::string_view::npos ? std::string_view() : url.substr(pathAt);
    }
    return decodeUrlPath(url);
}

bool refererMayRun(const vmcntrl::ScriptRecord& script, std::string_view scriptName,
                   std::string_view referer) {
    if (script.Locked != "True")
        return true;
    const std::string path = urlPath(referer);
    if (path.empty())
        return false;
    const std::string formName = platform::fileNameFromPath(script.Form);
    if (endsWithSegment(path, formName, false))
        return true;
    // The script's own address: .../vellum.exe/<script>, the name found as NumTags finds it.
    if (!endsWithSegment(path, scriptName, true))
        return false;
    const std::string_view before =
        std::string_view(path).substr(0, path.size() - scriptName.size());
    std::string_view program = vmcntrl::processor::kCgiProgram;
    return before.size() >= program.size() &&
           before.substr(before.size() - program.size()) == program &&
           (before.size() == program.size() ||
            platform::isPathSeparator(before[before.size() - program.size() - 1]));
}

} // namespace vellum
