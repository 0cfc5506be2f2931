#include "id3tag/tag_record.h"

#include "platform/text.h"

namespace jelt::id3tag {

TagRecord::TagRecord() {
  for (const TagField field : kAllTagFields)
    SetField(field, "");
}

void TagRecord::SetField(TagField field, std::string_view text) {
  const std::size_t width = FieldWidth(field);
  const std::string_view cut = text.substr(0, platform::ByteOffsetOfChar(text, width));
  std::string& stored = fields_[Index(field)];
  stored.assign(cut);
  stored.append(width - platform::CharCount(cut), ' ');
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace jelt::id3tag
