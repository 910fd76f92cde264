// Any bytes as a bookmark file: every link found has an address and a description, and a
// line scanned alone gives what the whole-file scan gave for it.
#include "tessaly/import/bookmark_import.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto links = tessaly::importBookmarks(bytes, "_self");
    std::size_t found = 0;
    tessaly::LineCursor lines(bytes);
    while (const auto line = lines.next()) {
        if (const auto link = tessaly::scanBookmarkLine(*line)) {
            if (found >= links.size() || links[found].url != link->url ||
                links[found].description != link->description || link->url.empty() ||
                link->description.empty())
                std::abort();
            ++found;
        }
    }
    if (found != links.size())
        std::abort();
    return 0;
}
