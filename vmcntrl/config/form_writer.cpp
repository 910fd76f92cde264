#include "form_writer.h"

#include "form_action.h"
#include "text_lines.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

#include <filesystem>
#include <optional>

namespace vmcntrl {
namespace {

constexpr std::string_view kNameAttribute = "NAME=\"";
// Same length as the attribute, so the capitals copy stays aligned with the line.
constexpr std::string_view kPassedAttribute = "BLOP=\"";

std::string fieldNumber(int counter) {
    const std::string digits = std::to_string(counter);
    return counter < 10 ? "0" + digits : digits;
}

// Creates the folder a file goes into when it is missing; the error sentence, or empty.
std::string ensureFolderOf(const std::string& path) {
    const std::string folder = platform::directoryOfPath(path);
    if (folder.empty() || platform::directoryExists(folder))
        return {};
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !platform::directoryExists(folder))
        return "The folder " + folder + " could not be created.";
    return {};
}

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes) {
    if (std::string error = ensureFolderOf(path); !error.empty())
        return error;
    if (platform::WriteResult result = platform::writeFileAtomically(path, bytes); !result)
        return result.error;
    return std::nullopt;
}

} // namespace

std::string FieldNumbering::numberLine(std::string_view original) {
    std::string line(original);
    std::string upper = upperAscii(original);
    std::size_t at = 0;
    while ((at = upper.find(kNameAttribute, at)) != std::string::npos) {
        const std::size_t nameAt = at + kNameAttribute.size();
        const std::size_t close = line.find('"', nameAt);
        const std::size_t nameEnd = close == std::string::npos ? line.size() : close;
        const std::string name = line.substr(nameAt, nameEnd - nameAt);
        upper.replace(at, kNameAttribute.size(), kPassedAttribute);
        // A field without a name is not sent by the browser, so it gets no number and no
        // column; numbering it would make it a submitted field.
        if (name.empty() || upperAscii(name) == "SUBMIT") {
            at = nameAt;
            continue;
        }
        if (name != previous_) {
            ++counter_;
            if (counter_ > 0)
                header_ += ',';
            header_ += '"' + name + '"';
        }
        previous_ = name;
        const std::string number = fieldNumber(counter_);
        line.insert(nameAt, number);
        upper.insert(nameAt, number);
        at = nameAt + number.size() + name.size();
    }
    return line;
}

FormFileText formFileText(std::string_view templateText, std::string_view scriptName,
                          std::string_view winScriptAlias, bool serverExtension,
                          WizardSaveStyle style) {
    FormFileText form;
    std::string& out = form.bytes;
    appendLine(out, "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">");
    appendLine(out, "<HTML>");
    appendLine(out, "<HEAD>");
    appendLine(out, "<TITLE>" + std::string(scriptName) + "</TITLE>");
    appendLine(out, "</HEAD>");
    appendLine(out, "<BODY>");
    appendLine(out, "<H1></H1>");
    appendLine(out, "");
    appendLine(out, formTag(winScriptAlias, serverExtension, scriptName));
    appendLine(out, "");
    FieldNumbering numbering;
    for (std::string_view line : splitLines(templateText))
        appendLine(out,
                   style == WizardSaveStyle::Data ? numbering.numberLine(line) : std::string(line));
    appendLine(out, "</FORM>");
    appendLine(out, "</BODY>");
    appendLine(out, "</HTML>");
    form.dataHeader = numbering.headerLine();
    return form;
}

std::string dataFileText(WizardSaveStyle style, std::string_view scriptName,
                         std::string_view dataHeader) {
    std::string out;
    switch (style) {
    case WizardSaveStyle::DontSave:
        break;
    case WizardSaveStyle::Text:
        appendLine(out, "*Output file for " + std::string(scriptName) + " script*");
        appendLine(out, "*You may remove or change this header*");
        appendLine(out, "*Submitted Data will be appended to the end of this file*");
        break;
    case WizardSaveStyle::Data:
        appendLine(out, dataHeader);
        break;
    }
    return out;
}

std::string wizardFormPath(std::string_view programDirectory, std::string_view scriptName) {
    return platform::joinPath(platform::joinPath(programDirectory, "FORMS"),
                              std::string(scriptName) + ".html");
}

std::string wizardDataPath(std::string_view programDirectory, std::string_view scriptName,
                           WizardSaveStyle style) {
    if (style == WizardSaveStyle::DontSave)
        return {};
    const char* extension = style == WizardSaveStyle::Data ? ".csv" : ".txt";
    return platform::joinPath(platform::joinPath(programDirectory, "SAVED"),
                              std::string(scriptName) + extension);
}

WizardFiles writeWizardFiles(const WizardFilesRequest& request) {
    WizardFiles files;
    std::string dataHeader;
    if (!request.templatePath.empty()) {
        files.formPath = wizardFormPath(request.programDirectory, request.scriptName);
        // A template that has gone since the scan leaves the form unwritten, as there is
        // nothing to build it from.
        if (platform::fileExists(request.templatePath)) {
            if (const std::optional<std::string> templateText =
                    platform::readFile(request.templatePath)) {
                const FormFileText form =
                    formFileText(*templateText, request.scriptName, request.winScriptAlias,
                                 request.serverExtension, request.style);
                dataHeader = form.dataHeader;
                if (auto error = writeWholeFile(files.formPath, form.bytes))
                    files.errors.push_back(*error);
                else
                    files.formWritten = true;
            } else {
                files.errors.push_back("The form template " + request.templatePath +
                                       " could not be read.");
            }
        }
    }
    files.dataPath = wizardDataPath(request.programDirectory, request.scriptName, request.style);
    if (!files.dataPath.empty()) {
        if (auto error = writeWholeFile(
                files.dataPath, dataFileText(request.style, request.scriptName, dataHeader)))
            files.errors.push_back(*error);
    }
    return files;
}

} // namespace vmcntrl
