#include "wizard.h"

#include "processor_contract.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vmcntrl {

namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

// The lines of a text without their line ends (CR LF, LF or CR).
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string withCrLf(std::string_view line) {
    return std::string(line) + "\r\n";
}

std::string processorProgram(bool serverExtension) {
    return std::string(serverExtension ? processor::kExtensionProgram : processor::kCgiProgram);
}

} // namespace

std::vector<FormTemplate> scanFormTemplates(std::string_view programDirectory) {
    std::vector<FormTemplate> found;
    const std::string folder = platform::joinPath(programDirectory, "template");
    for (int n = 0;; ++n) {
        const std::string path = platform::joinPath(folder, std::to_string(n) + ".fm");
        if (!platform::fileExists(path))
            break;
        const auto text = platform::readFile(path);
        if (!text)
            continue;
        const auto lines = splitLines(*text);
        const std::string_view first = lines.empty() ? std::string_view() : lines.front();
        if (!first.starts_with("<!--"))
            continue;
        const std::string title(first.size() >= 7 ? first.substr(4, first.size() - 7)
                                                  : std::string_view());
        const std::string preview = platform::joinPath(folder, std::to_string(n) + ".im");
        found.push_back({n, title, path, platform::fileExists(preview) ? preview : std::string()});
    }
    return found;
}

std::string wizardNameProblem(std::string_view name) {
    if (name.empty())
        return {};
    if (name.find(' ') != std::string_view::npos)
        return "Script Names should not contain spaces";
    if (name.find_first_of("&+,\"./\\[]:;|='?") != std::string_view::npos)
        return "Script Names should not contain symbols";
    if (name.size() > 32)
        return "Script Names should be 32 characters or less";
    return {};
}

std::string FieldNumbering::numberLine(std::string_view original) {
    std::string line(original);
    std::string search = upper(line);
    constexpr std::string_view kAttribute = "NAME=\"";
    for (std::size_t at = search.find(kAttribute); at != std::string::npos;
         at = search.find(kAttribute)) {
        const std::size_t nameStart = at + kAttribute.size();
        const std::size_t nameEnd = line.find('"', nameStart);
        const std::string name = line.substr(
            nameStart, nameEnd == std::string::npos ? std::string::npos : nameEnd - nameStart);
        search.replace(at, 4, "BLOP");
        if (upper(name) == "SUBMIT")
            continue;
        if (name != previousName) {
            ++counter;
            header += (header.empty() ? "\"" : ",\"") + name + "\"";
        }
        const std::string number = (counter < 10 ? "0" : "") + std::to_string(counter);
        previousName = name;
        line.insert(nameStart, number);
        search.insert(nameStart, number);
    }
    return line;
}

WizardForm buildWizardForm(std::string_view templateText, std::string_view name,
                           std::string_view alias, bool serverExtension, WizardSaveStyle style) {
    WizardForm form;
    for (std::string_view line :
         {std::string_view("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">"),
          std::string_view("<HTML>"), std::string_view("<HEAD>")})
        form.html += withCrLf(line);
    form.html += withCrLf("<TITLE>" + std::string(name) + "</TITLE>");
    for (std::string_view line : {"</HEAD>", "<BODY>", "<H1></H1>", ""})
        form.html += withCrLf(line);
    form.html += withCrLf("<FORM METHOD=\"POST\" ACTION=\"" + std::string(alias) +
                          processorProgram(serverExtension) + std::string(name) + "\">");
    form.html += withCrLf("");
    FieldNumbering numbering;
    for (std::string_view line : splitLines(templateText))
        form.html += withCrLf(style == WizardSaveStyle::Data ? numbering.numberLine(line)
                                                             : std::string(line));
    for (std::string_view line : {"</FORM>", "</BODY>", "</HTML>"})
        form.html += withCrLf(line);
    form.dataHeader = numbering.header;
    return form;
}

std::string wizardDataFile(WizardSaveStyle style, std::string_view name, std::string_view header) {
    switch (style) {
    case WizardSaveStyle::Text:
        return withCrLf("*Output file for " + std::string(name) + " script*") +
               withCrLf("*You may remove or change this header*") +
               withCrLf("*Submitted Data will be appended to the end of this file*");
    case WizardSaveStyle::Data:
        return withCrLf(header);
    case WizardSaveStyle::Discard:
        return {};
    }
    return {};
}

std::string wizardFormPath(std::string_view home, std::string_view name) {
    return platform::joinPath(platform::joinPath(home, "FORMS"), std::string(name) + ".html");
}

std::string wizardDataPath(std::string_view home, std::string_view name, WizardSaveStyle style) {
    return platform::joinPath(platform::joinPath(home, "SAVED"),
                              std::string(name) +
                                  (style == WizardSaveStyle::Data ? ".csv" : ".txt"));
}

EditorState applyWizardChoices(EditorState s, const WizardChoices& c, std::string_view home) {
    s.form = wizardFormPath(home, c.name);
    switch (c.style) {
    case WizardSaveStyle::Discard:
        s.saveStyle = SaveStyle::Discard;
        s.writeToFile.clear();
        break;
    case WizardSaveStyle::Text:
    case WizardSaveStyle::Data:
        s.saveStyle = c.style == WizardSaveStyle::Text ? SaveStyle::Text : SaveStyle::Comma;
        s.writeToFile = wizardDataPath(home, c.name, c.style);
        break;
    }
    if (c.sendToUrl) {
        s.response = Response::Url;
        s.url = c.url;
        s.confirmationTemplate.clear();
    } else {
        s.response = Response::Simple;
        s.confirmationTemplate = kDefaultConfirmation;
    }
    if (c.copyTo) {
        s.copyTo = true;
        s.copyToText = c.copyToAddress;
        s.from = c.from;
        s.subject = c.subject;
        s.useFrom = c.from == kUseFormFrom;
        s.useSubject = c.subject == kUseFormSubject;
    }
    return s;
}

std::string writeWizardFiles(const WizardChoices& c, std::string_view home, std::string_view alias,
                             bool serverExtension) {
    std::error_code ignored;
    for (const char* folder : {"FORMS", "SAVED"})
        std::filesystem::create_directories(platform::joinPath(home, folder), ignored);

    std::string dataHeader;
    if (const auto templateText = platform::readFile(c.templatePath);
        templateText && platform::fileExists(c.templatePath)) {
        const WizardForm form =
            buildWizardForm(*templateText, c.name, alias, serverExtension, c.style);
        dataHeader = form.dataHeader;
        const std::string path = wizardFormPath(home, c.name);
        if (const platform::WriteResult written = platform::writeFileAtomically(path, form.html);
            !written)
            return written.error;
    }
    if (c.style != WizardSaveStyle::Discard) {
        const std::string path = wizardDataPath(home, c.name, c.style);
        if (const platform::WriteResult written =
                platform::writeFileAtomically(path, wizardDataFile(c.style, c.name, dataHeader));
            !written)
            return written.error;
    }
    return {};
}

} // namespace vmcntrl
