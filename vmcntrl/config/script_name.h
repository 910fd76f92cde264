#pragma once

#include <string>
#include <string_view>

namespace vmcntrl {

// Why a name cannot be stored faithfully as a script's section and NumTags key (or used as
// the stem of its report file), or empty when it can. Every place that takes a new script
// name asks this before writing anything.
std::string unstorableNameReason(std::string_view name);

} // namespace vmcntrl
