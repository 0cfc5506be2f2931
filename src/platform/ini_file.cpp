#include "platform/ini_file.h"

#include <filesystem>
#include <optional>

#include "platform/ini_text.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace jelt::platform {

namespace {

// The platform drops a default's trailing blanks, warning callers not to rely on them.
std::string_view WithoutTrailingBlanks(std::string_view s) {
  return s.substr(0, s.find_last_not_of(" \t") + 1);
}

}  // namespace

std::string GetProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view default_value,
                             std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  const std::optional<std::string> text = ReadWholeFile(path);
  std::optional<std::string_view> value;
  if (text) value = FindIniValue(*text, section, key);
  const std::string_view result = value ? *value : WithoutTrailingBlanks(default_value);
  return std::string(result.substr(0, buffer_size - 1));
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  return WriteProfileString(path, section, key, value, WriteAllBytes);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, WriteBytesFn write_bytes) {
  const std::optional<std::string> old_text = ReadWholeFile(path);
  std::error_code error;
  // Something that exists but cannot be read (a directory, a file without read access) must
  // not be taken for a missing file and replaced by one holding this key alone.
  if (!old_text && std::filesystem::exists(path, error)) return false;
  const std::string_view old_view = old_text ? std::string_view(*old_text) : std::string_view();
  const std::optional<std::string> new_text = SetIniValue(old_view, section, key, value);
  if (!new_text) return false;
  if (old_text && *new_text == *old_text) return true;
  return ReplaceWholeFile(path, *new_text, write_bytes);
}

std::string ReadIniValue(std::string_view section, std::string_view key, const std::string& path) {
  return Cp1252ToUtf8(GetProfileString(path, Utf8ToCp1252(section), Utf8ToCp1252(LowerCase(key)),
                                       "", kIniValueBufferSize));
}

void WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const std::string& path) {
  // The program carries on with its own copy of the value whatever happens to the file.
  static_cast<void>(WriteProfileString(path, Utf8ToCp1252(section), Utf8ToCp1252(UpperCase(key)),
                                       Utf8ToCp1252(value)));
}

std::string SettingsFilePath(const Process& process) {
  return JoinPath(process.ProgramDirectory(), "jelt.ini");
}

}  // namespace jelt::platform
