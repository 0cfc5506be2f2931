#include "player/player_state.h"

#include <charconv>

#include "aolwin/replace_text.h"
#include "platform/number.h"
#include "platform/paths.h"

namespace jelt::player {

std::string PlayerState::EntryPath(std::string_view file_name) const {
  return platform::JoinPath(txtdir.text, file_name);
}

void PlayerState::FillPlayList() {
  List4.Clear();
  for (const std::string& name : File1.Items())
    List4.AddItem(name);
}

void PlayerState::StepPlayedCounter() {
  const std::optional<double> count = platform::ToDouble(Label17.caption);
  if (!count) return;
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, *count + 1);
  Label17.caption.assign(text, result.ptr);
}

std::string StripMp3(std::string_view file_name) {
  return aolwin::ReplaceText(file_name, ".mp3", "");
}

std::string DisplayName(std::string_view file_name) {
  return aolwin::ReplaceText(StripMp3(file_name), "_", " ");
}

}  // namespace jelt::player
