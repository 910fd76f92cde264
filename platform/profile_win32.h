#pragma once

#include <cstdint>

// The Windows profile-string functions with their own signatures, for code that is written
// against them. They behave as Windows does, byte for byte where it can be observed, except
// that writes are atomic and locked (see profile_file.h).
namespace platform {

using BOOL = int;
using DWORD = std::uint32_t;
using LPCSTR = const char*;
using LPSTR = char*;

// Copies a value (or, with a null key, the section's key names; with a null section, the
// section names), each name followed by a NUL and the list by a final NUL. Returns the
// number of bytes copied without the terminating NUL.
DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);
// Sets a value; a null value deletes the key, a null key deletes the section. FALSE also
// when the value cannot be stored so that it reads back as written (see ProfileText).
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName);
DWORD GetPrivateProfileSectionNamesA(LPSTR lpszReturnBuffer, DWORD nSize, LPCSTR lpFileName);

} // namespace platform
