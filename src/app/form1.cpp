#include "app/form1.h"

#include "aolwin/window_utils.h"
#include "app/settings.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

namespace jelt::app {

namespace {

constexpr std::string_view kFirstRunNote =
    "right click on the list box to see the menu, i did my best to aleast give me some "
    "credit             -morl";
constexpr std::string_view kCmdsHint =
    "<font color=#aabbcc face=\"arial narrow\"> type <font color=#98ccff>'cmds'<font "
    "color=#aabbcc> to view cmds";

}  // namespace

Form1::Form1(const Ports& ports, platform::MediaEngine& media_player)
    : platform::Form("Form1"),
      ports_(ports),
      client_(ports.windows, ports.loop, ports.ui),
      replies_(client_, Label24),
      player(player::PlayerContext{media_player, replies_, ports.ui, *this, ports.loop,
                                   ports.process, ports.random}),
      tag_windows(id3tag::TagWindowsContext{
          tags_,
          id3tag::SelectedSong{[this] { return player.EntryPath(player.List4.Text()); },
                               [this] { return player::StripMp3(player.List4.Text()); }},
          client_, replies_, ports.ui, ports.on_tag_written}),
      interpreter(chat::InterpreterContext{client_, replies_, Label24, player, *this, ports.clock,
                                           ports.system, ports.process, ports.random, tag_windows,
                                           ports.on_file_wiped, ports.on_tag_written}) {
  width = kOuterWidth;
  height = kUnrolledHeight;
}

std::string Form1::SettingsPath() const {
  return platform::SettingsFilePath(ports_.process);
}

void Form1::Form_Load() {
  const std::string settings = SettingsPath();
  aolwin::CentreForm(ports_.ui, *this);
  height = kUnrolledHeight;

  Label24.caption = platform::ReadIniValue("Settings", "ascii", settings);
  if (Label24.caption.empty()) Label24.caption = aolwin::kDefaultDecoration;

  LoadCount = UpdateLoadCount(ports_.profile);
  if (LoadCount == "0") ports_.ui.MessageBox(kFirstRunNote, kProgramTitle);

  aolwin::KeepOnTop(ports_.ui, *this);

  // A stored directory that cannot be read leaves the directory list where it was and the
  // play list empty.
  const std::string directory = platform::ReadIniValue("Dir", "Dir1", settings);
  if (player.Form2.Dir1.SetPath(directory)) {
    player.File1.SetPath(player.Form2.Dir1.Path());
    player.txtdir.text = player.Form2.Dir1.Path();
  } else {
    player.File1.SetPath(directory);
    player.txtdir.text = directory;
  }
  UserHandle = platform::ReadIniValue("Handle", "handle", settings);
  player.Label17.caption = platform::ReadIniValue("played", "played", settings);
  player.FillPlayList();

  interpreter.Chat1.ScanOn();

  if (UserHandle.empty()) {
    UserHandle = ports_.ui.InputBox("Enter your handle", "Handle", "");
    platform::WriteIniValue("Handle", "handle", UserHandle, settings);
  }
  if (UserHandle.empty()) UserHandle = "n/a";

  aolwin::PlaySoundFile(ports_.sound,
                        platform::JoinPath(ports_.process.ProgramDirectory(), "sound.wav"));
  if (LoadCount == "0") replies_.Send(kCmdsHint);
  AnnounceStatus(chat::kActiveState);
  ports_.ui.ShowForm(*this);
}

void Form1::AnnounceStatus(std::string_view state_part) {
  replies_.Send(
      "<font color=#aabbcc face=\"arial narrow\"> je<u>l</u>t mp³·² (final)<font "
      "color=#98ccff>-<font color=#aabbcc> by:<font color=#98ccff> morl - <font "
      "color=#aabbcc>user: <font color=#98ccff>" +
      UserHandle);
  player.Text4.text = UserHandle;
  client_.WaitSeconds(0.5);
  replies_.Send("<font color=#aabbcc face=\"arial narrow\"> loads: <font color=#98ccff>" +
                LoadCount + "  - <font color=#aabbcc>mp3s: <font color=#98ccff>" +
                std::to_string(player.File1.ListCount()) + std::string(state_part) +
                player.Label17.caption);
}

void Form1::Label14_Click() {
  AnnounceStatus(chat::kInactiveState);
  ports_.process.End();
}

void Form1::Label15_Click() {
  ports_.ui.MinimiseForm(*this);
}

}  // namespace jelt::app
