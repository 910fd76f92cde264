#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// Colours are kept as "H" followed by six upper-case hexadecimal digits, red first.
std::string colourText(int red, int green, int blue);

// A colour text with "&" in front read as a hexadecimal number ("H808080" gives 8421504,
// red in the high byte as written); nullopt when the text is not such a number.
std::optional<long> colourNumber(std::string_view text);

} // namespace tessaly
