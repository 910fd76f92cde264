#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kPreviewFileName = "~tsly.htm";

inline constexpr std::string_view kNoBrowserMessage =
    "Browser does not exist. Select a default browser in the options.";
inline constexpr std::string_view kDefaultBrowserNotFoundMessage =
    "Default browser not found. Please select a default\nfrom Options.";
inline constexpr std::string_view kCouldNotFindBrowserMessage =
    "tessaly could not find browser.\nYou will need to select a browser.";

// What the Preview command finds before it starts. A missing browser outweighs missing
// links: the user has to fix the options first.
enum class PreviewCondition { Ready, NoLinks, NoBrowser };
PreviewCondition previewCondition(std::size_t linkCount, std::string_view browserPath);

// The name a browser answers to in a DDE conversation: its file name cut before the first
// dot ("C:\Web\browse.v2.exe" gives "browse").
std::string ddeApplicationName(std::string_view browserPath);

// Where the preview page goes: into the destination directory when the default directory
// names an existing folder or file, otherwise into the current directory.
std::string previewFilePath(std::string_view defaultDirectory);

// The preview page: the fragment and one line end, in a page of its own that today's
// browsers show in standards mode, as they will show the author's pages. It declares UTF-8
// when the fragment is valid UTF-8 and leaves the encoding to the browser otherwise.
inline constexpr std::string_view kPreviewTitle = "Tessaly Preview";
std::string previewFileBytes(std::string_view fragment);

// DDE topics and items of the conversation with a running browser.
inline constexpr std::string_view kShowFileTopic = "WWW_ShowFile";
inline constexpr std::string_view kActivateTopic = "WWW_Activate";
// The file, its type, -1 for "any window" and an empty URL.
std::string showFileItem(std::string_view previewFile);
// The item that brings the window forward; the window number is the character code of
// the first character of the browser's reply to WWW_ShowFile, empty when it sent nothing.
std::string activateItem(std::string_view showFileReply);

} // namespace tessaly
