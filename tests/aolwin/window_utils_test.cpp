#include "aolwin/window_utils.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/headless_ui.h"

namespace jelt::aolwin {
namespace {

TEST(WipeFileTest, WipesAndDeletesOrdinaryFilesOnly) {
  test::TempDir dir;
  const std::string empty = dir.Write("empty.mp3", "");
  const std::string song = dir.Write("song.mp3", std::string(10000, 'a'));
  EXPECT_TRUE(WipeFile(empty));
  EXPECT_TRUE(WipeFile(song));
  EXPECT_FALSE(std::filesystem::exists(empty));
  EXPECT_FALSE(std::filesystem::exists(song));
  // A file that is not there is not made in order to be wiped.
  const std::string missing = dir / "missing.mp3";
  EXPECT_FALSE(WipeFile(missing));
  EXPECT_FALSE(std::filesystem::exists(missing));
  std::filesystem::create_directory(dir.Path() / "folder");
  EXPECT_FALSE(WipeFile(dir / "folder"));
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "folder"));
}

TEST(WindowUtilsTest, CentreFormPlacesTheMiddleAboveTheCentre) {
  ui::HeadlessUi ui;
  platform::Form form("Form1");
  form.width = 3435;
  form.height = 1843;
  CentreForm(ui, form);
  EXPECT_EQ(form.left, 15360 / 2 - 3435 / 2);
  EXPECT_EQ(form.top, static_cast<int>(11520 * 0.85 / 2 - 1843 / 2.0));
}

TEST(WindowUtilsTest, RandomNumberRunsFromOneToN) {
  platform::Random random(3);
  bool seen[4] = {};
  for (int i = 0; i < 100; ++i) {
    const int n = RandomNumber(random, 3);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 3);
    seen[n] = true;
  }
  EXPECT_TRUE(seen[1] && seen[2] && seen[3]);
  EXPECT_EQ(RandomNumber(random, 1), 1);
}

}  // namespace
}  // namespace jelt::aolwin
