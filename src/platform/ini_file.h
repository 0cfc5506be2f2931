// The settings file, read and written the way the platform's profile functions
// (GetPrivateProfileStringA, WritePrivateProfileStringA) do it, so that the file behaves
// alike everywhere. The format and its rules are those of platform/ini_text.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/process.h"
#include "platform/whole_file.h"

namespace jelt::platform {

// What GetPrivateProfileStringA leaves in a buffer of `buffer_size` characters, on the
// narrow (Windows-1252) bytes as stored: the key's value, or the default (less its trailing
// blanks) when the file, the section or the key is missing; cut to `buffer_size` - 1
// characters when it does not fit.
std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view default_value,
                             std::size_t buffer_size);

// What WritePrivateProfileStringA does: sets the key to the value, creating the file, the
// section and the key as needed. The file is replaced whole, so a write that fails leaves the
// old file as it was. Returns false when the file cannot be read or written (its directory
// missing, say) or the names cannot be written (see SetIniValue).
[[nodiscard]] bool WriteProfileString(const std::string& path, std::string_view section,
                                      std::string_view key, std::string_view value);
// The same, with the new file's bytes put to disk by `write_bytes`.
[[nodiscard]] bool WriteProfileString(const std::string& path, std::string_view section,
                                      std::string_view key, std::string_view value,
                                      WriteBytesFn write_bytes);

// The program's access to its settings file. Text is UTF-8 here and Windows-1252 on disk.
//
// Keys are stored in upper case and looked up in lower case: WriteIniValue upper-cases the
// key it writes and ReadIniValue lower-cases the key it asks for, so a value written under
// "handle" is stored under "HANDLE" and found again through "handle", since names match
// without regard to case. A key already in the file keeps its own spelling.

// Room for a value and its terminating NUL: a longer value comes back as its first 749
// characters.
inline constexpr std::size_t kIniValueBufferSize = 750;

// The settings file: "jelt.ini" in the program's directory.
std::string SettingsFilePath(const Process& process);

// The value, or "" when the file, the section or the key is missing.
std::string ReadIniValue(std::string_view section, std::string_view key, const std::string& path);
// Sets the value; a write that fails is silent, and the caller's own copy stays as set.
void WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::string& path);

}  // namespace jelt::platform
