#pragma once

namespace tessaly {

// Topic numbers of Tessaly.hlp that the windows open.
inline constexpr int kHelpContentsTopic = 0;
inline constexpr int kAddLinkHelpTopic = 2;
inline constexpr int kImportHelpTopic = 3;

} // namespace tessaly
