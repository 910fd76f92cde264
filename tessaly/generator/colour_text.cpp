#include "colour_text.h"

#include <cstdint>
#include <cstdio>

namespace tessaly {

std::string colourText(int red, int green, int blue) {
    char text[8];
    std::snprintf(text, sizeof text, "H%02X%02X%02X", red & 0xFF, green & 0xFF, blue & 0xFF);
    return text;
}

std::optional<long> colourNumber(std::string_view text) {
    if (text.size() < 2 || text.size() > 9 || (text[0] != 'H' && text[0] != 'h'))
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text.substr(1)) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    // Eight digits fill a signed 32-bit number, as a hexadecimal literal of that length does.
    return static_cast<long>(static_cast<std::int32_t>(value));
}

} // namespace tessaly
