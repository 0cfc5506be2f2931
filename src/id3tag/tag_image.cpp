#include "id3tag/tag_image.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace jelt::id3tag {

namespace {

constexpr std::string_view kMarker = "TAG";

// Byte offsets of the fields in the record, in the disk order.
constexpr std::size_t OffsetOf(TagField field) {
  switch (field) {
    case TagField::kTitle:
      return 3;
    case TagField::kArtist:
      return 33;
    case TagField::kAlbum:
      return 63;
    case TagField::kYear:
      return 93;
    case TagField::kComment:
      return 97;
  }
  return 0;
}

}  // namespace

bool HasTagMarker(const TagBytes& bytes) {
  return std::string_view(bytes.data(), kMarker.size()) == kMarker;
}

void DecodeTag(const TagBytes& bytes, TagRecord& record) {
  for (const TagField field : kAllTagFields) {
    const std::string_view raw =
        WithoutTrailingSpaces({bytes.data() + OffsetOf(field), FieldWidth(field)});
    // Windows-1252 and UTF-8 agree on ASCII, so only other text needs converting.
    const bool ascii = std::all_of(raw.begin(), raw.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
      record.SetField(field, raw);
    } else {
      record.SetField(field, platform::Cp1252ToUtf8(raw));
    }
  }
}

TagImage EncodeTag(const TagRecord& record) {
  TagImage image;
  image.fill(' ');
  std::copy(kMarker.begin(), kMarker.end(), image.begin());
  for (const TagField field : kAllTagFields) {
    // The record already holds each field at its width in characters, and each character
    // becomes one byte; the cut only guards the record's size.
    const std::string bytes = platform::Utf8ToCp1252(record.Field(field));
    const std::size_t length = std::min(bytes.size(), FieldWidth(field));
    std::copy_n(bytes.begin(), length, image.begin() + OffsetOf(field));
  }
  return image;
}

}  // namespace jelt::id3tag
