// Search and select: "p" and "r" take a song number or a piece of a name. Several hits are
// offered in the room, and while the member chooses, Chat1 is off and Chat2 (or Chat3
// after "view") hears only the choice.
#include "chat/interpreter.h"
#include "platform/text.h"

namespace jelt::chat {

namespace {

using platform::MediaEngine;

using aolwin::Concat;
constexpr std::string_view kBase = aolwin::kBasePrefix;
constexpr int kMostListed = 6;
constexpr double kListPause_s = 0.6;

// A song number is exactly the decimal form of a whole number from 1 to the count: no
// sign, no leading zeros, no spaces ("3" is one, "03" and "3.0" are not).
int SongNumber(std::string_view text, int count) {
  if (text.empty() || text.size() > 9 || text.front() == '0') return 0;
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number <= count ? number : 0;
}

}  // namespace

void Interpreter::Search(std::string_view text) {
  List2.Clear();
  const std::string wanted = platform::LowerCase(text);
  for (const std::string& name : context_.player.File1.Items()) {
    if (platform::LowerCase(name).find(wanted) != std::string::npos) List2.AddItem(name);
  }
}

void Interpreter::SendPickPrompt(int hits) {
  context_.replies.Send(Concat({kBase, " type<font color=#98ccff> 'p 1 - ", std::to_string(hits),
                                "'<font color=#aabbcc> or <font color=#98ccff> 'cancel' "}));
}

// The hits are numbered in the room, a pause after each. The member may choose while the
// list goes out; the choice empties the results, and the listing then stops.
void Interpreter::SendResultLines() {
  for (int k = 0; k < List2.ListCount(); ++k) {
    context_.replies.Send(Concat({kBase, " ", std::to_string(k + 1), "]<font color=#98ccff> ",
                                  player::StripMp3(List2.List(k)), " "}));
    context_.client.WaitSeconds(kListPause_s);
  }
}

// A search stops a song that plays; a paused one stays.
void Interpreter::StopPlaying() {
  MediaEngine& engine = context_.player.MediaPlayer1();
  if (engine.PlayState() == MediaEngine::kPlaying) engine.Stop();
}

bool Interpreter::PlaySongNumber(std::string_view text) {
  player::Player& p = context_.player;
  const int n = SongNumber(text, p.File1.ListCount());
  if (n != 0) p.PlayMP3(p.File1.List(n - 1));
  return n != 0;
}

Flow Interpreter::PlayOrSearch(const CommandLine& line) {
  player::Player& p = context_.player;
  Chat2.ScanOff();
  Chat3.ScanOff();
  if (NoSongs()) return Flow::kEnd;
  StopPlaying();
  Label20.caption = std::string(line.arg);
  if (PlaySongNumber(line.arg)) return Flow::kEnd;
  Search(line.arg);
  const int hits = List2.ListCount();
  if (hits == 1) {
    const std::string hit = List2.List(0);
    p.List4.SelectName(hit);
    p.PlayMP32(hit);
    List2.Clear();
    return Flow::kEnd;
  }
  if (hits == 0) {
    context_.replies.Send(
        Concat({kBase, " no mp3 for with the string <font color=#98ccff>", line.arg}));
    return Flow::kEnd;
  }
  Chat2.ScanOn();
  Chat1.ScanOff();
  if (hits > kMostListed) {
    context_.client.WaitSeconds(0.7);
    context_.replies.Send(Concat({kBase, " ", std::to_string(hits),
                                  " mp3s found what to do?<font color=#98ccff> 'scroll'<font "
                                  "color=#aabbcc> <font color=#98ccff> 'view' <font "
                                  "color=#aabbcc>or<font color=#98ccff> 'cancel'"}));
    return Flow::kGoOn;
  }
  context_.replies.Send(Concat({kBase, " <font color=#98ccff>", std::to_string(hits),
                                "<font color=#aabbcc> mp3s found with the string <font "
                                "color=#98ccff> ",
                                line.arg}));
  context_.client.WaitSeconds(kListPause_s);
  SendResultLines();
  if (List2.ListCount() != 0) SendPickPrompt(hits);
  return Flow::kEnd;
}

Flow Interpreter::RandomOrSearch(const CommandLine& line) {
  player::Player& p = context_.player;
  if (NoSongs()) return Flow::kEnd;
  StopPlaying();
  if (PlaySongNumber(line.arg)) return Flow::kEnd;
  Search(line.arg);
  const int hits = List2.ListCount();
  if (hits == 1) {
    p.Play12MP3(List2.List(0));
    List2.Clear();
    return Flow::kEnd;
  }
  if (hits == 0) {
    context_.replies.Send(Concat({kBase, " no mp3 found for: <font color=#98ccff>", line.arg}));
    List2.Clear();
    return Flow::kEnd;
  }
  const std::string hit = List2.List(context_.random.Below(hits));
  p.List4.SelectName(hit);
  p.Text1.text = player::StripMp3(hit);
  p.Label4.caption = p.Text1.text;
  if (!p.Text1.text.empty()) {
    p.OpenEntry(hit);
    context_.replies.Send(Concat({kBase, " random: <b>", std::to_string(p.List4.ListIndex() + 1),
                                  "</b> › <font color=#98ccff><u>", p.Label4.caption, "...</u>"}));
    p.CountPlay();
    List2.Clear();
  }
  return Flow::kGoOn;
}

void Interpreter::EndPick(ChatScanner& picker) {
  Chat1.ScanOn();
  picker.ScanOff();
  List2.Clear();
  context_.replies.Send(Concat({kBase, " mp3: <font color=#98ccff>canceled"}));
  context_.player.HideForm3();
}

Flow Interpreter::PickResult(const CommandLine& line) {
  const int n = SongNumber(line.arg, List2.ListCount());
  if (n == 0) return Flow::kGoOn;
  context_.player.PlayMP3(List2.List(n - 1));
  List2.Clear();
  Chat2.ScanOff();
  Chat1.ScanOn();
  context_.player.HideForm3();
  return Flow::kEnd;
}

Flow Interpreter::CancelPick(const CommandLine&) {
  EndPick(Chat2);
  return Flow::kGoOn;
}

Flow Interpreter::ViewResults(const CommandLine&) {
  player::PlayListWindow& window = context_.player.Form3;
  context_.player.ShowForm3();
  Chat3.ScanOn();
  Chat2.ScanOff();
  window.List1.Clear();
  for (int k = 0; k < List2.ListCount(); ++k) {
    window.List1.AddItem(std::to_string(k + 1) + ") " + player::StripMp3(List2.List(k)));
  }
  for (const std::string& hit : List2.Items())
    window.List2.AddItem(hit);
  SendPickPrompt(List2.ListCount());
  return Flow::kGoOn;
}

Flow Interpreter::ScrollResults(const CommandLine&) {
  const int hits = List2.ListCount();
  SendResultLines();
  if (List2.ListCount() != 0) SendPickPrompt(hits);
  return Flow::kEnd;
}

// A pick from the play list window opens the song without counting it or changing the
// now-playing name, and names it with its file name.
Flow Interpreter::PickViewed(const CommandLine& line) {
  player::Player& p = context_.player;
  const int n = SongNumber(line.arg, p.Form3.List2.ListCount());
  if (n == 0) return Flow::kGoOn;
  const std::string file = p.Form3.List2.List(n - 1);
  p.OpenEntry(file);
  p.List4.SelectName(file);
  context_.replies.Send(Concat({kBase, " playing: <b>", std::to_string(p.List4.ListIndex() + 1),
                                "</b> › <font color=#98ccff><u>", file, "...</u>"}));
  p.Form3.List2.Clear();
  Chat3.ScanOff();
  Chat1.ScanOn();
  p.HideForm3();
  return Flow::kEnd;
}

Flow Interpreter::CancelViewedPick(const CommandLine&) {
  EndPick(Chat3);
  context_.player.Form3.List2.Clear();
  return Flow::kGoOn;
}

}  // namespace jelt::chat
