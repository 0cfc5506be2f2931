// Reading, rewriting and removing the ID3v1 tag of a file, by its full path. Every
// operation first reads the file's tag into CurrentTag, so nothing depends on what an
// earlier call left there; CurrentTag then holds the fields as read (blank when the file
// has no tag), not what the operation went on to write.
//
// Writes fail quietly: a setter or RemoveTag that cannot write leaves the file as it was
// and returns false. The length of a tagged file never changes, and its genre byte is
// neither read nor written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "id3tag/file_opener.h"
#include "id3tag/tag_image.h"
#include "id3tag/tag_record.h"

namespace jelt::id3tag {

class Id3Tags {
 public:
  Id3Tags() : Id3Tags(Disk()) {}
  // The opener must outlive this object.
  explicit Id3Tags(const FileOpener& files) : files_(&files) {}

  const TagRecord& CurrentTag() const { return current_tag_; }

  // Refills CurrentTag and tells whether a file exists at the path, with a tag or without.
  // A file that exists but cannot be read counts as one without a tag.
  bool ReadTag(const std::string& path);

  // The field without its trailing spaces; "" when the file has no tag or does not exist.
  std::string TagTitle(const std::string& path) { return Field(path, TagField::kTitle); }
  std::string TagArtist(const std::string& path) { return Field(path, TagField::kArtist); }
  std::string TagAlbum(const std::string& path) { return Field(path, TagField::kAlbum); }
  std::string TagYear(const std::string& path) { return Field(path, TagField::kYear); }
  std::string TagComment(const std::string& path) { return Field(path, TagField::kComment); }

  // Rewrites the tag with one field replaced by the value (its trailing spaces removed,
  // then cut or padded to the field's width). A file without a tag gets a new record
  // appended, with the other fields blank and the genre "unknown". Returns whether the
  // file was written; a missing file, one shorter than a tag, or one that cannot be read
  // or written is left alone.
  bool SetTagTitle(const std::string& path, std::string_view value) {
    return SetField(path, TagField::kTitle, value);
  }
  bool SetTagArtist(const std::string& path, std::string_view value) {
    return SetField(path, TagField::kArtist, value);
  }
  bool SetTagAlbum(const std::string& path, std::string_view value) {
    return SetField(path, TagField::kAlbum, value);
  }
  bool SetTagYear(const std::string& path, std::string_view value) {
    return SetField(path, TagField::kYear, value);
  }
  bool SetTagComment(const std::string& path, std::string_view value) {
    return SetField(path, TagField::kComment, value);
  }

  // Blanks the tag: everything but the genre byte becomes zero bytes, so the marker is
  // gone and the length stays. Returns whether a tag was blanked; a file without one is
  // left alone.
  bool RemoveTag(const std::string& path);

 private:
  // What the end of a file holds, as far as writing a tag there is concerned.
  enum class Tail {
    kNoFile,
    kUnusable,  // shorter than a tag, or unreadable: nothing may be written there
    kUntagged,
    kTagged,
  };

  // Reads the file's tag into CurrentTag.
  Tail Refill(const std::string& path);
  // Reads the last kTagSize bytes of the file, when it has them.
  Tail ReadEnd(const std::string& path, TagBytes& bytes);
  std::string Field(const std::string& path, TagField field);
  bool SetField(const std::string& path, TagField field, std::string_view value);

  const FileOpener* files_;
  TagRecord current_tag_;
  // Where the file read last ended. The callers read or set the fields of one file one
  // after the other, and a read that checks this length costs less than asking the file
  // for its own; a file that has changed fails the check and is measured afresh, so no
  // result depends on it.
  std::string last_path_;
  std::uint64_t last_length_ = 0;
};

}  // namespace jelt::id3tag
