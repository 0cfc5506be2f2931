#include "app/settings.h"

#include <charconv>
#include <cmath>

namespace jelt::app {

namespace {

constexpr std::string_view kStoreApp = "jelt1";
constexpr std::string_view kStoreSection = "Times";
constexpr std::string_view kStoreKey = "times";

bool ParseCount(const std::string& text, double& count) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  const auto [stop, error] = std::from_chars(begin, end, count);
  return !text.empty() && error == std::errc() && stop == end && std::isfinite(count);
}

std::string ShortestDecimal(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace

std::string UpdateLoadCount(platform::ProfileStore& store) {
  const std::string stored = store.GetSetting(kStoreApp, kStoreSection, kStoreKey);
  double count = 0;
  if (!ParseCount(stored, count)) {
    store.SaveSetting(kStoreApp, kStoreSection, kStoreKey, "1");
    return "0";
  }
  store.SaveSetting(kStoreApp, kStoreSection, kStoreKey, ShortestDecimal(count + 1));
  return stored;
}

}  // namespace jelt::app
