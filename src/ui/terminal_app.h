// jelt's front-end: the program on the simulated desktop, shown in the terminal. It wires
// the world to the view: the room's lines to the screen, the person's lines to the
// member's (or another person's) mouth, the program's boxes to the bottom line, and it
// runs copies of the program until one ends or the person leaves. The program's windows are
// panels above the room while they are shown: the main window, the play list window, the
// directory chooser, the tag viewer and the tag editor, in that order. The terminal is in raw
// mode and on the alternate screen for as long as this object lives, and is given back
// however it ends (a return, an exception, a signal to stop).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ports.h"
#include "platform/profile_store.h"
#include "platform/sound.h"
#include "platform/system_info.h"
#include "sim/world.h"
#include "ui/directory_panel.h"
#include "ui/player_panel.h"
#include "ui/playlist_panel.h"
#include "ui/session.h"
#include "ui/stderr_capture.h"
#include "ui/tag_editor_panel.h"
#include "ui/tag_viewer_panel.h"
#include "ui/terminal_input.h"
#include "ui/terminal_mode.h"
#include "ui/terminal_panel_refresher.h"
#include "ui/terminal_screen.h"
#include "ui/terminal_signals.h"
#include "ui/terminal_ui.h"
#include "ui/terminal_view.h"

namespace jelt::ui {

// The ports a host gives beyond the world's own.
struct HostPorts {
  platform::ProfileStore& profile;
  platform::SystemInfo& system;
  platform::Sound& sound;
  app::MediaEngineMaker make_media_engine;
};

class TerminalApp {
 public:
  enum class Ending {
    kLeft,          // the person left: /quit, Ctrl-D, Ctrl-C or a signal to stop
    kProgramEnded,  // the program ended itself ("end", the close spots)
    kTerminalGone,  // the keyboard went away
  };

  // `people` are in the room besides the member.
  TerminalApp(sim::World& world, const HostPorts& ports, std::vector<std::string> people,
              int input_fd, int output_fd);
  TerminalApp(const TerminalApp&) = delete;
  TerminalApp& operator=(const TerminalApp&) = delete;
  ~TerminalApp();

  // For more panels, which a host adds before Run.
  TerminalView& View() { return view_; }
  Session& ProgramSession() { return session_; }

  Ending Run();

 private:
  void Wire();
  void StartInput();
  void OnLine(const std::string& line);
  void OnSignals(const std::vector<int>& signals);
  void OnSessionEvent(const std::string& event);
  void ShowHelp();
  void ShowStatus(std::string_view state);
  void ShowNotices(std::string_view text);
  [[noreturn]] void Leave(Ending ending);

  sim::World& world_;
  const std::string member_;
  std::vector<std::string> people_;
  const int output_fd_;
  const int input_fd_;
  RawTerminal raw_;
  SignalPipe signals_;
  StderrCapture error_capture_;
  TerminalScreen screen_;
  TerminalView view_;
  TerminalUi ui_;
  // Before the session, so that they outlast the program's last copy.
  PlayerPanel player_panel_;
  PlaylistPanel playlist_panel_;
  DirectoryPanel directory_panel_;
  TagViewerPanel tag_viewer_panel_;
  TagEditorPanel tag_editor_panel_;
  PanelRefresher refresher_;
  Session session_;
  int copies_ = 0;
  // Last, so that it stops first: its thread posts to the loop on this object's behalf.
  std::optional<TerminalInput> input_;
};

}  // namespace jelt::ui
