#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// One form template the wizard offers: "template/N.fm" in the program directory, with an
// optional preview picture "template/N.im".
struct FormTemplate {
    std::string title;
    std::string path;
    std::string preview; // empty when the template has no preview picture
};

// The templates numbered 0, 1, 2, ... up to the first number without a file. A template
// whose first line is not a "<!--title-->" comment, or that cannot be read, is left out and
// the scan goes on.
std::vector<FormTemplate> scanFormTemplates(std::string_view programDirectory);

// The title held by a template's first line: the line without its first four and last three
// characters ("<!--" and "-->"); nullopt when the line does not begin with "<!--".
std::optional<std::string> templateTitle(std::string_view firstLine);

} // namespace vmcntrl
