#pragma once

#include "tessaly/document/document_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The applet class a link type asks for, or nullptr for a link-type text that is none of
// the three (a document may hold any text).
struct AppletClass {
    const char* code;                 // CODE value, without ".class"
    const char* descriptionParameter; // name of the descriptions parameter
    bool hasSizeParameters;           // sizewidth / sizeheight lines
};
const AppletClass* appletClassFor(std::string_view linkType);

// A colour text "H" + RRGGBB read as a hexadecimal number, in decimal ("H808080" gives
// "8421504"); nullopt when the text is not such a number.
std::optional<std::string> colourValue(std::string_view text);

// Empty sizes get the texts the applet needs (applet 310 x 60, list 100 x 50), in the
// document, so the window shows them and a later save keeps them.
void applySizeDefaults(AppletProperties& properties);

// The script that stands in for the applets where the browser runs no Java, copied next to
// the class files, and the line that loads it from inside the applet.
inline constexpr std::string_view kScriptRuntimeFile = "tessaly.js";
inline constexpr std::string_view kScriptRuntimeLine = "<SCRIPT SRC=\"tessaly.js\"></SCRIPT>";

// The HTML fragment for the document as it stands (sizes are taken as they are), every line
// ended by CR LF; nullopt when the link type names no applet. For browsers without Java the
// script line comes just before the fallback text; nothing else differs.
std::optional<std::string> appletFragment(const Document& document,
                                          bool forBrowsersWithoutJava = false);

} // namespace tessaly
