#pragma once

#include <string>
#include <string_view>

namespace vmcntrl {

// The DDE name of a browser that takes URLs by DDE, from its program path ("Netscape",
// "Mosaic", "IExplore"), or empty for any other browser, which is simply started.
std::string browserDdeName(std::string_view browserPath);

// The WWW_OpenURL item: the URL in quotes, any window (0xFFFFFFFF), flags 0x3.
std::string openUrlItem(std::string_view url);
inline constexpr std::string_view kActivateItem = "0xFFFFFFFF,0x0";

} // namespace vmcntrl
