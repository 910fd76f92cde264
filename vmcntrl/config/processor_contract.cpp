#include "processor_contract.h"

namespace vmcntrl::processor {

std::string runUrl(std::string_view winScriptAlias, bool serverExtension,
                   std::string_view scriptName) {
    std::string url(winScriptAlias);
    url += serverExtension ? kExtensionProgram : kCgiProgram;
    url += scriptName;
    return url;
}

} // namespace vmcntrl::processor
