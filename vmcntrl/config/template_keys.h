#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// The keys a script's templates can use: its form's fields in order, then the transaction
// keys, then the new-document key when entries become documents of their own. Building the
// list also finds the form's title (the last title line wins).
struct TemplateKeys {
    std::vector<std::string> keys;
    std::string formTitle;
};

// formHtml is nullopt when the form file is missing.
TemplateKeys buildTemplateKeys(const std::optional<std::string>& formHtml, bool newDocument);

} // namespace vmcntrl
