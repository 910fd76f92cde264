#include "template_keys.h"

#include "form_title.h"
#include "text_lines.h"

#include "platform/file_ops.h"

#include <array>
#include <optional>

namespace vmcntrl {
namespace {

// The processor fills these for every transaction, whatever the form holds.
constexpr std::array<std::string_view, 9> kTransactionKeys{
    "^vmDate^",          "^vmLongDate^",       "^vmTime^",
    "^vmTransactionID^", "^vmRemoteHost^",     "^vmRemoteAddress^",
    "^vmReferer^",       "^vmServerSoftware^", "^vmServerAdmin^",
};
constexpr std::string_view kDiscretePageKey = "^vmDiscretePage^";

constexpr std::string_view kNameAttribute = "NAME=\"";

// Covers found text in the capitals copy so it cannot match a tag or attribute again, while
// the copy keeps the line's length.
void mask(std::string& upper, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < upper.size(); ++i)
        upper[i] = '\0';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string templateKeyName(std::string_view fieldName) {
    if (!fieldName.empty() && fieldName.front() == '~')
        fieldName.remove_prefix(1);
    if (fieldName.size() >= 2 && isDigit(fieldName[0]) && isDigit(fieldName[1]))
        fieldName.remove_prefix(2);
    return std::string(fieldName);
}

TemplateKeys buildTemplateKeys(std::string_view formText, bool inNewDocument) {
    TemplateKeys result;
    // Option buttons of one group share a name; they offer one key. The same name coming
    // back after another field is listed again, as the form shows it twice.
    std::string previousName;
    for (std::string_view line : splitLines(formText)) {
        std::string upper = upperAscii(line);
        if (const auto title = findTitle(upper)) {
            result.formTitle = std::string(line.substr(title->textAt, title->textLength));
            mask(upper, title->tagAt, title->textAt + title->textLength);
        }
        std::size_t at = 0;
        while ((at = upper.find(kNameAttribute, at)) != std::string::npos) {
            const std::size_t nameAt = at + kNameAttribute.size();
            const std::size_t close = line.find('"', nameAt);
            const std::size_t nameEnd = close == std::string_view::npos ? line.size() : close;
            const std::string name = templateKeyName(line.substr(nameAt, nameEnd - nameAt));
            const std::string upperName = upperAscii(name);
            // A field without a name gives no key a template could use.
            if (!name.empty() && upperName != "SUBMIT" && upperName != previousName) {
                result.keys.push_back("^" + name + "^");
                previousName = upperName;
            }
            const std::size_t next = close == std::string_view::npos ? line.size() : close + 1;
            mask(upper, at, next);
            at = next;
        }
    }
    for (std::string_view key : kTransactionKeys)
        result.keys.emplace_back(key);
    if (inNewDocument)
        result.keys.emplace_back(kDiscretePageKey);
    return result;
}

TemplateKeys templateKeysOfFormFile(std::string_view formPath, bool inNewDocument) {
    const std::optional<std::string> text =
        platform::fileExists(formPath) ? platform::readFile(formPath) : std::nullopt;
    return buildTemplateKeys(text ? std::string_view(*text) : std::string_view(), inNewDocument);
}

} // namespace vmcntrl
