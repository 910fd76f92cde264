#pragma once

#include <string>
#include <string_view>

namespace vmcntrl {

// The address that runs a script through the form processor: the CGI alias, "vellum.dll/"
// when the processor runs as the server extension or "vellum.exe/" as a CGI program, then
// the script name as extra path.
std::string scriptUrl(std::string_view winScriptAlias, bool serverExtension,
                      std::string_view scriptName);

// The opening form tag that posts a form to that address.
std::string formTag(std::string_view winScriptAlias, bool serverExtension,
                    std::string_view scriptName);

} // namespace vmcntrl
