// The information and settings commands: status lines, counts, time and date, uptime, the
// user's handle, the reply decoration, ending and restarting the program.
#include "aolwin/system_report.h"
#include "chat/interpreter.h"
#include "platform/ini_file.h"

namespace jelt::chat {

namespace {

constexpr std::string_view kBanner =
    "<font color=#aabbcc face=\"arial narrow\"> je<u>l</u>t mp³·² <font color=#98ccff>";

}  // namespace

Flow Interpreter::EndProgram(const CommandLine&) {
  context_.shell.AnnounceStatus(kInactiveState);
  context_.process.End();
}

Flow Interpreter::TellPlayed(const CommandLine&) {
  context_.replies.Send(aolwin::Concat(
      {"<font color=#aabbcc face=\"arial narrow\"> num. of mp3s played: <font color=#98ccff>",
       context_.player.Label17.caption}));
  return Flow::kGoOn;
}

Flow Interpreter::TellTime(const CommandLine&) {
  context_.replies.Send(
      aolwin::Concat({"<font color=#aabbcc face=\"arial narrow\"> time: <font color=#98ccff>",
                      context_.clock.TimeText()}));
  return Flow::kGoOn;
}

Flow Interpreter::TellDate(const CommandLine&) {
  context_.replies.Send(
      aolwin::Concat({"<font color=#aabbcc face=\"arial narrow\"> date: <font color=#98ccff>",
                      context_.clock.DateText()}));
  return Flow::kGoOn;
}

Flow Interpreter::TellUptime(const CommandLine&) {
  aolwin::LastBootReply(context_.system, context_.client);
  return Flow::kGoOn;
}

Flow Interpreter::Advertise(const CommandLine&) {
  context_.shell.AnnounceStatus(kActiveState);
  return Flow::kGoOn;
}

Flow Interpreter::SetUser(const CommandLine& line) {
  std::string& handle = context_.shell.UserHandle;
  handle = std::string(line.arg);
  context_.player.Text4.text = handle;
  platform::WriteIniValue("Handle", "handle", handle, context_.shell.SettingsPath());
  context_.replies.Send(
      aolwin::Concat({kBanner, "-<font color=#aabbcc> user is now <font color=#98ccff>",
                      context_.player.Text4.text}));
  return Flow::kGoOn;
}

Flow Interpreter::TellUser(const CommandLine&) {
  context_.player.Text4.text = context_.shell.UserHandle;
  context_.replies.Send(aolwin::Concat(
      {kBanner, "-<font color=#aabbcc> user is <font color=#98ccff>", context_.player.Text4.text}));
  return Flow::kGoOn;
}

Flow Interpreter::SetAscii(const CommandLine& line) {
  context_.decoration.caption = std::string(line.arg);
  platform::WriteIniValue("Settings", "ascii", context_.decoration.caption,
                          context_.shell.SettingsPath());
  context_.replies.Send(aolwin::Concat(
      {"<font color=#aabbcc face=\"arial narrow\"> ascii set to <font color=#98ccff>",
       context_.decoration.caption}));
  return Flow::kGoOn;
}

Flow Interpreter::TellStats(const CommandLine&) {
  player::Player& p = context_.player;
  context_.replies.Send(
      "<font color=#aabbcc face=\"arial narrow\"> num. of mp3s <font "
      "color=#98ccff> " +
      std::to_string(p.File1.ListCount()) + " - <font color=#aabbcc>dir is <font color=#98ccff>" +
      p.txtdir.text);
  context_.client.WaitSeconds(0.4);
  const std::string ar = p.modes.IsSelected(player::kRandom) ? "on" : "off";
  const std::string cont = p.modes.IsSelected(player::kContinuous) ? "on" : "off";
  if (p.Label17.caption.empty()) p.Label17.caption = "0";
  context_.replies.Send(
      "<font color=#aabbcc face=\"arial narrow\"> auto ran. is <font "
      "color=#98ccff> " +
      ar + " - <font color=#aabbcc>cont. is <font color=#98ccff>" + cont +
      " - <font color=#aabbcc>mp3s played: <font color=#98ccff>" + p.Label17.caption);
  return Flow::kGoOn;
}

Flow Interpreter::Restart(const CommandLine&) {
  context_.replies.Send("<font color=#aabbcc face=\"arial narrow\"> restarting mp3 player");
  context_.client.WaitSeconds(0.7);
  context_.process.StartCopy();  // a copy that fails to start still ends this one
  context_.process.End();
}

}  // namespace jelt::chat
