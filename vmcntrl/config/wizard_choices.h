#pragma once

#include "editor_state.h"
#include "form_writer.h"

#include <string>
#include <string_view>

namespace vmcntrl {

// Everything the wizard's pages chose for a new script.
struct WizardChoices {
    std::string name;
    std::string templatePath; // empty when no usable template was offered
    WizardSaveStyle style = WizardSaveStyle::Text;
    bool sendToUrl = false;
    std::string url;
    bool copyTo = false;
    std::string copyToAddress;
    std::string from;
    std::string subject;
};

// What the wizard puts into the editor before pressing its Save: the form file the wizard
// wrote (formPath, empty when there was none), the data file, the response and, only when
// copying is ticked, the copy-to address, From and Subject. Every other field keeps the
// value the editor had.
EditorState applyWizardChoices(EditorState editor, const WizardChoices& choices,
                               std::string_view programDirectory, std::string_view formPath);

// The editor as start-up and New leave it: simple confirmation, saving based on a template
// before old entries, every box empty.
EditorState freshEditorState();

} // namespace vmcntrl
