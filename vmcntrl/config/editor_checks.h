#pragma once

#include "editor_state.h"

#include <functional>
#include <string>
#include <vector>

namespace vmcntrl {

using FileProbe = std::function<bool(const std::string& path)>;

// Where a save stops, in the order the checks run; the window shows the message, brings the
// tab to the front and moves the focus.
enum class SaveStop {
    None,
    ConfirmationTemplateMissing,
    NoUrl,
    ArchiveMissing,
    LetterMissing,
    OutputTemplateMissing,
};
SaveStop checkBeforeSave(const EditorState& state, const FileProbe& exists);
std::string saveStopMessage(SaveStop stop);

// The files a loaded script names that are not there, in the order the load reads them;
// each is reported and the load goes on.
struct MissingFile {
    std::string leadIn;
    std::string path;
};
std::vector<MissingFile> missingFilesOnLoad(const EditorState& state, const FileProbe& exists);
std::string missingFileMessage(const MissingFile& missing);

// Files whose name ends in htm or html (all capitals or all small letters) open in the HTML
// editor; everything else in the text editor.
bool opensInHtmlEditor(std::string_view path);

} // namespace vmcntrl
