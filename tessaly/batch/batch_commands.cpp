#include "batch_commands.h"

#include "tessaly/document/document_file.h"
#include "tessaly/document/options_file.h"
#include "tessaly/generator/applet_generator.h"
#include "tessaly/import/bookmark_import.h"

#include "platform/file_ops.h"
#include "platform/paths.h"
#include "platform/profile_text.h"
#include "platform/program_home.h"

namespace tessaly {

namespace {
int compile(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string home = programDirectoryFor(line);
    const Options options = loadOptions(optionsFilePath(home));
    DocumentOpen opened = openDocumentFile(line.document);
    if (!opened.ok()) {
        err << opened.error << '\n';
        return kExitFailed;
    }
    Document& document = opened.document;
    if (const auto obstacle = compileObstacle(document)) {
        err << *obstacle << '\n';
        return kExitFailed;
    }
    const GenerateResult result = Generate(document, {home, options.defaultDirectory},
                                           options.isOn(OptionSwitch::ShowInBrowsersWithoutJava));
    if (!result.ok) {
        err << result.error << '\n';
        return kExitFailed;
    }
    out << result.fragment;
    out.flush();
    return out ? kExitOk : kExitFailed;
}
int import(const CommandLine& line, std::ostream& err) {
    const BookmarkImport imported = importBookmarkFile(line.bookmarks, line.target);
    if (imported.outcome != BookmarkImport::Outcome::Imported) {
        err << bookmarkImportFailure(imported, line.bookmarks) << '\n';
        return kExitFailed;
    }
    // The verb saves without asking, so it only ever replaces a file that is a document
    // (or empty): any other file named by mistake is left as it was.
    Document document;
    const platform::ReadResult existing = platform::readFileLimited(line.document);
    if (existing.outcome == platform::ReadResult::Outcome::Missing) {
        document.properties = AppletProperties::initial();
    } else if (!existing) {
        err << "The document " << line.document << " cannot be read: " << existing.reason
            << ".\n";
        return kExitFailed;
    } else {
        const platform::ProfileText text(existing.bytes);
        if (!existing.bytes.empty() && !text.hasSection("Link") && !text.hasSection("Properties")) {
            err << line.document << " is not a Tessaly document; it was left unchanged.\n";
            return kExitFailed;
        }
        document = documentFromText(text);
    }
    for (const ImportedLink& link : imported.links)
        document.links.append(link.description, link.url, link.frame);
    const platform::WriteResult saved = saveDocument(line.document, document);
    if (!saved) {
        err << saved.error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}
} // namespace

std::string programDirectoryFor(const CommandLine& line) {
    return platform::resolveProgramHome("tessaly", line.home, platform::executableDirectory()).path;
}

int runBatchCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (!line.error.empty()) {
        err << "tessaly: " << line.error << "\n\n" << kUsageText;
        return kExitUsage;
    }
    switch (line.verb) {
    case CommandLine::Verb::Help:
        out << kUsageText;
        return kExitOk;
    case CommandLine::Verb::Compile:
        return compile(line, out, err);
    case CommandLine::Verb::Import:
        return import(line, err);
    case CommandLine::Verb::Window:
        break;
    }
    err << "tessaly: no batch verb given\n\n" << kUsageText;
    return kExitUsage;
}

} // namespace tessaly
