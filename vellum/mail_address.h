#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// A plain mailbox address, local@domain, as a recipient or envelope sender may be: no
// display name, no brackets, no blanks, no comments, nothing that could end an SMTP command.
bool isMailAddress(std::string_view text);

// The recipients of a script's copy: To names one address (or several separated by commas
// or semicolons), or the path of a recipient group file with one address per line, in
// which lines that are not addresses (the skeleton's heading, blank lines) are skipped.
// Repeated addresses are sent once.
std::vector<std::string> copyRecipients(std::string_view to, const std::string& home);

} // namespace vellum
