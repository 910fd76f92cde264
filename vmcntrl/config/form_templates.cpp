#include "form_templates.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

namespace vmcntrl {

std::optional<std::string> templateTitle(std::string_view firstLine) {
    constexpr std::string_view open = "<!--";
    constexpr std::size_t closeLength = 3; // "-->"
    if (!firstLine.starts_with(open))
        return std::nullopt;
    // A line too short to hold both markers gives an empty title rather than a negative
    // length.
    if (firstLine.size() < open.size() + closeLength)
        return std::string();
    return std::string(firstLine.substr(open.size(), firstLine.size() - open.size() - closeLength));
}

std::vector<FormTemplate> scanFormTemplates(std::string_view programDirectory) {
    std::vector<FormTemplate> templates;
    const std::string folder = platform::joinPath(programDirectory, "template");
    for (unsigned n = 0;; ++n) {
        const std::string number = std::to_string(n);
        const std::string path = platform::joinPath(folder, number + ".fm");
        if (!platform::fileExists(path))
            break;
        const std::optional<std::string> text = platform::readFile(path);
        if (!text)
            continue;
        const std::string_view firstLine =
            std::string_view(*text).substr(0, text->find_first_of("\r\n"));
        const std::optional<std::string> title = templateTitle(firstLine);
        if (!title)
            continue;
        const std::string preview = platform::joinPath(folder, number + ".im");
        templates.push_back({*title, path, platform::fileExists(preview) ? preview : ""});
    }
    return templates;
}

} // namespace vmcntrl
