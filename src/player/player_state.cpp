#include "player/player_state.h"

#include <charconv>

#include "aolwin/replace_text.h"
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
  const std::string& text = Label17.caption;
  long long count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return;
  Label17.caption = std::to_string(count + 1);
}

std::string StripMp3(std::string_view file_name) {
  return aolwin::ReplaceText(file_name, ".mp3", "");
}

std::string DisplayName(std::string_view file_name) {
  return aolwin::ReplaceText(StripMp3(file_name), "_", " ");
}

}  // namespace jelt::player
