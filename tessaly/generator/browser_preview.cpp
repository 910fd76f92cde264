#include "browser_preview.h"

#include "destination_directory.h"

#include "platform/file_ops.h"
#include "platform/paths.h"

namespace tessaly {

PreviewCondition previewCondition(std::size_t linkCount, std::string_view browserPath) {
    if (!platform::fileExists(browserPath))
        return PreviewCondition::NoBrowser;
    if (linkCount < 2)
        return PreviewCondition::NoLinks;
    return PreviewCondition::Ready;
}

std::string ddeApplicationName(std::string_view browserPath) {
    const std::string name = platform::fileNameFromPath(browserPath);
    return name.substr(0, name.find('.'));
}

std::string previewFilePath(std::string_view defaultDirectory) {
    if (platform::fileExists(defaultDirectory) || platform::directoryExists(defaultDirectory))
        return destinationFile(destinationDirectory(defaultDirectory), kPreviewFileName);
    return std::string(kPreviewFileName);
}

std::string previewFileBytes(std::string_view fragment) {
    return std::string(fragment) + "\r\n";
}

std::string showFileItem(std::string_view previewFile) {
    return std::string(previewFile) + ",text/html,-1,";
}

std::string activateItem(std::string_view showFileReply) {
    if (showFileReply.empty())
        return ",0";
    return std::to_string(static_cast<unsigned char>(showFileReply.front())) + ",0";
}

} // namespace tessaly
