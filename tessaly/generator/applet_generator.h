#pragma once

#include "tessaly/document/document_file.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The class files every generation copies, in order, whatever the link type (some more than
// once). The scroll-list applet is asked for as "MultiList", so its file carries that
// spelling for web servers that match names by case.
inline constexpr std::array<std::string_view, 12> kClassFileCopies{
    "MultiList.class", "myfont.class",      "mylist.class",      "createcolor.class",
    "multdesc.class",  "myfont.class",      "createcolor.class", "framer.class",
    "myfont.class",    "createcolor.class", "framer_list.class", "mylist.class"};

// Messages of the Compile command.
inline constexpr std::string_view kTooFewLinksMessage =
    "Sorry, no bookmarks, no tessaly. Please add\ntwo or more bookmarks to the list.";
inline constexpr std::string_view kCodePlacedMessage =
    "Code for your applet has been placed in the Clipboard. Use the Paste function in your editor "
    "to\n"
    "add this code to your HTML document. Make sure you have a copy of the class file in the\n"
    "same directory as your HTML document.";
inline constexpr std::string_view kUnknownLinkTypeMessage =
    "The link type is not one of \"Pull down list\", \"Scroll list\" or \"Window list\".\n"
    "Choose a link type on the Properties page, then compile again.";

// Where Generate copies from and to.
struct GeneratorPlaces {
    std::string programDirectory; // holds the class files
    std::string defaultDirectory; // the Options tab's default directory text
};

struct GenerateResult {
    bool ok = false;
    std::string fragment; // the text for the clipboard
    std::string error;    // why there is no fragment
};

// Why Compile would not generate (fewer than two links, or a link type that names no
// applet), or nullopt when it can.
std::optional<std::string_view> compileObstacle(const Document& document);

// Copies the sound file and the class files (each failed copy skipped), and for browsers
// without Java the script after them, writes the size defaults into the document, and returns
// the fragment. A link type that names no applet gives no fragment and changes nothing.
GenerateResult Generate(Document& document, const GeneratorPlaces& places,
                        bool forBrowsersWithoutJava = false);

} // namespace tessaly
