#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// What the template keys window lists for a script, and the form title it shows on the main
// window while building the list.
struct TemplateKeys {
    std::vector<std::string> keys; // each as a template spells it: "^name^"
    std::string formTitle;         // empty when the form has no title
};

// The keys of a form file's fields, in the order they appear, followed by the transaction
// keys the processor always fills, and the new-document key when entries go into a new
// document each. A form that is missing or cannot be read is passed as empty text: the
// list then holds the fixed keys only.
TemplateKeys buildTemplateKeys(std::string_view formText, bool inNewDocument);

// The same for the form file a script names: a missing or unreadable file (or an empty path)
// lists the fixed keys only. The file is only read.
TemplateKeys templateKeysOfFormFile(std::string_view formPath, bool inNewDocument);

// A form field name as templates use it: without a leading "~" and without the two-digit
// number that forms written for data saving put in front of every field.
std::string templateKeyName(std::string_view fieldName);

} // namespace vmcntrl
