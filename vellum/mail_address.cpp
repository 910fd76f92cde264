#include "mail_address.h"

#include "script_paths.h"

#include "platform/file_ops.h"
#include "platform/profile_text.h"
#include "vmcntrl/config/text_lines.h"

#include <algorithm>

namespace vellum {

namespace {

bool isAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool validLocalPart(std::string_view local) {
    if (local.empty() || local.size() > 64 || local.front() == '.' || local.back() == '.' ||
        local.find("..") != std::string_view::npos)
        return false;
    constexpr std::string_view kSpecials = "!#$%&'*+/=?^_`{|}~-.";
    return std::all_of(local.begin(), local.end(), [&](char c) {
        return isAlnum(c) || kSpecials.find(c) != std::string_view::npos;
    });
}

bool validDomain(std::string_view domain) {
    if (domain.empty() || domain.size() > 253)
        return false;
    std::size_t start = 0;
    while (start <= domain.size()) {
        std::size_t end = domain.find('.', start);
        if (end == std::string_view::npos)
            end = domain.size();
        const std::string_view label = domain.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-' ||
            !std::all_of(label.begin(), label.end(), [](char c) { return isAlnum(c) || c == '-'; }))
            return false;
        start = end + 1;
    }
    return true;
}

void addOnce(std::vector<std::string>& list, std::string_view address) {
    const std::string folded = vmcntrl::upperAscii(address);
    for (const std::string& known : list)
        if (vmcntrl::upperAscii(known) == folded)
            return;
    list.emplace_back(address);
}

} // namespace

bool isMailAddress(std::string_view text) {
    const std::size_t at = text.rfind('@');
    if (at == std::string_view::npos || text.size() > 254)
        return false;
    return validLocalPart(text.substr(0, at)) && validDomain(text.substr(at + 1));
}

std::vector<std::string> copyRecipients(std::string_view to, const std::string& home) {
    std::vector<std::string> recipients;
    to = platform::trimBlanks(to);
    if (to.empty())
        return recipients;
    if (to.find('@') == std::string_view::npos ||
        platform::fileExists(resolveScriptPath(home, to))) {
        const auto group = platform::readFile(resolveScriptPath(home, to));
        if (!group)
            return recipients;
        for (std::string_view line : vmcntrl::splitLines(*group)) {
            line = platform::trimBlanks(line);
            if (isMailAddress(line))
                addOnce(recipients, line);
        }
        return recipients;
    }
    std::size_t start = 0;
    while (start <= to.size()) {
        std::size_t end = to.find_first_of(",;", start);
        if (end == std::string_view::npos)
            end = to.size();
        const std::string_view part = platform::trimBlanks(to.substr(start, end - start));
        if (isMailAddress(part))
            addOnce(recipients, part);
        start = end + 1;
    }
    return recipients;
}

} // namespace vellum
