#include "id3tag/id3_tags.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "id3tag/raw_file.h"
#include "id3tag/tag_image.h"

namespace jelt::id3tag {

namespace {

// A file opened for writing whose last kTagSize bytes are where a tag lies or would lie.
struct TagPosition {
  RawFile file;
  std::uint64_t length = 0;
  std::uint64_t Offset() const { return length - kTagSize; }
};

std::optional<TagPosition> OpenTagPosition(const FileOpener& files, const std::string& path) {
  TagPosition position{files.OpenForWriting(path)};
  const std::optional<std::uint64_t> length = position.file.OrdinaryFileLength();
  if (!length || *length < kTagSize) return std::nullopt;
  position.length = *length;
  return position;
}

bool OverwriteTag(TagPosition& position, const TagImage& image) {
  return position.file.WriteAt(position.Offset(), image) && position.file.Close();
}

// An append that fails part way is cut back, so that the audio keeps its old end.
bool AppendTag(TagPosition& position, const TagImage& image) {
  TagBytes record;
  std::copy(image.begin(), image.end(), record.begin());
  record.back() = static_cast<char>(kUnknownGenre);
  if (!position.file.WriteAt(position.length, record)) {
    position.file.Truncate(position.length);
    return false;
  }
  return position.file.Close();
}

}  // namespace

bool Id3Tags::ReadTag(const std::string& path) {
  return Refill(path) != Tail::kNoFile;
}

Id3Tags::Tail Id3Tags::Refill(const std::string& path) {
  TagBytes bytes;
  const Tail tail = ReadEnd(path, bytes);
  if (tail == Tail::kTagged) {
    DecodeTag(bytes, current_tag_);
  } else {
    current_tag_.Clear();
  }
  return tail;
}

Id3Tags::Tail Id3Tags::ReadEnd(const std::string& path, TagBytes& bytes) {
  const RawFile file = files_->OpenForReading(path);
  if (!file.IsOpen()) return RawFile::IsOrdinaryFile(path) ? Tail::kUnusable : Tail::kNoFile;
  const std::optional<std::uint64_t> expected_length =
      path == last_path_ ? std::optional(last_length_) : std::nullopt;
  const RawFile::End end = file.ReadEnd(bytes, expected_length);
  if (end.result != RawFile::EndResult::kRead) {
    last_path_.clear();
    return end.result == RawFile::EndResult::kNotOrdinaryFile ? Tail::kNoFile : Tail::kUnusable;
  }
  last_path_ = path;
  last_length_ = end.length;
  return HasTagMarker(bytes) ? Tail::kTagged : Tail::kUntagged;
}

std::string Id3Tags::Field(const std::string& path, TagField field) {
  if (!ReadTag(path)) return "";
  return std::string(WithoutTrailingSpaces(current_tag_.Field(field)));
}

bool Id3Tags::SetField(const std::string& path, TagField field, std::string_view value) {
  const Tail tail = Refill(path);
  if (tail != Tail::kTagged && tail != Tail::kUntagged) return false;
  TagRecord record = current_tag_;
  record.SetField(field, WithoutTrailingSpaces(value));
  std::optional<TagPosition> position = OpenTagPosition(*files_, path);
  if (!position) return false;
  const TagImage image = EncodeTag(record);
  return tail == Tail::kTagged ? OverwriteTag(*position, image) : AppendTag(*position, image);
}

bool Id3Tags::RemoveTag(const std::string& path) {
  if (Refill(path) != Tail::kTagged) return false;
  std::optional<TagPosition> position = OpenTagPosition(*files_, path);
  if (!position) return false;
  const TagImage zeros{};
  return OverwriteTag(*position, zeros);
}

}  // namespace jelt::id3tag
