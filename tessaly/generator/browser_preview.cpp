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

namespace {
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}
} // namespace

std::string previewFileBytes(std::string_view fragment) {
    std::string page = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n";
    if (isUtf8(fragment))
        page += "<meta charset=\"utf-8\">\r\n";
    page += "<title>" + std::string(kPreviewTitle) + "</title>\r\n</head>\r\n<body>\r\n";
    page += fragment;
    page += "\r\n</body>\r\n</html>\r\n";
    return page;
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
