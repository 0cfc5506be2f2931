#include "id3tag/tag_record.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "id3tag/file_opener.h"
#include "id3tag/id3_tags.h"
#include "support/temp_dir.h"

namespace jelt::id3tag {
namespace {

using namespace std::string_literals;

constexpr char kRock = 17;
constexpr char kUnknown = static_cast<char>(0xFF);

// Bytes that stand for audio, of many values; none of the tails used below begins with
// "TAG".
std::string Audio(std::size_t length) {
  std::string audio(length, '\0');
  for (std::size_t i = 0; i < length; ++i)
    audio[i] = static_cast<char>((i * 37 + 11) & 0xFF);
  return audio;
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string padded(text);
  padded.resize(width, ' ');
  return padded;
}

// A whole 128-byte record, each field given as its bytes on disk.
std::string Tag(std::string_view title, std::string_view artist, std::string_view album,
                std::string_view year, std::string_view comment, char genre = kRock) {
  return "TAG" + Padded(title, 30) + Padded(artist, 30) + Padded(album, 30) + Padded(year, 4) +
         Padded(comment, 30) + genre;
}

std::string Zeros(std::size_t count) {
  return std::string(count, '\0');
}

const std::string kTagged = Audio(200) + Tag("Song", "Band", "Record", "1999", "Nice one");
const std::string kOnlyATag = Tag("Alone", "", "", "2000", "");
const std::string kUntagged = Audio(300);
const std::string kLowerCaseMarker = Audio(200) + "tag" + Tag("Song", "Band", "", "", "").substr(3);
const std::string kZeroPadded =
    Audio(200) + Tag("Abc" + Zeros(27), "  Lead", "", "99" + Zeros(2), "x \0 "s);
const std::string kShortWithMarker = "TAG" + Audio(97);
const std::string kWindows1252 = Audio(10) + Tag("Caf\xE9 \x8B\x33\x9B", "", "", "", "");

// What a test path names: a file with the given bytes, nothing, or a directory.
enum class Kind { kFile, kMissing, kDirectory };

// Test files reach the disk through this opener, which can refuse to open them: the one
// way to make a write fail for a user whom permissions do not stop.
class RefusingOpener final : public FileOpener {
 public:
  RefusingOpener(bool refuse_reads, bool refuse_writes)
      : refuse_reads_(refuse_reads), refuse_writes_(refuse_writes) {}

  RawFile OpenForReading(const std::string& path) const override {
    return refuse_reads_ ? RawFile() : RawFile::OpenForReading(path);
  }
  RawFile OpenForWriting(const std::string& path) const override {
    return refuse_writes_ ? RawFile() : RawFile::OpenForWriting(path);
  }

 private:
  const bool refuse_reads_;
  const bool refuse_writes_;
};

enum class Access { kDisk, kNoWrites, kNoReads };

const FileOpener& OpenerFor(Access access) {
  static const RefusingOpener disk(false, false);
  static const RefusingOpener no_writes(false, true);
  static const RefusingOpener no_reads(true, true);
  switch (access) {
    case Access::kNoWrites:
      return no_writes;
    case Access::kNoReads:
      return no_reads;
    case Access::kDisk:
      break;
  }
  return disk;
}

std::string MakePath(const test::TempDir& dir, Kind kind, const std::string& bytes) {
  const std::string path = dir / "song.mp3";
  if (kind == Kind::kFile) dir.Write("song.mp3", bytes);
  if (kind == Kind::kDirectory) std::filesystem::create_directory(path);
  return path;
}

// ----- Reading ---------------------------------------------------------------------------

struct ReadCase {
  std::string name;
  Kind kind;
  std::string bytes;
  Access access;
  bool exists;
  std::vector<std::string> fields;  // title, artist, album, year, comment
};

class ReadTagTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTagTest, GettersReturnTheFieldsWithoutTrailingSpaces) {
  const ReadCase& c = GetParam();
  const test::TempDir dir;
  Id3Tags tags(OpenerFor(c.access));
  // A tag read before must not show through in any later result.
  ASSERT_TRUE(tags.ReadTag(dir.Write("earlier.mp3", Tag("Old", "Old", "Old", "1970", "Old"))));
  const std::string path = MakePath(dir, c.kind, c.bytes);

