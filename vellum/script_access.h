#pragma once

#include "vmcntrl/config/script_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellum {

// The script a request names, as its NumTags key (the name of its section): only a listed
// script, found without regard to case as the profile functions find names. A name with a
// path separator, "..", a control character or of absurd length is never looked up.
std::optional<std::string> findListedScript(const vmcntrl::ScriptList& list,
                                            std::string_view requested);

// Whether a Locked script may run for this request: always when Locked is not "True";
// otherwise only when the Referer's path ends with the file name of the script's Form, or
// is the script's own address (the form as GET served it).
bool refererMayRun(const vmcntrl::ScriptRecord& script, std::string_view scriptName,
                   std::string_view referer);

// The path of a URL, without scheme, host, query and fragment, with %-escapes decoded.
std::string urlPath(std::string_view url);

} // namespace vellum
