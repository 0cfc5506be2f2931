#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ini_profile_store.h"
#include "support/temp_dir.h"

namespace jelt::platform {
namespace {

using test::TempDir;

constexpr std::string_view kMissing = "<missing>";
constexpr std::size_t kRoomy = 1000;

std::vector<std::string> FileNamesIn(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

struct ReadCase {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
  std::string_view expected;
};

TEST(GetProfileString, ReadsByTheFormatsRules) {
  const std::vector<ReadCase> cases = {
      {"value trimmed", "[S]\r\nk=  v w \t\r\n", "S", "k", "v w"},
      {"spaces around = and indented lines", "  [S]  \r\n  k  =  v\r\n", "S", "k", "v"},
      {"names asked for are trimmed", "[S]\r\nk=v\r\n", " S ", " k\t", "v"},
      {"names match without case", "[sEcTiOn]\r\nKeY=v\r\n", "Section", "kEy", "v"},
      {"Latin-1 letters match without case", "[\xC9T\xC9]\r\n\xC4=v\r\n", "\xE9t\xE9", "\xE4", "v"},
      {"double quotes dropped", "[S]\r\nk=\"  v  \"\r\n", "S", "k", "  v  "},
      {"single quotes dropped", "[S]\r\nk='v'\r\n", "S", "k", "v"},
      {"unlike quotes kept", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
      {"a lone quote kept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
      {"two quotes give empty", "[S]\r\nk=''\r\n", "S", "k", ""},
      {"empty value is found", "[S]\r\nk=\r\n", "S", "k", ""},
      {"first of two equal keys", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
      {"comment at line start", "[S]\r\n;k=1\r\n  ;k=2\r\nk=3\r\n", "S", "k", "3"},
      {"semicolon inside a value", "[S]\r\nk=a ; b\r\n", "S", "k", "a ; b"},
      {"semicolon inside a key", "[S]\r\nk;=1\r\n", "S", "k;", "1"},
      {"= in the value", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
      {"CR line ends", "[S]\rk=1\r[T]\rk=2\r", "T", "k", "2"},
      {"LF line ends", "[S]\nk=1\n[T]\nk=2\n", "S", "k", "1"},
      {"mixed ends, no final break", "[S]\r\nj=0\rk=1\nl=2", "S", "l", "2"},
      {"section name to the last ]", "[a]b]\r\nk=1\r\n", "a]b", "k", "1"},
      {"key in another section", "[S]\r\n[T]\r\nk=1\r\n", "S", "k", kMissing},
      {"key before any section", "k=1\r\n[S]\r\n", "S", "k", kMissing},
      {"only the first section of a name", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", kMissing},
      {"line without =", "[S]\r\nk\r\nk=1\r\n", "S", "k", "1"},
      {"missing section", "[S]\r\nk=1\r\n", "T", "k", kMissing},
      {"heading without ]", "[S\r\nk=1\r\n", "S", "k", kMissing},
  };
  const TempDir dir;
  for (const ReadCase& c : cases) {
    const std::string path = dir.Write("read.ini", c.file);
    EXPECT_EQ(GetProfileString(path, c.section, c.key, kMissing, kRoomy), c.expected) << c.what;
  }
}

TEST(GetProfileString, CutsToTheBufferAndFallsBackToTheDefault) {
  const TempDir dir;
  const std::string path = dir.Write("cut.ini", "[S]\r\nk=abcdef\r\nq=\"abcdef\"\r\n");
  EXPECT_EQ(GetProfileString(path, "S", "k", "", 7), "abcdef");
  EXPECT_EQ(GetProfileString(path, "S", "k", "", 4), "abc");
  EXPECT_EQ(GetProfileString(path, "S", "q", "", 4), "abc");
  EXPECT_EQ(GetProfileString(path, "S", "k", "", 1), "");
  EXPECT_EQ(GetProfileString(path, "S", "k", "", 0), "");
  EXPECT_EQ(GetProfileString(path, "S", "none", "def  \t", kRoomy), "def");
  EXPECT_EQ(GetProfileString(path, "S", "none", "default", 4), "def");
  EXPECT_EQ(GetProfileString(dir / "absent.ini", "S", "k", "def", kRoomy), "def");
}

TEST(ReadIniValue, KeepsAValueOf749CharactersWholeAndCutsALongerOne) {
  const TempDir dir;
  const std::string exact(749, 'x');
  const std::string longer = std::string(749, 'y') + "z";
  const std::string path =
      dir.Write("jelt.ini", "[S]\r\nexact=" + exact + "\r\nlonger=" + longer + "\r\n");
  EXPECT_EQ(ReadIniValue("S", "exact", path), exact);
  EXPECT_EQ(ReadIniValue("S", "longer", path), std::string(749, 'y'));
}

struct WriteCase {
  const char* what;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

TEST(WriteProfileString, ChangesTheFileAsLittleAsItCan) {
  const std::vector<WriteCase> cases = {
      {"new file", "", "B", "Z", "v", "[B]\r\nZ=v\r\n"},
      {"existing key keeps its spelling, in place", "[Dir]\r\nDir1=old\r\nx=1\r\n", "dir", "DIR1",
       "new", "[Dir]\r\nDir1=new\r\nx=1\r\n"},
      {"rewritten line loses its padding, others keep their bytes", "[S]\n  Key = old  \nz = 9\n",
       "S", "KEY", "new", "[S]\nKey=new\r\nz = 9\n"},
      {"first of two equal keys replaced", "[A]\r\nk=1\r\nk=2\r\n", "A", "K", "v",
       "[A]\r\nk=v\r\nk=2\r\n"},
      {"new key after the section's last key", "[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n", "A",
       "Z", "v", "[A]\r\nx=1\r\nZ=v\r\n; note\r\n\r\n[B]\r\ny=2\r\n"},
      {"new key under a heading with no keys", "[A]\r\n\r\n[B]\r\n", "a", "Z", "v",
       "[A]\r\nZ=v\r\n\r\n[B]\r\n"},
      {"new key after a last line without break", "[A]\r\nx=1", "A", "Z", "v",
       "[A]\r\nx=1\r\nZ=v\r\n"},
      {"new key in the first of two sections", "[A]\r\nx=1\r\n[A]\r\ny=2\r\n", "A", "Z", "v",
       "[A]\r\nx=1\r\nZ=v\r\n[A]\r\ny=2\r\n"},
      {"new section at the end", "[A]\r\nx=1\r\n", "B", "Z", "v",
       "[A]\r\nx=1\r\n\r\n[B]\r\nZ=v\r\n"},
      {"new section after a blank last line", "[A]\r\nx=1\r\n\r\n", "B", "Z", "v",
       "[A]\r\nx=1\r\n\r\n[B]\r\nZ=v\r\n"},
      {"new section after a last line without break", "[A]\nx=1", "B", "Z", "v",
       "[A]\nx=1\r\n\r\n[B]\r\nZ=v\r\n"},
      {"names written trimmed", "", " B ", " Z ", "v", "[B]\r\nZ=v\r\n"},
      {"leading blanks of the value dropped, trailing kept", "", "B", "Z", " \t v ",
       "[B]\r\nZ=v \r\n"},
      {"each line break in the value becomes a space", "", "B", "Z", "a\r\nb\nc\rd\r\n\r\n",
       "[B]\r\nZ=a b c d  \r\n"},
      {"a value of line breaks alone is empty", "[B]\r\nZ=old\r\n", "B", "Z", "\r\n\n",
       "[B]\r\nZ=\r\n"},
  };
  const TempDir dir;
  for (const WriteCase& c : cases) {
    const std::string path = dir / "write.ini";
    std::filesystem::remove(path);
    if (!c.before.empty()) dir.Write("write.ini", c.before);
    EXPECT_TRUE(WriteProfileString(path, c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(TempDir::Read(path), c.after) << c.what;
  }
}

TEST(WriteProfileString, RefusesNamesThatCouldNotBeReadBack) {
  const std::vector<std::pair<std::string, std::string>> names = {
      {"S", ""},   {"S", "  "},   {"S", "a=b"},    {"S", "[k]"},
      {"S", ";k"}, {"S", "a\nb"}, {"a\r\nb", "k"},
  };
  const TempDir dir;
  const std::string path = dir.Write("jelt.ini", "[S]\r\nk=1\r\n");
  for (const auto& [section, key] : names) {
    EXPECT_FALSE(WriteProfileString(path, section, key, "v")) << section << "/" << key;
  }
  EXPECT_EQ(TempDir::Read(path), "[S]\r\nk=1\r\n");
}

TEST(WriteProfileString, FailsWhereNoFileCanBeWritten) {
  const TempDir dir;
  EXPECT_FALSE(WriteProfileString(dir / "no-such-dir/jelt.ini", "S", "k", "v"));
  EXPECT_FALSE(std::filesystem::exists(dir / "no-such-dir"));
  std::filesystem::create_directory(dir / "a-dir.ini");
  EXPECT_FALSE(WriteProfileString(dir / "a-dir.ini", "S", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "a-dir.ini"));
}

// Stands for a disk that fills up, or a process that dies, half-way through the new file.
bool WriteHalfThenFail(int fd, std::string_view bytes) {
  static_cast<void>(WriteAllBytes(fd, bytes.substr(0, bytes.size() / 2)));
  return false;
}

TEST(WriteProfileString, InterruptedHalfWayLeavesTheOldFileIntact) {
  const TempDir dir;
  const std::string old_text = "[Dir]\r\nDIR1=/music\r\n[Handle]\r\nHANDLE=bob\r\n";
  const std::string path = dir.Write("jelt.ini", old_text);
  EXPECT_FALSE(WriteProfileString(path, "Dir", "DIR1", "/elsewhere/entirely", WriteHalfThenFail));
  EXPECT_EQ(TempDir::Read(path), old_text);
  EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"jelt.ini"});

  EXPECT_FALSE(WriteProfileString(dir / "new.ini", "S", "k", "v", WriteHalfThenFail));
  EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"jelt.ini"});
}

TEST(WriteProfileString, KeepsTheFilesPermissionsAndLinks) {
  const TempDir dir;
  const std::string target = dir.Write("real.ini", "[S]\r\nk=1\r\n");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const std::string link = dir / "link.ini";
  std::filesystem::create_symlink(target, link);

  ASSERT_TRUE(WriteProfileString(link, "S", "k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(TempDir::Read(target), "[S]\r\nk=2\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(IniValue, StoresKeysUpperCaseAndFindsThemLowerCase) {
  const TempDir dir;
  const std::string path = dir / "jelt.ini";
  EXPECT_EQ(ReadIniValue("Handle", "handle", path), "");
  EXPECT_FALSE(std::filesystem::exists(path));

  WriteIniValue("Handle", "handle", "DJ bob", path);
  EXPECT_EQ(TempDir::Read(path), "[Handle]\r\nHANDLE=DJ bob\r\n");
  EXPECT_EQ(ReadIniValue("Handle", "handle", path), "DJ bob");
  EXPECT_EQ(ReadIniValue("HANDLE", "Handle", path), "DJ bob");
  EXPECT_EQ(ReadIniValue("Handle", "handles", path), "");
  EXPECT_EQ(ReadIniValue("Dir", "handle", path), "");

  WriteIniValue("Dir", "Dir1", "/music", path);
  WriteIniValue("Handle", "handle", "DJ al", path);
  EXPECT_EQ(TempDir::Read(path), "[Handle]\r\nHANDLE=DJ al\r\n\r\n[Dir]\r\nDIR1=/music\r\n");
}

TEST(IniValue, AKeyAlreadyInTheFileKeepsItsSpelling) {
  const TempDir dir;
  const std::string path = dir.Write("jelt.ini", "[played]\r\nPlayed=4\r\n");
  WriteIniValue("played", "played", "5", path);
  EXPECT_EQ(TempDir::Read(path), "[played]\r\nPlayed=5\r\n");
  EXPECT_EQ(ReadIniValue("played", "played", path), "5");
}

TEST(IniValue, DecorationSurvivesTheRoundTripThroughWindows1252) {
  const TempDir dir;
  const std::string path = dir / "jelt.ini";
  const std::string decoration = "‹·›³²";
  WriteIniValue("Settings", "ascii", decoration, path);
  EXPECT_EQ(TempDir::Read(path), "[Settings]\r\nASCII=\x8B\xB7\x9B\xB3\xB2\r\n");
  EXPECT_EQ(ReadIniValue("Settings", "ascii", path), decoration);
}

TEST(IniProfileStore, KeepsTheLoadsCounterAcrossStoresOnOneFile) {
  const TempDir dir;
  const std::string path = dir / "config/jelt/settings.ini";
  IniProfileStore first(path);
  EXPECT_EQ(first.GetSetting("jelt1", "Times", "times"), "");

  first.SaveSetting("jelt1", "Times", "times", "1");
  EXPECT_EQ(first.GetSetting("jelt1", "Times", "times"), "1");
  EXPECT_EQ(TempDir::Read(path), "[jelt1\\Times]\r\ntimes=1\r\n");

  IniProfileStore second(path);
  EXPECT_EQ(second.GetSetting("jelt1", "Times", "times"), "1");
  second.SaveSetting("jelt1", "Times", "times", "2");
  EXPECT_EQ(first.GetSetting("jelt1", "Times", "times"), "2");
  EXPECT_EQ(first.GetSetting("jelt1", "Times", "other"), "");
  EXPECT_EQ(first.GetSetting("jelt2", "Times", "times"), "");
}

}  // namespace
}  // namespace jelt::platform
