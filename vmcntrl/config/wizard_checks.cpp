#include "wizard_checks.h"

#include "platform/profile_text.h"

namespace vmcntrl {

namespace {
// The limit is what the user sees, so a letter typed as two or three UTF-8
// bytes counts once: only the continuation bytes are left out of the count.
std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++count;
    return count;
}
} // namespace

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
    if (characterCount(name) > kMaxWizardNameLength)
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
