// What the interpreter needs of the main window beyond the player and the room: the status
// lines, the user's handle and where the settings live.
#pragma once

#include <string>
#include <string_view>

namespace jelt::chat {

// The state parts of the second status line: at start and for "adv", and at the end.
inline constexpr std::string_view kActiveState =
    " -<font color=#aabbcc> ative <font color=#98ccff>-<font color=#aabbcc> played:<font "
    "color=#98ccff> ";
inline constexpr std::string_view kInactiveState =
    " -<font color=#aabbcc> inative <font color=#98ccff>-<font color=#aabbcc> played:<font "
    "color=#98ccff> ";

class Shell {
 public:
  virtual ~Shell() = default;

  // Sends the two status lines (the banner with the handle, then the counts) with a state
  // part.
  virtual void AnnounceStatus(std::string_view state_part) = 0;
  // The settings file beside the program.
  virtual std::string SettingsPath() const = 0;

  // The number of earlier starts, as read at start-up.
  std::string LoadCount;
  // The user's handle; "n/a" when he gave none.
  std::string UserHandle;
};

}  // namespace jelt::chat
