#include "template_keys.h"

#include "processor_contract.h"

#include <algorithm>
#include <cctype>

namespace vmcntrl {

namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

// Masking keeps the search copy as long as the line; small letters can never match the
// capital tags again.
void mask(std::string& search, std::size_t from, std::size_t to) {
    std::fill(search.begin() + static_cast<std::ptrdiff_t>(from),
              search.begin() + static_cast<std::ptrdiff_t>(std::min(to, search.size())), 'x');
}

// The wizard numbers fields with two digits and forms may hide a field behind "~"; the keys
// use the plain name.
std::string cleanFieldName(std::string name) {
    if (!name.empty() && name.front() == '~')
        name.erase(0, 1);
    if (name.size() >= 2 && std::isdigit(static_cast<unsigned char>(name[0])) &&
        std::isdigit(static_cast<unsigned char>(name[1])))
        name.erase(0, 2);
    return name;
}

} // namespace

TemplateKeys buildTemplateKeys(const std::optional<std::string>& formHtml, bool newDocument) {
    TemplateKeys result;
    if (formHtml) {
        std::string previous;
        std::size_t start = 0;
        const std::string& text = *formHtml;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            const std::string line = text.substr(start, end - start);
            start =
                end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);

            std::string search = upper(line);
            if (const std::size_t at = search.find("<TITLE>"); at != std::string::npos) {
                const std::size_t titleStart = at + 7;
                const std::size_t titleEnd = std::min(line.find('<', titleStart), line.size());
                result.formTitle = line.substr(titleStart, titleEnd - titleStart);
                mask(search, at, titleEnd);
            }
            for (std::size_t at = search.find("NAME=\""); at != std::string::npos;
                 at = search.find("NAME=\"")) {
                const std::size_t nameStart = at + 6;
                const std::size_t nameEnd = std::min(line.find('"', nameStart), line.size());
                const std::string name =
                    cleanFieldName(line.substr(nameStart, nameEnd - nameStart));
                const std::string folded = upper(name);
                // An empty name (NAME="") names no field and gives no key.
                if (!name.empty() && folded != "SUBMIT" && folded != previous) {
                    result.keys.push_back("^" + name + "^");
                    previous = folded;
                }
                mask(search, at, nameEnd + 1);
            }
        }
    }
    for (std::string_view key : processor::kTransactionKeys)
        result.keys.emplace_back(key);
    if (newDocument)
        result.keys.emplace_back(processor::kDiscretePageKey);
    return result;
}

} // namespace vmcntrl
