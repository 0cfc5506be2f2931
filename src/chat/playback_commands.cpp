// The commands that run the player: random play, next and previous song, stop, pause,
// mute, repeat, seeking, volume, the end-of-song modes and the questions about the song.
#include <cmath>

#include "chat/interpreter.h"
#include "platform/number.h"

namespace jelt::chat {

namespace {

using platform::MediaEngine;

using aolwin::Concat;
constexpr std::string_view kBase = aolwin::kBasePrefix;

}  // namespace

bool Interpreter::NoSongs() {
  if (context_.player.File1.ListCount() != 0) return false;
  context_.replies.Send(Concat({kBase, " please set <font color=#98ccff>dir."}));
  return true;
}

void Interpreter::FixName() {
  if (context_.player.Text1.text.empty()) context_.player.Text1.text = "n/a";
}

Flow Interpreter::PlayRandom(const CommandLine&) {
  player::Player& p = context_.player;
  if (NoSongs()) return Flow::kEnd;
  p.List4.SetListIndex(context_.random.Below(p.List4.ListCount()));
  p.Text1.text = player::StripMp3(p.List4.Text());
  p.Label4.caption = p.Text1.text;
  p.PlayMP3(p.List4.Text());
  return Flow::kGoOn;
}

Flow Interpreter::PlayNext(const CommandLine&) {
  player::Player& p = context_.player;
  if (NoSongs()) return Flow::kEnd;
  p.List4.SetListIndex(p.List4.ListIndex() + 1);  // on the last song it stays there
  p.OpenEntry(p.List4.Text());
  p.Label4.caption = player::StripMp3(p.List4.Text());
  context_.replies.Send(Concat({kBase, " next: <b>", std::to_string(p.List4.ListIndex() + 1),
                                "</b> › <font color=#98ccff><u>", p.Label4.caption, "...</u>"}));
  p.CountPlay();
  return Flow::kGoOn;
}

Flow Interpreter::PlayBack(const CommandLine&) {
  player::Player& p = context_.player;
  if (p.List4.ListIndex() <= 0) return Flow::kEnd;
  if (NoSongs()) return Flow::kEnd;
  p.List4.SetListIndex(p.List4.ListIndex() - 1);
  p.OpenEntry(p.List4.Text());
  p.Text1.text = player::StripMp3(p.List4.Text());
  p.Label4.caption = p.Text1.text;
  context_.replies.Send(Concat({kBase, " back: <b>", std::to_string(p.List4.ListIndex() + 1),
                                "</b> › <font color=#98ccff><u>", p.Label4.caption, "...</u>"}));
  p.CountPlay();
  return Flow::kGoOn;
}

Flow Interpreter::StopSong(const CommandLine&) {
  MediaEngine& engine = context_.player.MediaPlayer1();
  const int state = engine.PlayState();
  if (state == MediaEngine::kPlaying || state == MediaEngine::kPaused) {
    engine.Stop();
    context_.replies.Send(Concat({kBase, " mp3 stoped"}));
  }
  return Flow::kGoOn;
}

Flow Interpreter::PauseSong(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (engine.PlayState() == MediaEngine::kPlaying) {
    engine.Pause();
    context_.replies.Send(Concat({kBase, " mp3 paused"}));
  }
  return Flow::kGoOn;
}

Flow Interpreter::UnpauseSong(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (engine.PlayState() == MediaEngine::kPaused) {
    engine.Play();
    context_.replies.Send(Concat({kBase, " mp3 unpaused"}));
  }
  return Flow::kGoOn;
}

Flow Interpreter::MuteSong(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (engine.Mute()) return Flow::kEnd;
  engine.SetMute(true);
  context_.replies.Send(Concat({kBase, " mp3 muted"}));
  return Flow::kGoOn;
}

Flow Interpreter::UnmuteSong(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (!engine.Mute()) return Flow::kEnd;
  engine.SetMute(false);
  context_.replies.Send(Concat({kBase, " mp3 unmuted"}));
  return Flow::kGoOn;
}

Flow Interpreter::RepeatOn(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (engine.PlayCount() == 0) return Flow::kEnd;
  engine.SetPlayCount(0);
  context_.replies.Send(
      Concat({kBase, " repeating <font color=#98ccff><u>", context_.player.Text1.text, "...</u>"}));
  return Flow::kGoOn;
}

Flow Interpreter::RepeatOff(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (engine.PlayCount() == 1) return Flow::kEnd;
  engine.SetPlayCount(1);
  context_.replies.Send(Concat({kBase, " repeating <font color=#98ccff>off"}));
  return Flow::kGoOn;
}

Flow Interpreter::Seek(const CommandLine& line, double direction, std::string_view said) {
  if (NoSongs()) return Flow::kEnd;
  MediaEngine& engine = context_.player.MediaPlayer1();
  const std::optional<double> seconds = platform::ToDouble(line.arg);
  if (!seconds || !engine.SetCurrentPosition(engine.CurrentPosition() + direction * *seconds)) {
    context_.replies.Send(Concat({kBase, " Must be a number"}));
    return Flow::kEnd;
  }
  context_.replies.Send(Concat({kBase, said, line.arg, " <font color=#aabbcc>secs"}));
  return Flow::kEnd;
}

Flow Interpreter::Rewind(const CommandLine& line) {
  return Seek(line, -1, " rewinded by:<font color=#98ccff> ");
}

Flow Interpreter::Forward(const CommandLine& line) {
  return Seek(line, +1, " fwd. by:<font color=#98ccff> ");
}

Flow Interpreter::SetVolume(const CommandLine& line) {
  const int percent = std::clamp(platform::ToInteger(line.arg).value_or(0), 0, 100);
  context_.player.MediaPlayer1().SetVolume(percent * 25 - 2500);
  context_.replies.Send(
      Concat({kBase, " vol set to <font color=#98ccff>", std::to_string(percent), "%"}));
  return Flow::kGoOn;
}

// When the command has to start a song it waits out a pause before it selects the mode, so
// that the mode's own handling finds the player playing and starts no second song.
Flow Interpreter::AutoRandomOn(const CommandLine&) {
  player::Player& p = context_.player;
  const std::string reply = Concat({kBase, " auto random <font color=#98ccff>on"});
  if (p.MediaPlayer1().PlayState() == MediaEngine::kPlaying) {
    context_.replies.Send(reply);
    p.modes.Select(player::kRandom);
    context_.client.WaitSeconds(0.7);
    return Flow::kGoOn;
  }
  context_.replies.Send(reply);
  context_.client.WaitSeconds(0.9);
  if (NoSongs()) return Flow::kEnd;
  p.File1.SetListIndex(context_.random.Below(p.File1.ListCount()));
  p.Text1.text = player::StripMp3(p.File1.FileName());
  p.Label4.caption = p.Text1.text;
  context_.client.WaitSeconds(0.7);
  p.PlayMP3(p.File1.FileName());
  context_.client.WaitSeconds(1.3);
  p.modes.Select(player::kRandom);
  return Flow::kGoOn;
}

Flow Interpreter::AutoRandomOff(const CommandLine&) {
  context_.replies.Send(Concat({kBase, " auto random <font color=#98ccff>off"}));
  context_.player.modes.Select(player::kNormal);
  return Flow::kGoOn;
}

Flow Interpreter::ContinuousOn(const CommandLine&) {
  player::Player& p = context_.player;
  const std::string reply = Concat({kBase, " cont. <font color=#98ccff>on"});
  if (p.MediaPlayer1().PlayState() == MediaEngine::kPlaying) {
    context_.replies.Send(reply);
    p.modes.Select(player::kContinuous);
    context_.client.WaitSeconds(0.7);
    return Flow::kGoOn;
  }
  context_.replies.Send(reply);
  context_.client.WaitSeconds(0.7);
  if (NoSongs()) return Flow::kEnd;
  p.PlayMP3(p.List4.List(0));
  context_.client.WaitSeconds(1.2);
  p.modes.Select(player::kContinuous);
  return Flow::kGoOn;
}

Flow Interpreter::ContinuousOff(const CommandLine&) {
  context_.replies.Send(Concat({kBase, " cont. <font color=#98ccff>off"}));
  context_.player.modes.Select(player::kNormal);
  return Flow::kGoOn;
}

Flow Interpreter::TellPosition(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  const player::Player& p = context_.player;
  context_.replies.Send(
      Concat({kBase, " pos.:<font color=#98ccff> <u>", p.Text1.text, "...</u> <font color=#aabbcc>",
              p.Label2.caption, "/", p.Label3.caption}));
  return Flow::kGoOn;
}

Flow Interpreter::TellCurrent(const CommandLine&) {
  if (NoSongs()) return Flow::kEnd;
  FixName();
  context_.replies.Send(
      Concat({kBase, " mp3:<font color=#98ccff> <u>", context_.player.Text1.text, "...</u> "}));
  return Flow::kGoOn;
}

Flow Interpreter::TellLength(const CommandLine&) {
  context_.replies.Send(
      Concat({kBase, " length of song: <font color=#98ccff>", context_.player.Label3.caption}));
  return Flow::kGoOn;
}

}  // namespace jelt::chat
