#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace vmcntrl {

// What the script report describes: the script as the editor shows it. The window fills
// this from its controls; the batch report fills it from the stored script.
struct ReportInput {
    enum class Save { NotSaved, PlainText, Data, Template };
    enum class Insert { BeforeOld, AfterOld, NewDocument };
    enum class Response { SimpleConfirmation, Url, Template };

    std::string scriptName;
    std::string dateTime; // already in the system's general date format
    std::string winScriptAlias;
    bool serverExtension = false;

    std::string form;      // the form file; empty when the script has none
    std::string formTitle; // as the editor shows it
    // The form file's text for the listing; nullopt when it cannot be read.
    std::optional<std::string> formText;

    Save save = Save::Template;
    Insert insert = Insert::BeforeOld;
    std::string writeToFile;
    std::string outputTemplate;
    std::string newDocumentDirectory;

    Response response = Response::SimpleConfirmation;
    std::string url;
    std::string confirmationTemplate;

    bool copyTo = false;
    std::string copyToText;
    bool letter = false;
    std::string letterBody;
    std::string subject;
    std::string from;
};

// The report as the user reads it in the text editor, every line ended by CR LF. Details
// stand indented by 14 blanks under each section's heading.
std::string reportText(const ReportInput& input);

// The report file of a script: program directory, script name, ".rpt". nullopt for a name
// holding a path separator (a hand-edited vellum.ini can list one), which would put the
// report somewhere outside the program directory.
std::optional<std::string> reportPath(std::string_view programDirectory,
                                      std::string_view scriptName);

// A moment as the system writes a general date and time (the C library's locale format,
// "%x %X"); the window may use its toolkit's locale instead.
std::string generalDateTime(const std::tm& moment);
std::string generalDateTimeNow();

} // namespace vmcntrl
