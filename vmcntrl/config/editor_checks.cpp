#include "editor_checks.h"

#include <algorithm>
#include <cctype>

namespace vmcntrl {

SaveStop checkBeforeSave(const EditorState& s, const FileProbe& exists) {
    if (s.response == Response::Template && !exists(s.confirmationTemplate))
        return SaveStop::ConfirmationTemplateMissing;
    if (s.response == Response::Url && s.url.empty())
        return SaveStop::NoUrl;
    const bool templateMode = s.saveStyle == SaveStyle::Template;
    const bool newDocument = templateMode && s.insert == InsertMode::NewDocument;
    if (s.saveStyle != SaveStyle::Discard && !newDocument && !exists(s.writeToFile))
        return SaveStop::ArchiveMissing;
    if (s.letter && !exists(s.letterBody))
        return SaveStop::LetterMissing;
    if (templateMode && !exists(s.outputTemplate))
        return SaveStop::OutputTemplateMissing;
    return SaveStop::None;
}

std::string saveStopMessage(SaveStop stop) {
    switch (stop) {
    case SaveStop::None:
        return {};
    case SaveStop::ConfirmationTemplateMissing:
        return "Template to Send to Browser does not exist!";
    case SaveStop::NoUrl:
        return "No URL to send the Client!";
    case SaveStop::ArchiveMissing:
        return "The file in which entries are saved\nmust be created before saving the script.";
    case SaveStop::LetterMissing:
        return "Letter To Client File does not exist!";
    case SaveStop::OutputTemplateMissing:
        return "Save to File Template does not exist!";
    }
    return {};
}

std::vector<MissingFile> missingFilesOnLoad(const EditorState& s, const FileProbe& exists) {
    std::vector<MissingFile> missing;
    auto check = [&](const char* leadIn, const std::string& path) {
        if (!exists(path))
            missing.push_back({leadIn, path});
    };
    if (s.response == Response::Template)
        check("The Template File", s.confirmationTemplate);
    if (s.saveStyle != SaveStyle::Discard &&
        !(s.saveStyle == SaveStyle::Template && s.insert == InsertMode::NewDocument))
        check("The 'Write to:' file ", s.writeToFile);
    if (s.saveStyle == SaveStyle::Template)
        check("The Template File", s.outputTemplate);
    if (!s.form.empty())
        check("The Form", s.form);
    if (s.letter)
        check("The Letter to user", s.letterBody);
    return missing;
}

std::string missingFileMessage(const MissingFile& m) {
    return m.leadIn + "\n" + m.path + "\nwas not found!";
}

bool opensInHtmlEditor(std::string_view path) {
    for (std::string_view ending : {"htm", "HTM", "html", "HTML"})
        if (path.size() >= ending.size() && path.substr(path.size() - ending.size()) == ending)
            return true;
    return false;
}

} // namespace vmcntrl
