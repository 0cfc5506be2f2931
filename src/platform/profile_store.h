// The per-user application settings store, addressed by application, section and key.
#pragma once

#include <string>
#include <string_view>

namespace jelt::platform {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // "" when the setting is absent.
  virtual std::string GetSetting(std::string_view app, std::string_view section,
                                 std::string_view key) = 0;
  virtual void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

}  // namespace jelt::platform
