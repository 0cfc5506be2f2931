#include "id3tag/tag_record.h"

#include <algorithm>

#include "platform/text.h"

namespace jelt::id3tag {

void TagRecord::Clear() {
  for (const TagField field : kAllTagFields) {
    SetField(field, "");
  }
}

// Every read of a tag assigns all five fields, so plain ASCII, where a character is a byte,
// skips counting characters, and the stored text reuses its room.
void TagRecord::SetField(TagField field, std::string_view text) {
  const std::size_t width = FieldWidth(field);
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  const std::string_view cut =
      text.substr(0, ascii ? width : platform::ByteOffsetOfChar(text, width));
  std::string& stored = fields_[Index(field)];
  stored.assign(cut);
  stored.append(width - (ascii ? cut.size() : platform::CharCount(cut)), ' ');
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace jelt::id3tag
