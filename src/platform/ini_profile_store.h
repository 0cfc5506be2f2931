// The per-user settings store kept in one INI file: a setting of application "jelt1",
// section "Times" and key "times" is the key "times" of the file's section "jelt1\Times".
// Values are text, Windows-1252 on disk like the settings file's.
#pragma once

#include <string>
#include <string_view>

#include "platform/profile_store.h"

namespace jelt::platform {

class IniProfileStore final : public ProfileStore {
 public:
  explicit IniProfileStore(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  std::string GetSetting(std::string_view app, std::string_view section,
                         std::string_view key) override;
  // Creates the file's directory first when it is missing. A failed save is silent.
  void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;

 private:
  std::string path_;
};

}  // namespace jelt::platform
