#include "player/player.h"

#include "platform/ini_file.h"
#include "player/time_display.h"

namespace jelt::player {

namespace {

using platform::MediaEngine;

using aolwin::Concat;
constexpr std::string_view kBase = aolwin::kBasePrefix;

std::string SongLine(std::string_view word, int number, std::string_view separator,
                     std::string_view name, std::string_view after) {
  return Concat({kBase, word, std::to_string(number), separator, name, after});
}

}  // namespace

Player::Player(const PlayerContext& context)
    : context_(context), Timer1(context.loop, kTimer1Interval_ms, [this] { Timer1_Timer(); }) {
  context_.engine.on_end_of_stream = [this] { MediaPlayer1_EndOfStream(); };
  context_.engine.on_open_state_change = [this] { MediaPlayer1_OpenStateChange(); };
  modes.on_click = [this](int mode) { ModeChanged(mode); };
  Timer1.SetEnabled(true);
}

std::string Player::SettingsPath() const {
  return platform::SettingsFilePath(context_.process);
}

void Player::OpenEntry(std::string_view file_name) {
  open_path_ = EntryPath(file_name);
  context_.engine.Open(open_path_);
}

void Player::CountPlay() {
  StepPlayedCounter();
  platform::WriteIniValue("played", "played", Label17.caption, SettingsPath());
}

void Player::PlayMP3(std::string_view file_name) {
  Start(file_name, Selects::kPlayList, Word::kPlaying);
}

void Player::PlayMP32(std::string_view file_name) {
  Start(file_name, Selects::kNothing, Word::kPlaying);
}

void Player::Play12MP3(std::string_view file_name) {
  Start(file_name, Selects::kFileListThenPlayList, Word::kRandom);
}

// The steps of the three procedures, in their order; they differ in what they select and
// in the announcement's word.
void Player::Start(std::string_view file_name, Selects selects, Word word) {
  const std::string name(file_name);
  OpenEntry(name);
  Text3.text = open_path_;
  if (selects == Selects::kFileListThenPlayList) File1.SelectName(name);
  if (selects != Selects::kNothing) List4.SelectName(name);
  const std::string display = DisplayName(name);
  StepPlayedCounter();
  Text1.text = display;
  Text4.text = display;
  Label4.caption = Text4.text;
  if (File1.ListCount() == 0) {
    context_.replies.Send(std::string(kBase) + " Please set a directory");
    return;
  }
  const bool random = word == Word::kRandom;
  context_.replies.Send(SongLine(random ? " random: <b>" : " playing: <b>", List4.ListIndex() + 1,
                                 "</b> › <font color=#98ccff><u>", Text1.text,
                                 random ? "...</u>" : " ...</u>"));
  platform::WriteIniValue("played", "played", Label17.caption, SettingsPath());
}

void Player::MediaPlayer1_EndOfStream() {
  Form5.Label5.enabled = true;
  const int count = List4.ListCount();
  if (modes.IsSelected(kRandom)) {
    // With an empty play list there is nothing to pick: the player stays stopped.
    if (count == 0) return;
    List4.SetListIndex(context_.random.Below(count));
    Text1.text = StripMp3(List4.Text());
    Label4.caption = Text1.text;
    if (Text1.text.empty()) {
      context_.ui.MessageBox("No mp3 to play", "Error");
      return;
    }
    OpenEntry(List4.Text());
    context_.replies.Send(SongLine(" random: <b>", List4.ListIndex() + 1,
                                   "</b> ›<font color=#98ccff> <u>", Label4.caption, "...</u>"));
    Form5.Label5.enabled = false;
  } else if (modes.IsSelected(kContinuous)) {
    if (count == 0) return;
    const int next = List4.ListIndex() + 1;
    List4.SetListIndex(next == count ? 0 : next);
    Text1.text = StripMp3(List4.Text());
    Label4.caption = Text1.text;
    OpenEntry(List4.Text());
    context_.replies.Send(SongLine(" next: <b>", List4.ListIndex() + 1,
                                   "</b> ›<font color=#98ccff> <u>", Label4.caption, "...</u>"));
    Form5.Label5.enabled = false;
  } else {
    context_.engine.Stop();
    Text1.text.clear();
  }
}

void Player::MediaPlayer1_OpenStateChange() {
  Label3.caption = TimeText(context_.engine.Duration());
}

void Player::Timer1_Timer() {
  const double t = context_.engine.CurrentPosition();
  const TimeParts parts = SplitTime(t);
  Label2.caption = parts.minutes > 0 || parts.seconds > 0 ? TimeText(t) : "00:00";
}

void Player::ModeChanged(int mode) {
  if (context_.engine.PlayState() == MediaEngine::kPlaying) return;
  if (mode == kContinuous) StartNextForContinuous();
  if (mode == kRandom) StartRandomForRand();
}

void Player::StartNextForContinuous() {
  // The selection fails on the last entry and in an empty list.
  if (!List4.SetListIndex(List4.ListIndex() + 1)) {
    NoSongsForMode();
    return;
  }
  PlayMP3(List4.Text());
}

void Player::StartRandomForRand() {
  // The selection fails in an empty list.
  if (!List4.SetListIndex(context_.random.Below(List4.ListCount()))) {
    NoSongsForMode();
    return;
  }
  Text1.text = StripMp3(List4.Text());
  Label4.caption = Text1.text;
  PlayMP3(List4.Text());
}

void Player::NoSongsForMode() {
  context_.ui.HideForm(context_.main_window);
  context_.ui.MessageBox("set a directory with mp3's in it fool", "jelt mp³·²");
  context_.ui.ShowForm(context_.main_window);
  modes.Select(kNormal);
}

void Player::ShowForm3() {
  context_.ui.ShowForm(Form3);
}

void Player::HideForm3() {
  context_.ui.HideForm(Form3);
}

void Player::ShowForm2() {
  context_.ui.ShowForm(Form2);
}

}  // namespace jelt::player
