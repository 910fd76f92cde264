#include "profile_win32.h"

#include "profile_file.h"

#include <cstring>
#include <string>
#include <vector>

namespace platform {

namespace {

DWORD copyValue(std::string_view value, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(value.size(), size - 1);
    if (n > 0)
        std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

DWORD copyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0)
        return 0;
    std::string joined;
    for (const std::string& name : names) {
        joined += name;
        joined += '\0';
    }
    if (joined.size() + 1 <= size) {
        if (!joined.empty())
            std::memcpy(buffer, joined.data(), joined.size());
        buffer[joined.size()] = '\0';
        if (joined.empty() && size > 1)
            buffer[1] = '\0';
        return static_cast<DWORD>(joined.size());
    }
    // The list does not fit with its final NUL: it is cut and still ends in two NULs.
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, joined.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

// Windows drops trailing blanks from the default before using it.
std::string_view defaultText(LPCSTR lpDefault) {
    std::string_view text = lpDefault ? std::string_view(lpDefault) : std::string_view();
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
    if (!lpReturnedString || nSize == 0)
        return 0;
    const ProfileText text = lpFileName ? loadProfile(lpFileName) : ProfileText();
    if (!lpAppName)
        return copyList(text.sectionNames(), lpReturnedString, nSize);
    if (!lpKeyName) {
        // A list whose first byte is its NUL (no keys, or a first key with an empty name)
        // counts as no list, and the default is copied instead.
        const auto keys = text.keyNames(lpAppName);
        if (keys.empty() || keys.front().empty())
            return copyValue(defaultText(lpDefault), lpReturnedString, nSize);
        return copyList(keys, lpReturnedString, nSize);
    }
    const auto value = text.value(lpAppName, lpKeyName);
    return copyValue(value ? std::string_view(*value) : defaultText(lpDefault), lpReturnedString,
                     nSize);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName) {
    if (!lpAppName || !lpFileName)
        return 0;
    WriteResult result;
    if (!lpKeyName)
        result = removeProfileSection(lpFileName, lpAppName);
    else if (!lpString)
        result = removeProfileKey(lpFileName, lpAppName, lpKeyName);
    else
        result = writeProfileValue(lpFileName, lpAppName, lpKeyName, lpString);
    return result.ok ? 1 : 0;
}

DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName) {
    return GetPrivateProfileStringA(nullptr, nullptr, nullptr, lpszReturnBuffer, nSize, lpFileName);
}

} // namespace platform
