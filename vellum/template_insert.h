#pragma once

#include <string>
#include <string_view>

namespace vellum {

// Where a "Template" archive gets its new entry.
enum class InsertPlace { Top, Bottom };

// The line that opens every entry this processor inserts, so that "Top" can find the
// newest entry again; an HTML comment, invisible in the page.
std::string entryMarker(std::string_view transactionId);

// Inserts a filled entry into the archive's text: "Bottom" directly before the line
// "<!--footer-->", after the old entries; "Top" before the first marked entry, or before
// the footer when there is none yet. Returns false when the file has no footer line: the
// entry then goes at the end of the file (or, for "Top", still before the newest entry).
bool insertEntry(std::string& archive, std::string_view entry, InsertPlace place);

} // namespace vellum