  EXPECT_EQ(tags.ReadTag(path), c.exists);
  EXPECT_EQ(tags.TagTitle(path), c.fields[0]);
  EXPECT_EQ(tags.TagArtist(path), c.fields[1]);
  EXPECT_EQ(tags.TagAlbum(path), c.fields[2]);
  EXPECT_EQ(tags.TagYear(path), c.fields[3]);
  EXPECT_EQ(tags.TagComment(path), c.fields[4]);
  if (c.kind == Kind::kFile) {
    EXPECT_EQ(test::TempDir::Read(path), c.bytes);
  }
}

const std::vector<std::string> kNoFields(5, "");

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTagTest,
    testing::Values(
        ReadCase{"Tagged",
                 Kind::kFile,
                 kTagged,
                 Access::kDisk,
                 true,
                 {"Song", "Band", "Record", "1999", "Nice one"}},
        ReadCase{
            "OnlyATag", Kind::kFile, kOnlyATag, Access::kDisk, true, {"Alone", "", "", "2000", ""}},
        ReadCase{"Untagged", Kind::kFile, kUntagged, Access::kDisk, true, kNoFields},
        ReadCase{"LowerCaseMarker", Kind::kFile, kLowerCaseMarker, Access::kDisk, true, kNoFields},
        ReadCase{"ZeroPadded",
                 Kind::kFile,
                 kZeroPadded,
                 Access::kDisk,
                 true,
                 {"Abc" + Zeros(27), "  Lead", "", "99" + Zeros(2), "x \0"s}},
        ReadCase{"HundredBytesBeginningWithMarker", Kind::kFile, kShortWithMarker, Access::kDisk,
                 true, kNoFields},
        ReadCase{"Empty", Kind::kFile, "", Access::kDisk, true, kNoFields},
        ReadCase{"Windows1252",
                 Kind::kFile,
                 kWindows1252,
                 Access::kDisk,
                 true,
                 {"Café ‹3›", "", "", "", ""}},
        ReadCase{"Unreadable", Kind::kFile, kTagged, Access::kNoReads, true, kNoFields},
        ReadCase{"Missing", Kind::kMissing, "", Access::kDisk, false, kNoFields},
        ReadCase{"Directory", Kind::kDirectory, "", Access::kDisk, false, kNoFields}),
    [](const auto& info) { return info.param.name; });

TEST(ReadTag, CurrentTagHoldsEachFieldAtItsWidth) {
  const test::TempDir dir;
  Id3Tags tags;
  ASSERT_TRUE(tags.ReadTag(dir.Write("a.mp3", kTagged)));
  EXPECT_EQ(tags.CurrentTag().Title(), Padded("Song", 30));
  EXPECT_EQ(tags.CurrentTag().Comment(), Padded("Nice one", 30));
  EXPECT_EQ(tags.CurrentTag().Year(), "1999");
}

// One object reads one path again and again while the file changes under it, as when
// another program rewrites a song between two reads.
TEST(ReadTag, FollowsAFileThatChangesBetweenReads) {
  struct Step {
    Kind kind;
    std::string bytes;
    std::string title;
  };
  const Step steps[] = {
      {Kind::kFile, kTagged, "Song"},
      {Kind::kFile, Audio(200) + Tag("Same length", "", "", "", ""), "Same length"},
      {Kind::kFile, Audio(201) + Tag("One byte longer", "", "", "", ""), "One byte longer"},
      {Kind::kFile, Audio(72) + Tag("Shorter", "", "", "", ""), "Shorter"},
      {Kind::kFile, kTagged + Audio(128), ""},
      {Kind::kFile, kShortWithMarker, ""},
      {Kind::kMissing, "", ""},
      {Kind::kDirectory, "", ""},
      {Kind::kFile, kTagged, "Song"},
  };
  const test::TempDir dir;
  Id3Tags tags;
  for (const Step& step : steps) {
    std::filesystem::remove(dir / "song.mp3");
    EXPECT_EQ(tags.TagTitle(MakePath(dir, step.kind, step.bytes)), step.title) << step.bytes.size();
  }
}

// ----- Writing ---------------------------------------------------------------------------

using Setter = bool (Id3Tags::*)(const std::string&, std::string_view);

struct Operation {
  std::string label;
  std::function<bool(Id3Tags&, const std::string&)> run;
};

Operation Set(std::string label, Setter setter, std::string value) {
  return {std::move(label), [setter, value](Id3Tags& tags, const std::string& path) {
            return (tags.*setter)(path, value);
          }};
}

Operation Remove() {
  return {"RemoveTag", [](Id3Tags& tags, const std::string& path) { return tags.RemoveTag(path); }};
}

struct WriteCase {
  std::string name;
  Kind kind;
  std::string bytes;
  Access access;
  Operation operation;
  bool written;
  std::string after;  // the file's bytes afterwards, for a file
};

class WriteTagTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteTagTest, LeavesExactlyTheseBytes) {
  const WriteCase& c = GetParam();
  const test::TempDir dir;
  Id3Tags tags(OpenerFor(c.access));
  const std::string path = MakePath(dir, c.kind, c.bytes);

  EXPECT_EQ(c.operation.run(tags, path), c.written) << c.operation.label;
  switch (c.kind) {
    case Kind::kFile: {
      const std::string after = test::TempDir::Read(path);
      EXPECT_EQ(after.size(), c.after.size());
      EXPECT_EQ(after, c.after);
      break;
    }
    case Kind::kMissing:
      EXPECT_FALSE(std::filesystem::exists(path));
      break;
    case Kind::kDirectory:
      EXPECT_TRUE(std::filesystem::is_directory(path));
      break;
  }
}

const std::string k35Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789";

std::string Repeated(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i)
    out += text;
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteTagTest,
    testing::Values(
        WriteCase{"TaggedArtistWithTrailingSpaces", Kind::kFile, kTagged, Access::kDisk,
                  Set("SetTagArtist", &Id3Tags::SetTagArtist, "Bob   "), true,
                  Audio(200) + Tag("Song", "Bob", "Record", "1999", "Nice one")},
        WriteCase{"TaggedTitleOf35Characters", Kind::kFile, kTagged, Access::kDisk,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, k35Letters), true,
                  Audio(200) + Tag(k35Letters.substr(0, 30), "Band", "Record", "1999", "Nice one")},
        WriteCase{"TaggedYearOf6Characters", Kind::kFile, kTagged, Access::kDisk,
                  Set("SetTagYear", &Id3Tags::SetTagYear, "200199"), true,
                  Audio(200) + Tag("Song", "Band", "Record", "2001", "Nice one")},
        WriteCase{"TaggedAlbumEmptied", Kind::kFile, kTagged, Access::kDisk,
                  Set("SetTagAlbum", &Id3Tags::SetTagAlbum, ""), true,
                  Audio(200) + Tag("Song", "Band", "", "1999", "Nice one")},
        WriteCase{"TaggedCommentOf35AccentedLetters", Kind::kFile, kTagged, Access::kDisk,
                  Set("SetTagComment", &Id3Tags::SetTagComment, Repeated("é", 35)), true,
                  Audio(200) + Tag("Song", "Band", "Record", "1999", std::string(30, '\xE9'))},
        WriteCase{
            "TaggedTitleOutsideWindows1252", Kind::kFile, kTagged, Access::kDisk,
            Set("SetTagTitle", &Id3Tags::SetTagTitle, "Café ‹3› 日本"), true,
            Audio(200) + Tag("Caf\xE9 \x8B\x33\x9B ??", "Band", "Record", "1999", "Nice one")},
        WriteCase{"TaggedRemoved", Kind::kFile, kTagged, Access::kDisk, Remove(), true,
                  Audio(200) + Zeros(127) + kRock},
        WriteCase{"OnlyATagRemoved", Kind::kFile, kOnlyATag, Access::kDisk, Remove(), true,
                  Zeros(127) + kRock},
        WriteCase{"ZeroPaddedKeepsItsZeros", Kind::kFile, kZeroPadded, Access::kDisk,
                  Set("SetTagAlbum", &Id3Tags::SetTagAlbum, "X"), true,
                  Audio(200) + Tag("Abc" + Zeros(27), "  Lead", "X", "99" + Zeros(2), "x \0"s)},
        WriteCase{"UntaggedGetsANewRecord", Kind::kFile, kUntagged, Access::kDisk,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "New"), true,
                  kUntagged + Tag("New", "", "", "", "", kUnknown)},
        WriteCase{"UntaggedRemoveChangesNothing", Kind::kFile, kUntagged, Access::kDisk, Remove(),
                  false, kUntagged},
        WriteCase{"LowerCaseMarkerGetsANewRecord", Kind::kFile, kLowerCaseMarker, Access::kDisk,
                  Set("SetTagYear", &Id3Tags::SetTagYear, "2004"), true,
                  kLowerCaseMarker + Tag("", "", "", "2004", "", kUnknown)},
        WriteCase{"LowerCaseMarkerRemoveChangesNothing", Kind::kFile, kLowerCaseMarker,
                  Access::kDisk, Remove(), false, kLowerCaseMarker},
        WriteCase{"HundredBytesSetChangesNothing", Kind::kFile, kShortWithMarker, Access::kDisk,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "x"), false, kShortWithMarker},
        WriteCase{"HundredBytesRemoveChangesNothing", Kind::kFile, kShortWithMarker, Access::kDisk,
                  Remove(), false, kShortWithMarker},
        WriteCase{"UnwritableTaggedSetChangesNothing", Kind::kFile, kTagged, Access::kNoWrites,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "x"), false, kTagged},
        WriteCase{"UnwritableTaggedRemoveChangesNothing", Kind::kFile, kTagged, Access::kNoWrites,
                  Remove(), false, kTagged},
        WriteCase{"UnwritableUntaggedSetChangesNothing", Kind::kFile, kUntagged, Access::kNoWrites,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "x"), false, kUntagged},
        // Without reading the end of the file there is no telling whether a record is
        // there to overwrite, so nothing is appended either.
        WriteCase{"UnreadableSetChangesNothing", Kind::kFile, kUntagged, Access::kNoReads,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "x"), false, kUntagged},
        WriteCase{"MissingSetCreatesNothing", Kind::kMissing, "", Access::kDisk,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "x"), false, ""},
        WriteCase{"MissingRemoveCreatesNothing", Kind::kMissing, "", Access::kDisk, Remove(), false,
                  ""},
        WriteCase{"DirectorySetWritesNothing", Kind::kDirectory, "", Access::kDisk,
                  Set("SetTagTitle", &Id3Tags::SetTagTitle, "x"), false, ""}),
    [](const auto& info) { return info.param.name; });

