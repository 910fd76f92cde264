#pragma once

#include "editor_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// A form template offered by the wizard: template/N.fm with its title line, and the preview
// picture template/N.im when there is one (empty otherwise).
struct FormTemplate {
    int number = 0;
    std::string title;
    std::string path;
    std::string preview;
};

// Templates numbered from 0 up to the first gap; one whose first line is not a "<!--title-->"
// comment is skipped but does not end the scan.
std::vector<FormTemplate> scanFormTemplates(std::string_view programDirectory);

// The wizard's own name rules, in its order: the message for the first that fails, or empty.
// An empty name fails without a message, which the caller tells apart by the name itself.
std::string wizardNameProblem(std::string_view name);

enum class WizardSaveStyle { Discard, Text, Data };

// The form file the wizard writes around a template, and the header line of the data file
// (the field names in form order) when the form is numbered for comma-separated saving.
struct WizardForm {
    std::string html;
    std::string dataHeader;
};
WizardForm buildWizardForm(std::string_view templateText, std::string_view scriptName,
                           std::string_view winScriptAlias, bool serverExtension,
                           WizardSaveStyle style);

// Numbers the fields of one template line for comma-separated saving, so that the columns
// the processor saves follow the form's field order. Consecutive fields of one name (an
// option group) share a number; submit buttons keep their names.
struct FieldNumbering {
    int counter = -1;
    std::string previousName;
    std::string header;
    std::string numberLine(std::string_view line);
};

// The data file the wizard creates beside the form.
std::string wizardDataFile(WizardSaveStyle style, std::string_view scriptName,
                           std::string_view dataHeader);

// Everything the wizard's pages chose.
struct WizardChoices {
    std::string name;
    std::string templatePath;
    WizardSaveStyle style = WizardSaveStyle::Text;
    bool sendToUrl = false;
    std::string url;
    bool copyTo = false;
    std::string copyToAddress;
    std::string from;
    std::string subject;
};

// Where the wizard's files go in the program directory.
std::string wizardFormPath(std::string_view programDirectory, std::string_view name);
std::string wizardDataPath(std::string_view programDirectory, std::string_view name,
                           WizardSaveStyle style);

// What the wizard puts into the editor: the fields it sets, the others as they were.
EditorState applyWizardChoices(EditorState editor, const WizardChoices& choices,
                               std::string_view programDirectory);

// Writes the form file (when the template exists) and the data file, creating the FORMS and
// SAVED folders when they are missing. Returns an error sentence, or empty on success.
std::string writeWizardFiles(const WizardChoices& choices, std::string_view programDirectory,
                             std::string_view winScriptAlias, bool serverExtension);

} // namespace vmcntrl
