#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vmcntrl {

// How the wizard's new script saves submitted forms.
enum class WizardSaveStyle { DontSave, Text, Data };

// Numbers a form's fields for comma-separated saving, line by line across one form: the
// processor writes the columns in the order of the numbers, so the saved data follows the
// form. Consecutive fields of one name (an option group) share a number; submit buttons keep
// their name. The header line lists the names as the template spells them, for the data
// file's first line.
class FieldNumbering {
public:
    std::string numberLine(std::string_view line);
    const std::string& headerLine() const { return header_; }

private:
    int counter_ = -1;
    std::string previous_;
    std::string header_;
};

// A new script's form file: the page around the form, the form tag that posts to the
// script, and the template's lines (numbered for the "Data" style).
struct FormFileText {
    std::string bytes;
    std::string dataHeader; // the numbered fields' header line; empty unless "Data"
};
FormFileText formFileText(std::string_view templateText, std::string_view scriptName,
                          std::string_view winScriptAlias, bool serverExtension,
                          WizardSaveStyle style);

// The new script's data file: the three header lines of a text file, or the header line of a
// data file. Empty for "Don't Save", which has no data file.
std::string dataFileText(WizardSaveStyle style, std::string_view scriptName,
                         std::string_view dataHeader);

// Where the wizard puts a script's files: FORMS/N.html and SAVED/N.txt or SAVED/N.csv in the
// program directory (no data file for "Don't Save").
std::string wizardFormPath(std::string_view programDirectory, std::string_view scriptName);
std::string wizardDataPath(std::string_view programDirectory, std::string_view scriptName,
                           WizardSaveStyle style);

struct WizardFilesRequest {
    std::string programDirectory;
    std::string scriptName;
    std::string templatePath; // empty when no usable template was offered
    std::string winScriptAlias;
    bool serverExtension = false;
    WizardSaveStyle style = WizardSaveStyle::Text;
};

struct WizardFiles {
    // The form file the editor names: empty when there was no template to build one from.
    // When the chosen template has gone missing it is still named, though not written.
    std::string formPath;
    bool formWritten = false;
    std::string dataPath; // empty for "Don't Save"
    // One sentence for each file that could not be written; empty when all went well.
    std::vector<std::string> errors;
    bool ok() const { return errors.empty(); }
};

// Writes the form file and the data file of a new script, replacing files of the same name.
// Missing FORMS and SAVED folders are created. A failure with one file does not keep the
// other from being written.
WizardFiles writeWizardFiles(const WizardFilesRequest& request);

} // namespace vmcntrl
