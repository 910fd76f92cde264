#pragma once

#include "applet_properties.h"
#include "link_list.h"

#include "platform/file_ops.h"
#include "platform/profile_text.h"

#include <string>
#include <string_view>

namespace tessaly {

// One applet design: its links and its properties.
struct Document {
    LinkList links;
    AppletProperties properties;
    bool operator==(const Document&) const = default;
};

// Key names of link i in the "Link" section ("Link Desc 0", ...).
std::string linkDescriptionKey(std::size_t i);
std::string linkUrlKey(std::size_t i);
std::string linkFrameKey(std::size_t i);

// The bytes of a freshly saved document: the "Link" section with each link's three keys in
// link order, then the "Properties" section in document order, every value written even
// when empty.
std::string documentBytes(const Document& document);

// Saves the document as a file of its own: nothing of an earlier file at that path
// survives. The new file is written completely before it replaces the old one, so a failed
// save (read-only folder, full disk) leaves the earlier file intact and says why.
// The path becomes the current profile file, as it does for a Save from the window.
platform::WriteResult saveDocument(std::string_view path, const Document& document);

// Opens a document: links are read from link 0 until the first empty or missing
// description; a missing URL, frame or property key reads as empty. A missing file, or a
// file that is not a document, gives a document without links and with empty properties.
// The path becomes the current profile file.
Document openDocument(std::string_view path);

// The same, telling a file that exists but cannot be read (a pipe, a device, no permission,
// over the size limit) from a missing one: the former gives the reason and no links, the
// latter opens as a new, empty document.
struct DocumentOpen {
    Document document;
    std::string error; // empty when the document was read or the file is missing
    bool ok() const { return error.empty(); }
};
DocumentOpen openDocumentFile(std::string_view path);

// The document a profile text holds, by the rules of openDocument.
Document documentFromText(const platform::ProfileText& text);

} // namespace tessaly
