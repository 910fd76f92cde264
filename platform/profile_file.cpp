#include "profile_file.h"

#include "locked_file.h"
#include "profile_cache.h"

#include <optional>

namespace platform {

std::optional<ProfileText> readProfile(std::string_view path) {
    return cachedProfileText(path);
}

ProfileText loadProfile(std::string_view path) {
    auto text = readProfile(path);
    return text ? std::move(*text) : ProfileText();
}

WriteResult editProfile(std::string_view path, const std::function<void(ProfileText&)>& edit) {
    if (path.empty())
        return WriteResult::failure("No file name was given.");
    // The kept copies of the path and of the file a link names are both out of date now.
    std::string reason;
    const std::string target = writeTarget(path, reason).value_or(std::string(path));
    const CachedProfileDrop dropKeptCopy(path);
    const CachedProfileDrop dropTargetCopy(target); // holds a view: target outlives it
    std::optional<std::string> refusal;
    const WriteResult written = editFileLocked(path, [&](std::string& bytes, bool) {
        ProfileText text(bytes);
        edit(text);
        refusal = text.refusal();
        if (refusal || !text.modified())
            return false;
        bytes = text.bytes();
        return true;
    });
    if (written && refusal)
        return WriteResult::failure(*refusal);
    return written;
}

WriteResult writeProfileValue(std::string_view path, std::string_view section, std::string_view key,
                              std::string_view value) {
    return editProfile(path, [&](ProfileText& t) { t.setValue(section, key, value); });
}

WriteResult removeProfileKey(std::string_view path, std::string_view section,
                             std::string_view key) {
    return editProfile(path, [&](ProfileText& t) { t.removeKey(section, key); });
}

WriteResult removeProfileSection(std::string_view path, std::string_view section) {
    return editProfile(path, [&](ProfileText& t) { t.removeSection(section); });
}

} // namespace platform
