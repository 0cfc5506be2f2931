#include "ui/terminal_app.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

#include "platform/text.h"
#include "ui/prompt_command.h"

namespace jelt::ui {

namespace {

// Thrown from a key's handler when the person leaves. Like the program's own end, it
// unwinds whatever handler or wait the key came in, up to Run.
struct LeaveRequested {
  TerminalApp::Ending ending;
};

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names)
    joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

}  // namespace

TerminalApp::TerminalApp(sim::World& world, const HostPorts& ports, std::vector<std::string> people,
                         int input_fd, int output_fd)
    : world_(world),
      member_(world.Options().member),
      people_(std::move(people)),
      output_fd_(output_fd),
      input_fd_(input_fd),
      raw_(input_fd),
      signals_({SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGWINCH}),
      error_capture_(output_fd),
      screen_([fd = output_fd](std::string_view bytes) { WriteAll(fd, bytes); }),
      view_(screen_, member_),
      ui_(view_, world.loop),
      player_panel_(session_),
      playlist_panel_(session_),
      directory_panel_(session_),
      tag_viewer_panel_(session_),
      tag_editor_panel_(session_),
      refresher_(view_, world.loop),
      session_(world, app::Ports{.windows = world.desktop,
                                 .loop = world.loop,
                                 .clock = world.clock,
                                 .profile = ports.profile,
                                 .system = ports.system,
                                 .sound = ports.sound,
                                 .ui = ui_,
                                 .process = world.process,
                                 .random = world.random,
                                 .make_media_engine = ports.make_media_engine}) {
  world_.client.SetPeople(people_);
  Wire();
}

TerminalApp::~TerminalApp() {
  input_.reset();
  ui_.on_forms_changed = nullptr;
  world_.client.on_transcript_line = nullptr;
  world_.client.on_message_box = nullptr;
  screen_.Close();
}

void TerminalApp::Wire() {
  world_.client.on_transcript_line = [this](const std::string& line) { view_.ShowRoomLine(line); };
  world_.client.on_message_box = [this](const std::string& text) {
    ShowNotices("The client shows a box: " + text);
  };
  session_.on_event = [this](const std::string& event) { OnSessionEvent(event); };
  view_.on_line = [this](const std::string& line) { OnLine(line); };
  view_.on_help = [this] { ShowHelp(); };
  view_.on_quit = [this] { Leave(Ending::kLeft); };
  for (TerminalPanel* panel :
       std::initializer_list<TerminalPanel*>{&player_panel_, &playlist_panel_, &directory_panel_,
                                             &tag_viewer_panel_, &tag_editor_panel_})
    view_.AddPanel(*panel);
  ui_.on_forms_changed = [this] { refresher_.Wake(); };
}

void TerminalApp::StartInput() {
  // The reader thread only posts; everything it brings is handled on the loop's thread,
  // among the other programs' events, so it goes on while the program sleeps.
  TerminalInput::Handlers handlers{
      .keys =
          [this](std::vector<Key> keys) {
            world_.loop.PostWorld([this, keys = std::move(keys)] {
              for (const Key& key : keys)
                view_.HandleKey(key);
            });
          },
      .signals =
          [this](std::vector<int> signals) {
            world_.loop.PostWorld([this, signals = std::move(signals)] { OnSignals(signals); });
          },
      .error_text =
          [this](std::string text) {
            world_.loop.PostWorld([this, text = std::move(text)] { ShowNotices(text); });
          },
      .input_closed = [this] { world_.loop.PostWorld([this] { Leave(Ending::kTerminalGone); }); },
  };
  input_.emplace(
      input_fd_, signals_.ReadFd(), error_capture_.ReadFd(),
      [this] { return error_capture_.Take(); }, std::move(handlers));
}

TerminalApp::Ending TerminalApp::Run() {
  view_.Open(QueryTerminalSize(output_fd_));
  ShowStatus("starting");
  ShowNotices("Type a line to say it in the room as " + member_ +
              "; /as NAME: TEXT speaks as someone else; /help or F1 tells more.");
  StartInput();
  try {
    session_.StartProgram();
    while (session_.ProgramRunning()) {
      ShowStatus("the program runs");
      session_.Run([this] { world_.loop.Run({}); });
    }
    return Ending::kProgramEnded;
  } catch (const LeaveRequested& leave) {
    return leave.ending;
  }
}

void TerminalApp::Leave(Ending ending) {
  throw LeaveRequested{ending};
}

void TerminalApp::OnLine(const std::string& line) {
  const PromptCommand command = ParsePromptLine(line);
  if (!command.usage.empty()) {
    ShowNotices("Usage: " + command.usage);
    return;
  }
  switch (command.kind) {
    case PromptCommand::Kind::kSay:
      world_.client.MemberSends(command.text);
      break;
    case PromptCommand::Kind::kSayAs:
      if (platform::LowerCase(command.name) == platform::LowerCase(member_)) {
        world_.client.MemberSends(command.text);
      } else {
        world_.client.Say(command.name, command.text);
      }
      break;
    case PromptCommand::Kind::kPeople:
      if (!command.people.empty()) {
        people_ = command.people;
        world_.client.SetPeople(people_);
      }
      ShowNotices(people_.empty() ? "Nobody else is in the room."
                                  : "In the room besides " + member_ + ": " + JoinNames(people_));
      break;
    case PromptCommand::Kind::kPanel:
      if (!view_.FocusPanel(command.name)) ShowNotices("No panel " + command.name + " is shown.");
      break;
    case PromptCommand::Kind::kHelp:
      ShowHelp();
      break;
    case PromptCommand::Kind::kQuit:
      Leave(Ending::kLeft);
    case PromptCommand::Kind::kUnknown:
      ShowNotices("jelt has no command /" + command.name + "; /help lists them.");
      break;
  }
}

void TerminalApp::OnSignals(const std::vector<int>& signals) {
  for (const int signal : signals) {
    if (signal == SIGWINCH) {
      view_.Resize(QueryTerminalSize(output_fd_));
    } else {
      Leave(Ending::kLeft);
    }
  }
}

void TerminalApp::OnSessionEvent(const std::string& event) {
  if (event == "[restart]") {
    ++copies_;
    ShowNotices("The program starts a new copy of itself.");
    ShowStatus("the program restarts");
  } else if (event == "[exit]") {
    ShowNotices("The program ended.");
    ShowStatus("the program ended");
  }
}

void TerminalApp::ShowHelp() {
  for (const std::string& line : HelpLines(member_, people_))
    view_.ShowNotice(line);
  std::string keys;
  int key = 2;
  for (const std::string& name : view_.PanelNames())
    keys += (keys.empty() ? " F" : ", F") + std::to_string(key++) + " " + name;
  view_.ShowNotice("Panels above the room:" + keys);
  view_.ShowNotice("(or /panel NAME) take the keys, listed under the panel; Esc gives them back.");
}

void TerminalApp::ShowStatus(std::string_view state) {
  std::string status =
      " jelt mp³·²  ·  " + member_ + " in " + world_.Options().room + "  ·  " + std::string(state);
  if (copies_ > 0) status += " (copy " + std::to_string(copies_ + 1) + ")";
  status += "  ·  F1 help";
  view_.SetStatus(status);
}

void TerminalApp::ShowNotices(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    if (end > start) view_.ShowNotice(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace jelt::ui
