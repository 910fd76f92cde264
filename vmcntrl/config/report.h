#pragma once

#include "editor_state.h"

#include <ctime>
#include <optional>
#include <string>

namespace vmcntrl {

// What the script report describes: the editor's fields as they stand, and what the panel
// knows besides them.
struct ReportInput {
    std::string name;
    EditorState editor;
    std::string formTitle;
    std::optional<std::string> formListing; // nullopt: the form file could not be read
    std::string winScriptAlias;
    bool serverExtension = false;
    std::string dateTime; // in the system's general date format
};

// The report text, every line ended with CR LF.
std::string reportText(const ReportInput& input);

} // namespace vmcntrl

namespace vmcntrl {
// A moment in the system's general date and time format (its locale's date, then its time).
std::string generalDateTime(std::time_t moment);
} // namespace vmcntrl
