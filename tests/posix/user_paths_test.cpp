#include "posix/user_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace jelt::posix {
namespace {

TEST(UserPaths, ConfigDirectoryFollowsTheXdgRules) {
  struct Case {
    const char* xdg;
    const char* home;
    const char* expected;
  };
  for (const Case& c : {Case{"/cfg", "/home/joe", "/cfg"}, Case{"/cfg/", "/home/joe", "/cfg"},
                        Case{"relative", "/home/joe", "/home/joe/.config"},
                        Case{"", "/home/joe/", "/home/joe/.config"},
                        Case{nullptr, "/home/joe", "/home/joe/.config"}}) {
    EXPECT_EQ(ConfigDirectoryFrom(c.xdg, c.home), c.expected)
        << (c.xdg ? c.xdg : "(unset)") << " " << c.home;
  }
  // Without a home in the environment, the password database's counts.
  EXPECT_EQ(ConfigDirectoryFrom(nullptr, nullptr).substr(0, 1), "/");
}

TEST(UserPaths, ExecutableDirectoryHoldsThisTest) {
  const std::string directory = ExecutableDirectory();
  EXPECT_NE(directory.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(directory) / "jelt_posix_tests"));
}

}  // namespace
}  // namespace jelt::posix
