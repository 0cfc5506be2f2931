#include "platform/file_list.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace jelt::platform {
namespace {

using ::jelt::test::TempDir;

TEST(FileListTest, ListsMatchingOrdinaryFilesSortedWithCaseIgnored) {
  TempDir dir;
  for (const char* name : {"d.mp3.txt", "e.wav", "B_c.MP3", "a.mp3", ".hidden.mp3", "C.Mp3x"}) {
    dir.Write(name, "x");
  }
  std::filesystem::create_directory(dir.Path() / "folder.mp3");
  FileList list("*.mp3*");
  EXPECT_TRUE(list.SetPath(dir.Path().string() + "/"));
  EXPECT_EQ(list.Path(), dir.Path().string());  // no trailing separator
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a.mp3", "B_c.MP3", "C.Mp3x", "d.mp3.txt"}));
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST(FileListTest, RefreshTakesInAddedAndRemovedFiles) {
  TempDir dir;
  dir.Write("one.mp3", "x");
  FileList list("*.mp3*");
  list.SetPath(dir.Path().string());
  dir.Write("two.mp3", "x");
  std::filesystem::remove(dir.Path() / "one.mp3");
  list.Refresh();
  EXPECT_EQ(list.Items(), std::vector<std::string>{"two.mp3"});
}

TEST(FileListTest, ADirectoryThatCannotBeReadListsNothing) {
  TempDir dir;
  FileList list("*.mp3*");
  EXPECT_FALSE(list.SetPath((dir.Path() / "missing").string()));
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_FALSE(list.SetPath(""));
  EXPECT_EQ(list.ListCount(), 0);
}

TEST(FileListTest, SelectionRefusesIndexesOutsideTheList) {
  TempDir dir;
  dir.Write("a.mp3", "x");
  dir.Write("b.mp3", "x");
  FileList list("*.mp3*");
  list.SetPath(dir.Path().string());
  EXPECT_TRUE(list.SelectName("B.MP3"));
  EXPECT_EQ(list.FileName(), "b.mp3");
  EXPECT_FALSE(list.SetListIndex(2));
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_FALSE(list.SelectName("c.mp3"));
  EXPECT_EQ(list.ListIndex(), 1);
}

TEST(FileNameMatchesTest, FileSearchWildcards) {
  const struct {
    const char* name;
    const char* pattern;
    bool matches;
  } cases[] = {
      {"a.mp3", "*.mp3*", true},  {"A.MP3", "*.mp3*", true},  {"a.mp3.txt", "*.mp3*", true},
      {"amp3", "*.mp3*", false},  {"a.mp", "*.mp3*", false},  {"é.MP3", "*.mp3*", true},
      {"ab.mp3", "?b.mp3", true}, {"éb.mp3", "?b.mp3", true}, {"b.mp3", "?b.mp3", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileNameMatches(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
  }
}

}  // namespace
}  // namespace jelt::platform
