#include "document_file.h"

#include "profile_routines.h"

#include "platform/profile_file.h"
#include "platform/profile_text.h"

namespace tessaly {

namespace {
constexpr std::string_view kLinkSection = "Link";
constexpr std::string_view kPropertiesSection = "Properties";
} // namespace

std::string linkDescriptionKey(std::size_t i) {
    return "Link Desc " + std::to_string(i);
}
std::string linkUrlKey(std::size_t i) {
    return "Link URL " + std::to_string(i);
}
std::string linkFrameKey(std::size_t i) {
    return "Link Frame " + std::to_string(i);
}

std::string documentBytes(const Document& document) {
    // Built as profile text, key by key, so the file is exactly what the profile writer
    // would make of the same writes to a new file, in a single pass for large lists.
    platform::ProfileText text;
    const LinkList& links = document.links;
    for (std::size_t i = 0; i < links.size(); ++i) {
        text.setValue(kLinkSection, linkDescriptionKey(i),
                      storedProfileValue(links.descriptions()[i]));
        text.setValue(kLinkSection, linkUrlKey(i), storedProfileValue(links.urls()[i]));
        text.setValue(kLinkSection, linkFrameKey(i), storedProfileValue(links.frames()[i]));
    }
    for (const PropertyInfo& info : kProperties)
        text.setValue(kPropertiesSection, info.key,
                      storedProfileValue(document.properties[info.property]));
    return text.bytes();
}

platform::WriteResult saveDocument(std::string_view path, const Document& document) {
    setCurrentProfileFile(std::string(path));
    return platform::writeFileAtomically(path, documentBytes(document));
}

Document openDocument(std::string_view path) {
    return openDocumentFile(path).document;
}

DocumentOpen openDocumentFile(std::string_view path) {
    setCurrentProfileFile(std::string(path));
    DocumentOpen opened;
    platform::ReadResult read = platform::readFileLimited(path);
    if (read.outcome != platform::ReadResult::Outcome::Read &&
        read.outcome != platform::ReadResult::Outcome::Missing) {
        opened.error = std::move(read.error);
        return opened;
    }
    opened.document = documentFromText(platform::ProfileText(read.bytes));
    return opened;
}

Document documentFromText(const platform::ProfileText& text) {
    Document document;
    const auto read = [&](std::string_view section, const std::string& key) {
        return text.value(section, key).value_or(std::string());
    };
    for (std::size_t i = 0;; ++i) {
        std::string description = read(kLinkSection, linkDescriptionKey(i));
        if (description.empty())
            break;
        document.links.append(std::move(description), read(kLinkSection, linkUrlKey(i)),
                              read(kLinkSection, linkFrameKey(i)));
    }
    for (const PropertyInfo& info : kProperties)
        document.properties[info.property] = read(kPropertiesSection, info.key);
    return document;
}

} // namespace tessaly
