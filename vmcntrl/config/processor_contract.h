#pragma once

#include <array>
#include <string_view>

// Everything the panel and the server-side form processor must agree on, in one place.
namespace vmcntrl::processor {

inline constexpr std::string_view kIniFileName = "vellum.ini";
inline constexpr std::string_view kMailLogName = "vellsmtp.log";
inline constexpr std::string_view kErrorLogName = "error.log";

inline constexpr std::string_view kCgiProgram = "vellum.exe/";
inline constexpr std::string_view kExtensionProgram = "vellum.dll/";

// Output files in template mode keep this line by itself; entries go before it or after the
// old entries.
inline constexpr std::string_view kFooterMarker = "<!--footer-->";

// The form field that carries the submitter's address, and its name in a form numbered for
// comma-separated saving.
inline constexpr std::string_view kEmailField = "E-Mail";
inline constexpr std::string_view kNumberedEmailField = "00E-Mail";

// Template keys the processor fills for every transaction, and the one for a new document
// per entry.
inline constexpr std::array<std::string_view, 9> kTransactionKeys{
    "^vmDate^",          "^vmLongDate^",       "^vmTime^",
    "^vmTransactionID^", "^vmRemoteHost^",     "^vmRemoteAddress^",
    "^vmReferer^",       "^vmServerSoftware^", "^vmServerAdmin^",
};
inline constexpr std::string_view kDiscretePageKey = "^vmDiscretePage^";

} // namespace vmcntrl::processor
