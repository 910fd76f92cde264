#include "template_insert.h"

#include "platform/profile_text.h"
#include "vmcntrl/config/processor_contract.h"

#include <optional>

namespace vellum {

namespace {

constexpr std::string_view kMarkerStart = "<!--vellum entry ";

// The offset of the first line that satisfies the test, or nullopt.
template <typename Test>
std::optional<std::size_t> findLine(std::string_view text, Test test) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (test(text.substr(start, end - start)))
            return start;
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    return std::nullopt;
}

} // namespace

std::string entryMarker(std::string_view transactionId) {
    return std::string(kMarkerStart) + std::string(transactionId) + "-->";
}

bool insertEntry(std::string& archive, std::string_view entry, InsertPlace place) {
    const auto footer = findLine(archive, [](std::string_view line) {
        return platform::trimBlanks(line) == vmcntrl::processor::kFooterMarker;
    });
    std::optional<std::size_t> at = footer;
    if (place == InsertPlace::Top) {
        const auto first = findLine(archive, [](std::string_view line) {
            return platform::trimBlanks(line).substr(0, kMarkerStart.size()) == kMarkerStart;
        });
        if (first && (!footer || *first < *footer))
            at = first;
    }
    if (!at) {
        if (!archive.empty() && archive.back() != '\n' && archive.back() != '\r')
            archive += "\r\n";
        archive.append(entry);
        return false;
    }
    archive.insert(*at, entry);
    return footer.has_value();
}

} // namespace vellum
