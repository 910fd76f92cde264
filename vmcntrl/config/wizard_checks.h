#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// The response page starts with this text in the URL box; left as it is, the user has not
// typed a URL yet. Only this exact text is refused: a lower-case prefix or an empty box is
// taken as the user's choice.
inline constexpr std::string_view kUrlPlaceholder = "HTTP://";
inline constexpr std::string_view kForgotUrlMessage = "Don't forget to enter a URL!";
bool urlStillPlaceholder(std::string_view url);

inline constexpr std::string_view kNameHasSpacesMessage = "Script Names should not contain spaces";
inline constexpr std::string_view kNameHasSymbolsMessage =
    "Script Names should not contain symbols";
inline constexpr std::string_view kNameTooLongMessage =
    "Script Names should be 32 characters or less";
inline constexpr std::size_t kMaxWizardNameLength = 32;
// Characters that would break the form's action address, the file names made from the
// script name or the script's line in vellum.ini.
inline constexpr std::string_view kWizardNameSymbols = "&+,\"./\\[]:;|=\'?";

// The wizard's checks of a new script name, in the order the user meets them; the first
// that fails decides. An empty name is refused without a message: the wizard just stays.
struct NameCheck {
    enum Outcome { Accepted, Empty, Refused } outcome = Accepted;
    std::string message; // for Refused
    bool accepted() const { return outcome == Accepted; }
};
NameCheck checkWizardScriptName(std::string_view name);

// The listed script that a new name would overwrite, in its listed spelling. Names match
// without regard to letter case, as vellum.ini's sections do: a name differing only in case
// writes into the same section.
std::optional<std::string> findListedScript(const std::vector<std::string>& listed,
                                            std::string_view name);

inline constexpr std::string_view kReplaceTitle = "Script Name";
// name + " already exists.", CR LF, "Do you want to replace it?"
std::string replaceQuestion(std::string_view name);

} // namespace vmcntrl
