// The fields of one ID3v1 tag as the program holds them: five fixed-width texts, in the
// order title, artist, album, comment, year. The order on disk differs (the year comes
// before the comment there); only the tag image code deals with the disk order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace jelt::id3tag {

enum class TagField { kTitle, kArtist, kAlbum, kComment, kYear };

inline constexpr std::array<TagField, 5> kAllTagFields = {
    TagField::kTitle, TagField::kArtist, TagField::kAlbum, TagField::kComment, TagField::kYear};

// Widths count characters. Every character the tag can hold is one byte on disk, so a
// field's width is also its size in the record.
constexpr std::size_t FieldWidth(TagField field) {
  return field == TagField::kYear ? 4 : 30;
}

class TagRecord {
 public:
  // Every field blank, that is, all spaces.
  TagRecord() { Clear(); }

  void Clear();

  // The field as held: always exactly its width in characters, padded with spaces.
  const std::string& Field(TagField field) const { return fields_[Index(field)]; }
  // Cuts the UTF-8 text to the field's width or pads it with spaces on the right.
  void SetField(TagField field, std::string_view text);

  const std::string& Title() const { return Field(TagField::kTitle); }
  const std::string& Artist() const { return Field(TagField::kArtist); }
  const std::string& Album() const { return Field(TagField::kAlbum); }
  const std::string& Comment() const { return Field(TagField::kComment); }
  const std::string& Year() const { return Field(TagField::kYear); }

  bool operator==(const TagRecord&) const = default;

 private:
  static constexpr std::size_t Index(TagField field) { return static_cast<std::size_t>(field); }

  std::array<std::string, kAllTagFields.size()> fields_;
};

// The text without its trailing spaces; other trailing characters, zero bytes among them,
// stay.
std::string_view WithoutTrailingSpaces(std::string_view text);

}  // namespace jelt::id3tag
