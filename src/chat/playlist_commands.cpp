// Where the songs come from: telling and setting the music directory, reloading the play
// list, showing the play list window, and deleting the playing song's file.
#include <sys/stat.h>

#include "aolwin/window_utils.h"
#include "chat/interpreter.h"
#include "platform/dir_list.h"
#include "platform/ini_file.h"
#include "platform/paths.h"

namespace jelt::chat {

namespace {

using platform::MediaEngine;

using aolwin::Concat;
constexpr std::string_view kBase = aolwin::kBasePrefix;

}  // namespace

Flow Interpreter::TellSongCount(const CommandLine&) {
  context_.replies.Send(Concat({kBase, " num. of mp3s: <font color=#98ccff>",
                                std::to_string(context_.player.File1.ListCount())}));
  return Flow::kGoOn;
}

Flow Interpreter::TellDirectory(const CommandLine&) {
  context_.replies.Send(
      Concat({kBase, " dir. is <font color=#98ccff>", context_.player.txtdir.text}));
  return Flow::kGoOn;
}

Flow Interpreter::OpenDirectoryChooser(const CommandLine&) {
  context_.player.ShowForm2();
  context_.replies.Send(Concat({kBase, " setting dir."}));
  return Flow::kGoOn;
}

// A directory that cannot be read, or one without songs, is refused and everything stays
// as it was.
Flow Interpreter::SetDirectory(const CommandLine& line) {
  player::Player& p = context_.player;
  const std::string old = p.txtdir.text;
  const std::string wanted = platform::TidyDirectory(line.arg);
  const bool opened = p.Form2.Dir1.SetPath(wanted);
  p.File1.SetPath(wanted);
  if (!opened || p.File1.ListCount() == 0) {
    p.Form2.Dir1.SetPath(old);
    p.File1.SetPath(old);
    context_.replies.Send(Concat({kBase, " invald directory"}));
    return Flow::kEnd;
  }
  p.txtdir.text = wanted;
  p.FillPlayList();
  p.Form2.Dir1.SetPath(p.txtdir.text);
  platform::WriteIniValue("Dir", "Dir1", wanted, context_.shell.SettingsPath());
  context_.replies.Send(Concat({kBase, " directory set to ", line.arg}));
  return Flow::kGoOn;
}

Flow Interpreter::RefreshSongs(const CommandLine&) {
  player::Player& p = context_.player;
  p.File1.ClearFileName();
  p.Form2.Dir1.SetPath(platform::ReadIniValue("Dir", "Dir1", context_.shell.SettingsPath()));
  const std::string selected = p.List4.Text();
  p.File1.SetPath(p.Form2.Dir1.Path());
  p.FillPlayList();
  p.List4.SelectName(selected);
  context_.replies.Send(
      "<font color=#98ccff face=\"arial narrow\"> mp3s <font color=#aabbcc>refreshed");
  return Flow::kGoOn;
}

Flow Interpreter::ViewSongs(const CommandLine&) {
  player::Player& p = context_.player;
  p.Form3.List1.Clear();
  for (const std::string& name : p.File1.Items())
    p.Form3.List1.AddItem(name);
  p.ShowForm3();
  context_.replies.Send(Concat({kBase, " viewing <font color=#98ccff>",
                                std::to_string(p.File1.ListCount()), " <font color=#aabbcc>mp3s"}));
  return Flow::kGoOn;
}

Flow Interpreter::HideSongs(const CommandLine&) {
  player::Player& p = context_.player;
  p.HideForm3();
  context_.replies.Send(Concat({kBase, " hidding <font color=#98ccff>",
                                std::to_string(p.File1.ListCount()), " <font color=#aabbcc>mp3s"}));
  p.Form3.List1.Clear();
  return Flow::kGoOn;
}

// Deletes the file the player has open, and only that one: the song that plays may have
// been started by next, back or an end-of-song mode, which do not note it elsewhere.
Flow Interpreter::DeleteSong(const CommandLine&) {
  player::Player& p = context_.player;
  if (p.MediaPlayer1().PlayState() == MediaEngine::kPlaying) {
    const bool wiped = !p.OpenPath().empty() && aolwin::WipeFile(p.OpenPath());
    if (wiped && context_.on_file_wiped) context_.on_file_wiped(p.OpenPath());
    p.File1.Refresh();
    context_.replies.Send(
        Concat({kBase, " ", p.Text1.text, wiped ? " deleted" : " could not be deleted"}));
    return Flow::kGoOn;
  }
  p.ShowForm3();
  context_.replies.Send(Concat({kBase, " which to delete?"}));
  p.File1.Refresh();
  return Flow::kGoOn;
}

}  // namespace jelt::chat
