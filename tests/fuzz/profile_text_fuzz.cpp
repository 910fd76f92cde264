// Any bytes as an initialisation file: parsing, every lookup and an edit must neither crash
// nor give a file whose untouched bytes changed.
#include "platform/profile_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    platform::ProfileText text(bytes);
    if (text.bytes() != bytes)
        std::abort(); // a parse followed by no edit must give the file back unchanged
    for (const std::string& section : text.sectionNames()) {
        for (const std::string& key : text.keyNames(section))
            (void)text.value(section, key);
    }
    // The first line names the edit: section, key and value separated by '|'.
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    const std::size_t bar1 = first.find('|');
    const std::size_t bar2 = bar1 == std::string_view::npos ? bar1 : first.find('|', bar1 + 1);
    if (bar2 != std::string_view::npos) {
        const std::string_view section = first.substr(0, bar1);
        const std::string_view key = first.substr(bar1 + 1, bar2 - bar1 - 1);
        const std::string_view value = first.substr(bar2 + 1);
        text.setValue(section, key, value);
        platform::ProfileText reread(text.bytes());
        (void)reread.value(section, key);
        text.removeKey(section, key);
        text.removeSection(section);
    }
    return 0;
}