TEST(WriteTag, SettingEveryFieldInTurnAppendsOneRecord) {
  const test::TempDir dir;
  const std::string path = dir.Write("a.mp3", kUntagged);
  Id3Tags tags;
  EXPECT_TRUE(tags.SetTagTitle(path, "T"));
  EXPECT_TRUE(tags.SetTagArtist(path, "A"));
  EXPECT_TRUE(tags.SetTagAlbum(path, "L"));
  EXPECT_TRUE(tags.SetTagYear(path, "2020"));
  EXPECT_TRUE(tags.SetTagComment(path, "C"));
  EXPECT_EQ(test::TempDir::Read(path), kUntagged + Tag("T", "A", "L", "2020", "C", kUnknown));
}

TEST(WriteTag, TextOutsideAsciiReadsBackAsWritten) {
  const test::TempDir dir;
  const std::string path = dir.Write("a.mp3", kTagged);
  Id3Tags tags;
  ASSERT_TRUE(tags.SetTagTitle(path, "‹·›³² Ærø"));
  EXPECT_EQ(tags.TagTitle(path), "‹·›³² Ærø");
  EXPECT_EQ(test::TempDir::Read(path).size(), kTagged.size());
}

// Permission bits stop an ordinary user only; for one who may write anything the refusing
// opener above stands in.
TEST(WriteTag, PermissionsThatForbidWritingLeaveTheFileAlone) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop this user";
  const test::TempDir dir;
  const std::string read_only = dir.Write("read-only.mp3", kTagged);
  const std::string unreadable = dir.Write("unreadable.mp3", kUntagged);
  ::chmod(read_only.c_str(), 0444);
  ::chmod(unreadable.c_str(), 0);
  Id3Tags tags;

  EXPECT_EQ(tags.TagTitle(read_only), "Song");
  EXPECT_FALSE(tags.SetTagTitle(read_only, "x"));
  EXPECT_FALSE(tags.RemoveTag(read_only));
  EXPECT_TRUE(tags.ReadTag(unreadable));
  EXPECT_FALSE(tags.SetTagTitle(unreadable, "x"));

  ::chmod(unreadable.c_str(), 0644);
  EXPECT_EQ(test::TempDir::Read(read_only), kTagged);
  EXPECT_EQ(test::TempDir::Read(unreadable), kUntagged);
}

// ----- The record in memory --------------------------------------------------------------

TEST(TagRecord, AssigningCutsOrPadsToTheWidthInCharacters) {
  struct Case {
    TagField field;
    std::string text;
    std::string held;
  };
  const Case cases[] = {
      {TagField::kTitle, "abc", Padded("abc", 30)},
      {TagField::kArtist, k35Letters, k35Letters.substr(0, 30)},
      {TagField::kComment, Repeated("é", 31), Repeated("é", 30)},
      {TagField::kYear, "123456", "1234"},
      {TagField::kYear, "", "    "},
      {TagField::kAlbum, "a\0b"s, "a\0b"s + std::string(27, ' ')},
  };
  for (const Case& c : cases) {
    TagRecord record;
    record.SetField(c.field, c.text);
    EXPECT_EQ(record.Field(c.field), c.held) << c.text;
  }
}

}  // namespace
}  // namespace jelt::id3tag
