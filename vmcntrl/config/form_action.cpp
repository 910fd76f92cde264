#include "form_action.h"

#include "processor_contract.h"

namespace vmcntrl {

std::string scriptUrl(std::string_view winScriptAlias, bool serverExtension,
                      std::string_view scriptName) {
    std::string url(winScriptAlias);
    url += serverExtension ? processor::kExtensionProgram : processor::kCgiProgram;
    url += scriptName;
    return url;
}

std::string formTag(std::string_view winScriptAlias, bool serverExtension,
                    std::string_view scriptName) {
    return "<FORM METHOD=\"POST\" ACTION=\"" +
           scriptUrl(winScriptAlias, serverExtension, scriptName) + "\">";
}

} // namespace vmcntrl
