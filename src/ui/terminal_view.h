// The terminal view: what the person sees (the screen) and what his keys do. Keys go to
// the newest open box first, then to the panel that has the focus, then to the prompt,
// whose lines are handed to the owner. It knows nothing of the world it shows; the
// owner feeds it the room's lines and acts on the lines typed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/line_editor.h"
#include "ui/terminal_panel.h"
#include "ui/terminal_screen.h"

namespace jelt::ui {

// A message box or an input box while it is up. Boxes nest: a box that comes up while
// another waits for its answer takes the keys until it is answered itself.
struct ModalBox {
  enum class Kind { kMessage, kInput };

  Kind kind = Kind::kMessage;
  std::string title{};
  std::string text{};
  LineEditor editor{};  // the answer of an input box, as it is typed
  bool answered = false;
  // The answer of an input box; nullopt when it was cancelled.
  std::optional<std::string> answer{};
};

class TerminalView {
 public:
  TerminalView(TerminalScreen& screen, std::string member);

  void Open(TerminalSize size);
  void Resize(TerminalSize size);

  // A line of the room's transcript, "NAME:\tTEXT".
  void ShowRoomLine(std::string_view line);
  // A line of jelt's own in the room.
  void ShowNotice(std::string_view text);
  void SetStatus(std::string_view status);

  void HandleKey(const Key& key);

  void OpenBox(ModalBox& box);
  // Takes the box away, answered or not (the wait for it may end by an exception).
  void CloseBox(ModalBox& box);

  void AddPanel(TerminalPanel& panel);
  // Draws the panels anew where they changed; call it when what they show may have.
  void RefreshPanels();
  // Gives the focus to the visible panel of that name; false when there is none.
  bool FocusPanel(std::string_view name);
  bool AnyPanelVisible() const;
  // The panels' names in the order they were added, the n-th taking the focus with F(n+1).
  std::vector<std::string> PanelNames() const;

  // A line entered at the prompt (never empty).
  std::function<void(const std::string& line)> on_line;
  // F1.
  std::function<void()> on_help;
  // Ctrl-C anywhere, or Ctrl-D on an empty prompt.
  std::function<void()> on_quit;

 private:
  void HandleBoxKey(ModalBox& box, const Key& key);
  void HandlePromptKey(const Key& key);
  void FocusPanelAt(std::size_t index);
  TerminalPanel* FocusedPanel() const;
  void AnswerBox(ModalBox& box, std::optional<std::string> answer);
  void DrawBottom();

  TerminalScreen& screen_;
  const std::string member_;
  LineEditor prompt_;
  std::vector<ModalBox*> boxes_;
  std::vector<TerminalPanel*> panels_;
  std::optional<std::size_t> focused_panel_;
  std::vector<StyledText> panel_lines_;
  std::optional<PanelPlace> panel_cursor_;
};

}  // namespace jelt::ui
