#include "form_fields.h"

#include "vmcntrl/config/template_keys.h"
#include "vmcntrl/config/text_lines.h"

namespace vellum {

std::string displayName(std::string_view fieldName) {
    return vmcntrl::templateKeyName(fieldName);
}

std::optional<int> fieldNumber(std::string_view fieldName) {
    if (!fieldName.empty() && fieldName.front() == '~')
        fieldName.remove_prefix(1);
    if (fieldName.size() < 2 || fieldName[0] < '0' || fieldName[0] > '9' || fieldName[1] < '0' ||
        fieldName[1] > '9')
        return std::nullopt;
    return (fieldName[0] - '0') * 10 + (fieldName[1] - '0');
}

std::vector<const FormField*> FormFields::matching(std::string_view key) const {
    // A key names a field as the template keys window lists it (without its number) or as
    // the form spells it (with it); an exact spelling wins over one in another letter case.
    std::vector<const FormField*> exact, folded;
    const std::string upperKey = vmcntrl::upperAscii(key);
    for (const FormField& field : fields_) {
        const std::string name = displayName(field.name);
        if (name == key || field.name == key)
            exact.push_back(&field);
        else if (vmcntrl::upperAscii(name) == upperKey ||
                 vmcntrl::upperAscii(field.name) == upperKey)
            folded.push_back(&field);
    }
    return exact.empty() ? folded : exact;
}

std::optional<std::string> FormFields::value(std::string_view key) const {
    const auto found = matching(key);
    if (found.empty())
        return std::nullopt;
    std::string joined;
    for (const FormField* field : found) {
        if (field != found.front())
            joined += ", ";
        joined += field->value;
    }
    return joined;
}

std::size_t FormFields::count(std::string_view key) const {
    return matching(key).size();
}

std::vector<std::string> FormFields::numberedColumns(std::size_t minimumColumns) const {
    std::vector<std::string> columns(minimumColumns);
    std::vector<bool> filled(minimumColumns, false);
    for (const FormField& field : fields_) {
        const auto number = fieldNumber(field.name);
        if (!number)
            continue;
        const auto index = static_cast<std::size_t>(*number);
        if (index >= columns.size()) {
            columns.resize(index + 1);
            filled.resize(index + 1, false);
        }
        if (filled[index])
            columns[index] += ", ";
        columns[index] += field.value;
        filled[index] = true;
    }
    return columns;
}

} // namespace vellum
