// Whatever bytes a file holds, reading its tag, setting a field and removing the tag must
// not crash, and the file's length must change only where a new record is appended.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "id3tag/id3_tags.h"
#include "support/temp_dir.h"

namespace {

using jelt::id3tag::Id3Tags;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool EndsWithMarker(const std::string& bytes) {
  return bytes.size() >= 128 && bytes.compare(bytes.size() - 128, 3, "TAG") == 0;
}

void ReadEveryField(Id3Tags& tags, const std::string& path) {
  tags.ReadTag(path);
  tags.TagTitle(path);
  tags.TagArtist(path);
  tags.TagAlbum(path);
  tags.TagYear(path);
  tags.TagComment(path);
}

// The input's own first bytes, which need not be UTF-8, are the value to set.
bool SetOneField(Id3Tags& tags, const std::string& path, const std::string& bytes) {
  const std::string value = bytes.substr(0, 40);
  switch (bytes.size() % 5) {
    case 0:
      return tags.SetTagTitle(path, value);
    case 1:
      return tags.SetTagArtist(path, value);
    case 2:
      return tags.SetTagAlbum(path, value);
    case 3:
      return tags.SetTagYear(path, value);
    default:
      return tags.SetTagComment(path, value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const jelt::test::TempDir dir;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // A new file each time: rewriting one in place would make the file system flush it to
  // disk on every input, which is much slower.
  std::filesystem::remove(dir / "input.mp3");
  const std::string path = dir.Write("input.mp3", bytes);
  Id3Tags tags;

  ReadEveryField(tags, path);
  const bool set = SetOneField(tags, path, bytes);
  const std::uintmax_t length = std::filesystem::file_size(path);
  if (size < 128) {
    Require(!set && length == size);
  } else {
    Require(set && length == (EndsWithMarker(bytes) ? size : size + 128));
  }
  ReadEveryField(tags, path);

  Require(tags.RemoveTag(path) == set);
  Require(std::filesystem::file_size(path) == length);
  Require(tags.TagTitle(path).empty() && tags.TagComment(path).empty());
  return 0;
}
