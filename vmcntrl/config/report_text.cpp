#include "report_text.h"

#include "form_action.h"
#include "text_lines.h"

#include "platform/paths.h"

#include <algorithm>

namespace vmcntrl {
namespace {

// Writes the report's lines; details start in column 15, one print zone in.
class ReportWriter {
public:
    void line(std::string_view text) { appendLine(out_, text); }
    void empty() { appendLine(out_, ""); }
    void indented(std::string_view text) {
        out_.append(14, ' ');
        appendLine(out_, text);
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void formSection(ReportWriter& w, const ReportInput& in) {
    const std::string tagLine =
        "Form Tag Syntax: " + formTag(in.winScriptAlias, in.serverExtension, in.scriptName);
    if (in.form.empty()) {
        w.indented("No form is associated with this script.");
        w.indented("To direct a pre-existing form to this script, the syntax for the Form Tag is:");
        w.indented(tagLine);
        w.empty();
        return;
    }
    w.indented("Form Title: " + in.formTitle);
    w.empty();
    w.indented("Form file name: " + in.form);
    w.empty();
    w.indented(tagLine);
    w.empty();
    w.indented("URL of this Form: " +
               scriptUrl(in.winScriptAlias, in.serverExtension, in.scriptName));
    w.empty();
    w.indented("Form:");
    w.empty();
    if (in.formText) {
        for (std::string_view formLine : splitLines(*in.formText))
            w.indented(formLine);
    } else {
        w.indented("The form file could not be read.");
    }
    w.empty();
}

void saveSection(ReportWriter& w, const ReportInput& in) {
    switch (in.save) {
    case ReportInput::Save::NotSaved:
        w.indented("No information is saved by this script");
        w.empty();
        return;
    case ReportInput::Save::PlainText:
    case ReportInput::Save::Data:
        w.indented(in.save == ReportInput::Save::PlainText
                       ? "Submissions to this script will be appended to a plain text file"
                       : "Submissions to this script will be appended to a data file");
        w.empty();
        w.indented("File name: " + in.writeToFile);
        w.empty();
        return;
    case ReportInput::Save::Template:
        w.indented("Submissions to this script will be formatted by a template file: ");
        w.indented(in.outputTemplate);
        w.empty();
        if (in.insert == ReportInput::Insert::NewDocument) {
            w.indented("Formatted submissions will then be created as new documents in");
            w.indented(in.newDocumentDirectory);
        } else {
            w.indented("Formatted submissions will then be inserted in");
            w.indented(in.writeToFile);
            w.indented(in.insert == ReportInput::Insert::BeforeOld ? "above previous submissions."
                                                                   : "below previous submissions.");
        }
        w.empty();
        return;
    }
}

void browserSection(ReportWriter& w, const ReportInput& in) {
    switch (in.response) {
    case ReportInput::Response::SimpleConfirmation:
        w.indented("The browser will be sent an acknowledgement of the submission");
        w.indented("containing the submitted data and based on a default template.");
        break;
    case ReportInput::Response::Url:
        w.indented("The browser will be directed to " + in.url);
        break;
    case ReportInput::Response::Template:
        w.indented("The browser will be sent a document based on a template:");
        w.indented(in.confirmationTemplate);
        break;
    }
    w.empty();
}

void emailSection(ReportWriter& w, const ReportInput& in) {
    if (!in.copyTo && !in.letter) {
        w.indented("No email options have been selected");
        w.empty();
        return;
    }
    if (in.copyTo) {
        w.indented("Email containing the submitted contents of the form and transaction");
        w.indented("specific information will be sent to: ");
        w.indented(in.copyToText);
        w.indented("(If a filename, file contains multiple email addresses)");
        w.empty();
    }
    if (in.letter) {
        w.indented("Email containing the text of " + in.letterBody +
                   " will be mailed back to the user.");
        w.indented("This option requires that the form include <INPUT NAME=\"E-Mail\"> and "
                   "that the user");
        w.indented("supplies an email address.");
        w.empty();
    }
    w.indented("Subject of Email: " + in.subject);
    w.empty();
    w.indented("Email sent from: " + in.from);
    w.empty();
}

} // namespace

std::string reportText(const ReportInput& in) {
    ReportWriter w;
    w.line("Report of " + in.scriptName + " script.");
    w.empty();
    w.line(in.dateTime);
    w.empty();
    w.line("-----Form Attributes-----");
    w.empty();
    formSection(w, in);
    w.empty();
    w.line("-----Saved to File Attributes-----");
    w.empty();
    saveSection(w, in);
    w.empty();
    w.line("-----Send to Browser attributes-----");
    w.empty();
    browserSection(w, in);
    w.empty();
    w.line("-----Email Options-----");
    w.empty();
    emailSection(w, in);
    w.line("-----End of report-----");
    w.empty();
    return w.take();
}

std::optional<std::string> reportPath(std::string_view programDirectory,
                                      std::string_view scriptName) {
    if (scriptName.empty() || std::any_of(scriptName.begin(), scriptName.end(), [](char c) {
            return platform::isPathSeparator(c) || c == '\0';
        }))
        return std::nullopt;
    return platform::joinPath(programDirectory, std::string(scriptName) + ".rpt");
}

std::string generalDateTime(const std::tm& moment) {
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%x %X", &moment);
    return std::string(buffer, length);
}

std::string generalDateTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return generalDateTime(local);
}

} // namespace vmcntrl
