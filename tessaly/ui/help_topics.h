#pragma once

namespace tessaly {

// Topic numbers of Tessaly.hlp that the windows open ("Adding and changing links",
// "Importing bookmarks").
inline constexpr int kAddLinkHelpTopic = 5;
inline constexpr int kImportHelpTopic = 6;

} // namespace tessaly
