#include "wizard_checks.h"

#include "platform/profile_text.h"

namespace vmcntrl {

bool urlStillPlaceholder(std::string_view url) {
    return url == kUrlPlaceholder;
}

NameCheck checkWizardScriptName(std::string_view name) {
    if (name.empty())
        return {NameCheck::Empty, {}};
    if (name.find(' ') != std::string_view::npos)
        return {NameCheck::Refused, std::string(kNameHasSpacesMessage)};
    if (name.find_first_of(kWizardNameSymbols) != std::string_view::npos)
        return {NameCheck::Refused, std::string(kNameHasSymbolsMessage)};
    if (name.size() > kMaxWizardNameLength)
        return {NameCheck::Refused, std::string(kNameTooLongMessage)};
    return {NameCheck::Accepted, {}};
}

std::optional<std::string> findListedScript(const std::vector<std::string>& listed,
                                            std::string_view name) {
    const std::string wanted = platform::foldCase(name);
    for (const std::string& entry : listed)
        if (platform::foldCase(entry) == wanted)
            return entry;
    return std::nullopt;
}

std::string replaceQuestion(std::string_view name) {
    return std::string(name) + " already exists.\r\nDo you want to replace it?";
}

} // namespace vmcntrl
