#include "form_action.h"

namespace vmcntrl {

std::string scriptUrl(std::string_view winScriptAlias, bool serverExtension,
                      std::string_view scriptName) {
    std::string url(winScriptAlias);
    url += serverExtension ? "vellum.dll/" : "vellum.exe/";
    url += scriptName;
    return url;
}

std::string formTag(std::string_view winScriptAlias, bool serverExtension,
                    std::string_view scriptName) {
    return "<FORM METHOD=\"POST\" ACTION=\"" +
           scriptUrl(winScriptAlias, serverExtension, scriptName) + "\">";
}

} // namespace vmcntrl
