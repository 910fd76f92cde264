#pragma once

#include "editor_state.h"
#include "report_text.h"

#include <string>

namespace vmcntrl {

// The report's view of a script as the editor shows it; the form file is read for the
// listing, and the date is now.
ReportInput reportInputFromEditor(std::string_view scriptName, const EditorState& editor,
                                  std::string_view formTitle, std::string_view winScriptAlias,
                                  bool serverExtension);

} // namespace vmcntrl
