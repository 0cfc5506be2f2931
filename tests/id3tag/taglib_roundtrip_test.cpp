// Tags exchanged with an outside reader and writer, TagLib, on files that look like MP3s.
#include <gtest/gtest.h>
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tstring.h>

#include <string>

#include "id3tag/id3_tags.h"
#include "platform/text.h"
#include "support/temp_dir.h"

namespace jelt::id3tag {
namespace {

// Four MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz, 417 bytes each) of silence-like
// zeros: enough for TagLib to take the file for an MP3.
std::string MpegAudio() {
  std::string frame(417, '\0');
  frame[0] = '\xFF';
  frame[1] = '\xFB';
  frame[2] = '\x90';
  frame[3] = '\x00';
  std::string audio;
  for (int i = 0; i < 4; ++i)
    audio += frame;
  return audio;
}

std::string Utf8(const TagLib::String& text) {
  return text.to8Bit(true);
}
TagLib::String FromUtf8(const std::string& text) {
  return TagLib::String(text, TagLib::String::UTF8);
}

// TagLib fills a field with zero bytes where this program fills it with spaces, and this
// program keeps zero bytes when it reads, as the tag's other readers do.
std::string ZeroFilled(const std::string& text) {
  return text + std::string(30 - platform::CharCount(text), '\0');
}

// TagLib keeps the spaces after a comment that fills all 30 bytes of its field.
std::string WithoutTrailingSpaces(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

struct Fields {
  std::string title, artist, album, year, comment;
};

// Latin-1 text only: TagLib reads and writes ID3v1 text as Latin-1, which agrees with
// Windows-1252 there.
const Fields kFields = {"Exactly thirty characters, yes", "Sigur Rós", "Ágætis byrjun", "1999",
                        "Crème brûlée"};

TEST(TagLibRoundTrip, TagLibReadsWhatThisProgramWrites) {
  const test::TempDir dir;
  const std::string path = dir.Write("ours.mp3", MpegAudio());
  Id3Tags tags;
  ASSERT_TRUE(tags.SetTagTitle(path, kFields.title));
  ASSERT_TRUE(tags.SetTagArtist(path, kFields.artist));
  ASSERT_TRUE(tags.SetTagAlbum(path, kFields.album));
  ASSERT_TRUE(tags.SetTagYear(path, kFields.year));
  ASSERT_TRUE(tags.SetTagComment(path, kFields.comment));

  TagLib::MPEG::File file(path.c_str(), false);
  ASSERT_TRUE(file.isValid());
  ASSERT_TRUE(file.hasID3v1Tag());
  const TagLib::ID3v1::Tag& tag = *file.ID3v1Tag();
  EXPECT_EQ(Utf8(tag.title()), kFields.title);
  EXPECT_EQ(Utf8(tag.artist()), kFields.artist);
  EXPECT_EQ(Utf8(tag.album()), kFields.album);
  EXPECT_EQ(tag.year(), 1999u);
  EXPECT_EQ(WithoutTrailingSpaces(Utf8(tag.comment())), kFields.comment);
  EXPECT_TRUE(tag.genre().isEmpty()) << "a new record's genre is unknown";
}

TEST(TagLibRoundTrip, ThisProgramReadsAndRewritesWhatTagLibWrites) {
  const test::TempDir dir;
  const std::string path = dir.Write("theirs.mp3", MpegAudio());
  {
    TagLib::MPEG::File file(path.c_str(), false);
    TagLib::ID3v1::Tag& tag = *file.ID3v1Tag(true);
    tag.setTitle(FromUtf8(kFields.title));
    tag.setArtist(FromUtf8(kFields.artist));
    tag.setAlbum(FromUtf8(kFields.album));
    tag.setYear(1999);
    tag.setComment(FromUtf8(kFields.comment));
    tag.setGenre("Rock");
    ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v1));
  }
  const std::size_t length = test::TempDir::Read(path).size();

  Id3Tags tags;
  EXPECT_EQ(tags.TagTitle(path), kFields.title);  // all 30 bytes used: no fill
  EXPECT_EQ(tags.TagArtist(path), ZeroFilled(kFields.artist));
  EXPECT_EQ(tags.TagAlbum(path), ZeroFilled(kFields.album));
  EXPECT_EQ(tags.TagYear(path), kFields.year);
  EXPECT_EQ(tags.TagComment(path), ZeroFilled(kFields.comment));

  // A field set here keeps TagLib's other fields and its genre, which is never written.
  ASSERT_TRUE(tags.SetTagAlbum(path, "Takk..."));
  EXPECT_EQ(test::TempDir::Read(path).size(), length);
  TagLib::MPEG::File file(path.c_str(), false);
  ASSERT_TRUE(file.hasID3v1Tag());
  const TagLib::ID3v1::Tag& tag = *file.ID3v1Tag();
  EXPECT_EQ(Utf8(tag.album()), "Takk...");
  EXPECT_EQ(Utf8(tag.artist()), kFields.artist);
  EXPECT_EQ(Utf8(tag.genre()), "Rock");
}

}  // namespace
}  // namespace jelt::id3tag
