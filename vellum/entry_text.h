#pragma once

#include "form_fields.h"
#include "transaction.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// One row of a comma-separated archive: every column in double quotes with inner quotes
// doubled, as the wizard writes the header line, ended by CR LF. A value a spreadsheet
// would run as a formula gets a leading apostrophe.
std::string commaRow(const std::vector<std::string>& columns);
std::string csvField(std::string_view value);

// How many columns the first line of an archive has (its header, as the wizard wrote it),
// so that a row whose last fields were not sent still fills every column. Zero for an
// empty file.
std::size_t columnCountOfFirstLine(std::string_view archive);

// A plain-text archive entry: "name: value" for every field in the order sent, the
// transaction data, and a separator line.
std::string textBlock(const FormFields& fields, const Transaction& t);

} // namespace vellum
