#include "ui/room_line.h"

#include <array>

#include "platform/text.h"

namespace jelt::ui {

namespace {

// Colours that read well on dark and light backgrounds alike, for the other people.
constexpr std::array<Rgb, 6> kPeopleColors{{
    {0x5f, 0xd7, 0xff},
    {0xff, 0x87, 0xaf},
    {0x87, 0xd7, 0x87},
    {0xd7, 0xaf, 0xff},
    {0xff, 0xaf, 0x5f},
    {0x5f, 0xd7, 0xaf},
}};

// The same person keeps his colour for as long as he keeps his name, whatever its case.
Rgb PersonColor(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (const char c : platform::LowerCase(name)) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  return kPeopleColors[hash % kPeopleColors.size()];
}

}  // namespace

StyledText StyleRoomLine(std::string_view line, std::string_view member) {
  const std::size_t split = line.find(":\t");
  if (split == std::string_view::npos) return ParseChatHtml(line);
  const std::string_view name = line.substr(0, split);
  const bool own = platform::LowerCase(name) == platform::LowerCase(member);
  StyledText out;
  AppendStyled(out, name, TextStyle{own ? kMemberNameColor : PersonColor(name), true});
  AppendStyled(out, ": ", TextStyle{});
  for (StyledRun& run : ParseChatHtml(line.substr(split + 2)))
    AppendStyled(out, run.text, run.style);
  return out;
}

StyledText StyleNotice(std::string_view text) {
  StyledText out;
  AppendStyled(out, text, kNoticeStyle);
  return out;
}

}  // namespace jelt::ui
