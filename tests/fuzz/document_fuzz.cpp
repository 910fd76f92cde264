// Any bytes as a document: reading it never crashes, and saving what was read and reading
// that again gives the same document.
#include "tessaly/document/document_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tessaly::Document read = tessaly::documentFromText(platform::ProfileText(bytes));
    const std::string saved = tessaly::documentBytes(read);
    if (tessaly::documentFromText(platform::ProfileText(saved)) != read)
        std::abort();
    return 0;
}
