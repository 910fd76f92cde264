#include "run_command.h"

#include <algorithm>
#include <cctype>

namespace vmcntrl {

std::string browserDdeName(std::string_view browserPath) {
    std::string upper(browserPath);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.find("NETSCAPE") != std::string::npos)
        return "Netscape";
    if (upper.find("MOSAIC") != std::string::npos)
        return "Mosaic";
    if (upper.find("IEXPLORE") != std::string::npos)
        return "IExplore";
    return {};
}

std::string openUrlItem(std::string_view url) {
    return "\"" + std::string(url) + "\",,0xFFFFFFFF,0x3,,,,";
}

} // namespace vmcntrl
