#include "report.h"

#include "processor_contract.h"

namespace vmcntrl {

namespace {

class ReportWriter {
public:
    void line(std::string_view text = {}) {
        text_ += text;
        text_ += "\r\n";
    }
    // Indented lines start in the second print zone, column 15.
    void indented(std::string_view text) { line(std::string(14, ' ') + std::string(text)); }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

} // namespace

std::string reportText(const ReportInput& in) {
    const EditorState& s = in.editor;
    const std::string url = processor::runUrl(in.winScriptAlias, in.serverExtension, in.name);
    const std::string formTag = "Form Tag Syntax: <FORM METHOD=\"POST\" ACTION=\"" + url + "\">";
    ReportWriter r;
    r.line("Report of " + in.name + " script.");
    r.line();
    r.line(in.dateTime);
    r.line();
    r.line("-----Form Attributes-----");
    r.line();
    if (s.form.empty()) {
        r.indented("No form is associated with this script.");
        r.indented("To direct a pre-existing form to this script, the syntax for the Form Tag is:");
        r.indented(formTag);
        r.line();
    } else {
        r.indented("Form Title: " + in.formTitle);
        r.line();
        r.indented("Form file name: " + s.form);
        r.line();
        r.indented(formTag);
        r.line();
        r.indented("URL of this Form: " + url);
        r.line();
        r.indented("Form:");
        r.line();
        if (in.formListing) {
            for (std::string_view line : linesOf(*in.formListing))
                r.indented(line);
        } else {
            r.indented("(The form file could not be read.)");
        }
        r.line();
    }
    r.line();
    r.line("-----Saved to File Attributes-----");
    r.line();
    switch (s.saveStyle) {
    case SaveStyle::Discard:
        r.indented("No information is saved by this script");
        r.line();
        break;
    case SaveStyle::Text:
    case SaveStyle::Comma:
        r.indented(s.saveStyle == SaveStyle::Text
                       ? "Submissions to this script will be appended to a plain text file"
                       : "Submissions to this script will be appended to a data file");
        r.line();
        r.indented("File name: " + s.writeToFile);
        r.line();
        break;
    case SaveStyle::Template:
        r.indented("Submissions to this script will be formatted by a template file: ");
        r.indented(s.outputTemplate);
        r.line();
        if (s.insert == InsertMode::NewDocument) {
            r.indented("Formatted submissions will then be created as new documents in");
            r.indented(s.newDocumentDirectory);
        } else {
            r.indented("Formatted submissions will then be inserted in");
            r.indented(s.writeToFile);
            r.indented(s.insert == InsertMode::BeforeOld ? "above previous submissions."
                                                         : "below previous submissions.");
        }
        r.line();
        break;
    }
    r.line();
    r.line("-----Send to Browser attributes-----");
    r.line();
    switch (s.response) {
    case Response::Simple:
        r.indented("The browser will be sent an acknowledgement of the submission");
        r.indented("containing the submitted data and based on a default template.");
        break;
    case Response::Url:
        r.indented("The browser will be directed to " + s.url);
        break;
    case Response::Template:
        r.indented("The browser will be sent a document based on a template:");
        r.indented(s.confirmationTemplate);
        break;
    }
    r.line();
    r.line();
    r.line("-----Email Options-----");
    r.line();
    if (!s.copyTo && !s.letter) {
        r.indented("No email options have been selected");
        r.line();
    }
    if (s.copyTo) {
        r.indented("Email containing the submitted contents of the form and transaction");
        r.indented("specific information will be sent to: ");
        r.indented(s.copyToText);
        r.indented("(If a filename, file contains multiple email addresses)");
        r.line();
    }
    if (s.letter) {
        r.indented("Email containing the text of " + s.letterBody +
                   " will be mailed back to the user.");
        r.indented(
            "This option requires that the form include <INPUT NAME=\"E-Mail\"> and that the user");
        r.indented("supplies an email address.");
        r.line();
    }
    if (s.copyTo || s.letter) {
        r.indented("Subject of Email: " + s.subject);
        r.line();
        r.indented("Email sent from: " + s.from);
        r.line();
    }
    r.line("-----End of report-----");
    r.line();
    return r.take();
}

} // namespace vmcntrl

namespace vmcntrl {
std::string generalDateTime(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%x %X", &local);
    return std::string(buffer, n);
}
} // namespace vmcntrl
