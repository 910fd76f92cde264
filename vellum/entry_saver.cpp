#include "entry_saver.h"

#include "entry_text.h"
#include "script_paths.h"
#include "submission_keys.h"
#include "template_filler.h"
#include "template_insert.h"

#include "platform/file_ops.h"
#include "platform/locked_file.h"
#include "platform/paths.h"

namespace vellum {

namespace {

void endWithLineBreak(std::string& bytes) {
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
        bytes += "\r\n";
}

SaveOutcome failed(std::string error) {
    SaveOutcome outcome;
    outcome.error = std::move(error);
    return outcome;
}

SaveOutcome fromWrite(const platform::WriteResult& written) {
    if (!written)
        return failed(written.error);
    SaveOutcome outcome;
    outcome.saved = true;
    return outcome;
}

std::vector<std::string> rowColumns(const FormFields& fields, std::size_t headerColumns) {
    std::vector<std::string> columns = fields.numberedColumns(headerColumns);
    bool anyNumbered = false;
    for (const FormField& field : fields.all())
        anyNumbered = anyNumbered || fieldNumber(field.name).has_value();
    if (anyNumbered || fields.all().empty())
        return columns;
    // A form that was not numbered for data saving still gets its values saved, in the
    // order sent, rather than an empty row.
    columns.clear();
    for (const FormField& field : fields.all())
        columns.push_back(field.value);
    return columns;
}

SaveOutcome saveComma(const std::string& archive, const FormFields& fields) {
    return fromWrite(platform::editFileLocked(archive, [&](std::string& bytes, bool) {
        const std::vector<std::string> columns = rowColumns(fields, columnCountOfFirstLine(bytes));
        endWithLineBreak(bytes);
        bytes += commaRow(columns);
        return true;
    }));
}

SaveOutcome saveText(const std::string& archive, const FormFields& fields, const Transaction& t) {
    const std::string block = textBlock(fields, t);
    return fromWrite(platform::editFileLocked(archive, [&](std::string& bytes, bool) {
        endWithLineBreak(bytes);
        bytes += block;
        return true;
    }));
}

SaveOutcome saveTemplate(const vmcntrl::ScriptRecord& script, const std::string& archive,
                         const std::string& templatePath, const FormFields& fields,
                         const Transaction& t) {
    const auto templateText = platform::readFile(templatePath);
    if (!templateText)
        return failed("The output template " + templatePath + " cannot be read");
    const std::string entry =
        entryMarker(t.id) + "\r\n" +
        fillTemplate(*templateText, submissionKeys(fields, t), isHtmlFile(archive));
    const InsertPlace place = script.Append == "Top" ? InsertPlace::Top : InsertPlace::Bottom;
    bool footerFound = true;
    SaveOutcome outcome =
        fromWrite(platform::editFileLocked(archive, [&](std::string& bytes, bool) {
            footerFound = insertEntry(bytes, entry, place);
            return true;
        }));
    if (outcome.saved && !footerFound)
        outcome.notes.push_back("The output file " + archive +
                                " has no <!--footer--> line; the entry was added at its end");
    return outcome;
}

std::string extensionOf(std::string_view path) {
    const std::string name = platform::fileNameFromPath(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot);
}

SaveOutcome saveDiscrete(const std::string& directory, const std::string& templatePath,
                         const FormFields& fields, Transaction& t) {
    const auto templateText = platform::readFile(templatePath);
    if (!templateText)
        return failed("The output template " + templatePath + " cannot be read");
    if (!platform::directoryExists(directory))
        return failed("The directory for new documents " + directory + " does not exist");
    const std::string extension = extensionOf(templatePath);
    const bool html = isHtmlFile(templatePath);
    // The transaction ID is unique; the suffix only guards against a file someone put there.
    for (int attempt = 0; attempt < 100; ++attempt) {
        t.discretePage =
            t.id + (attempt ? "-" + std::to_string(attempt) : std::string()) + extension;
        const std::string page = fillTemplate(*templateText, submissionKeys(fields, t), html);
        const platform::CreateResult created =
            platform::createFileAtomically(platform::joinPath(directory, t.discretePage), page);
        if (created.outcome == platform::CreateResult::Created) {
            SaveOutcome outcome;
            outcome.saved = true;
            return outcome;
        }
        if (created.outcome == platform::CreateResult::Failed)
            return failed(created.error);
    }
    return failed("No free file name for a new document in " + directory);
}

} // namespace

SaveOutcome saveEntry(const vmcntrl::ScriptRecord& script, const std::string& home,
                      const FormFields& fields, Transaction& transaction) {
    const std::string archive = resolveScriptPath(home, script.Archive);
    const std::string templatePath = resolveScriptPath(home, script.OutputTemplate);
    const std::string& style = script.OutputStyle;
    if (style == "Discard") {
        SaveOutcome outcome;
        outcome.saved = true;
        return outcome;
    }
    if (style != "Comma" && style != "Text" && style != "Template" && style != "Discrete")
        return failed("OutputStyle \"" + style + "\" is not a save style; the entry was not saved");
    if (archive.empty())
        return failed("The script names no Archive; the entry was not saved");
    if (style == "Comma")
        return saveComma(archive, fields);
    if (style == "Text")
        return saveText(archive, fields, transaction);
    if (style == "Template")
        return saveTemplate(script, archive, templatePath, fields, transaction);
    return saveDiscrete(archive, templatePath, fields, transaction);
}

} // namespace vellum
