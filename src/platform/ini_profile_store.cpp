#include "platform/ini_profile_store.h"

#include <filesystem>
#include <limits>

#include "platform/ini_file.h"
#include "platform/text.h"

namespace jelt::platform {

namespace {

// Settings in the store are not held to the settings file's 749 characters.
constexpr std::size_t kWholeValue = std::numeric_limits<std::size_t>::max();

std::string SectionName(std::string_view app, std::string_view section) {
  std::string name(app);
  name.push_back('\\');
  name.append(section);
  return Utf8ToCp1252(name);
}

}  // namespace

std::string IniProfileStore::GetSetting(std::string_view app, std::string_view section,
                                        std::string_view key) {
  return Cp1252ToUtf8(
      GetProfileString(path_, SectionName(app, section), Utf8ToCp1252(key), "", kWholeValue));
}

void IniProfileStore::SaveSetting(std::string_view app, std::string_view section,
                                  std::string_view key, std::string_view value) {
  std::error_code error;
  const std::filesystem::path directory = std::filesystem::path(path_).parent_path();
  if (!directory.empty()) std::filesystem::create_directories(directory, error);
  static_cast<void>(
      WriteProfileString(path_, SectionName(app, section), Utf8ToCp1252(key), Utf8ToCp1252(value)));
}

}  // namespace jelt::platform
