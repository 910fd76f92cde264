#include "template_insert.h"

#include "vmcntrl/config/processor_contract.h"

#include <optional>

namespace vellum {

namespace {

constexpr std::string_view kMarkerStart = "<!--vellum entry ";

// The offset of the first line that, without its leading blanks, starts with the text
// (and, for a whole line, holds nothing else but trailing blanks); nullopt when none does.
// Large archives are searched for the text itself rather than line by line.
std::optional<std::size_t> findLine(std::string_view text, std::string_view wanted,
                                    bool wholeLine) {
    for (std::size_t at = text.find(wanted); at != std::string_view::npos;
         at = text.find(wanted, at + 1)) {
        std::size_t start = at;
        while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t'))
            --start;
        if (start > 0 && text[start - 1] != '\n' && text[start - 1] != '\r')
            continue;
        if (wholeLine) {
            std::size_t end = at + wanted.size();
            while (end < text.size() && (text[end] == ' ' || text[end] == '\t'))
                ++end;
            if (end < text.size() && text[end] != '\r' && text[end] != '\n')
                continue;
        }
        return start;
    }
    return std::nullopt;
}

} // namespace

std::string entryMarker(std::string_view transactionId) {
    return std::string(kMarkerStart) + std::string(transactionId) + "-->";
}

bool insertEntry(std::string& archive, std::string_view entry, InsertPlace place) {
    const auto footer = findLine(archive, vmcntrl::processor::kFooterMarker, true);
    std::optional<std::size_t> at = footer;
    if (place == InsertPlace::Top) {
        const auto first = findLine(archive, kMarkerStart, false);
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
