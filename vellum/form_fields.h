#pragma once

#include "form_body.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// A submission's fields as the rest of the processor looks them up. A form written for
// comma-separated saving numbers its fields ("00E-Mail", "01Name"); wherever a field is
// found by name the number is dropped, as the panel's template keys drop it.
class FormFields {
public:
    FormFields() = default;
    explicit FormFields(std::vector<FormField> fields) : fields_(std::move(fields)) {}
    FormFields(std::initializer_list<FormField> fields) : fields_(fields) {}

    const std::vector<FormField>& all() const { return fields_; }

    // The value of the field that a template key or a fixed field name ("E-Mail", "From")
    // means, with or without the field's number: the exact name first, else the same name
    // in another letter case. Several fields
    // of that name (ticked check boxes of a group) give their values joined by ", ".
    std::optional<std::string> value(std::string_view key) const;
    // How many fields carry that name.
    std::size_t count(std::string_view key) const;

    // The values of the numbered fields by number: the columns of a comma-separated row.
    // Columns that no field filled are empty, and there are at least minimumColumns.
    std::vector<std::string> numberedColumns(std::size_t minimumColumns) const;

private:
    std::vector<const FormField*> matching(std::string_view key) const;
    std::vector<FormField> fields_;
};

// The name a field is looked up by and shown as: without the two-digit number and the "~"
// that forms may put in front of it.
std::string displayName(std::string_view fieldName);

// The number of a numbered field, or nullopt for a field that has none.
std::optional<int> fieldNumber(std::string_view fieldName);

} // namespace vellum
