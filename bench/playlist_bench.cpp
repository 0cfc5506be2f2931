// The play list over a music directory of 20,000 songs: listing the directory into File1
// and filling List4 from it, and, on a started copy of the program on the simulated
// desktop, a "p" search that hits one song in ten and a "ref". The targets are under 20 ms
// for each chat command; the listing is compared with find and sort by
// bench/playlist_vs_find.sh, which runs this program's "list" verb.
//
//   playlist_bench [BENCHMARK FLAGS]   runs the benchmarks on a directory of its own
//   playlist_bench make DIR            writes the directory there, for the scripts
//   playlist_bench list DIR            lists DIR into File1, fills List4 and exits
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>

#include "app/form1.h"
#include "chat/interpreter.h"
#include "platform/ini_file.h"
#include "player/player_state.h"
#include "sim/mp3_writer.h"
#include "support/sim_program.h"
#include "support/temp_dir.h"

namespace {

constexpr int kSongCount = 20'000;
// One song in ten has this word in its title, in one letter case or another; no other
// word of the names contains it.
constexpr int kHitEvery = 10;
constexpr std::string_view kHitWord = "Midnight";
constexpr int kHitCount = kSongCount / kHitEvery;

constexpr std::array<std::string_view, 24> kArtists = {
    "The Velvet Parade", "DJ Shadowbox",  "Björk Sisters", "Massive Harbour", "Röyksopp Kids",
    "Blue Lanterns",     "KINGS OF TIN",  "Portis Head",   "The Cranberry",   "Aphex Tween",
    "Nine Inch Rails",   "Daft Pink",     "Lamb & Lion",   "Sigur Rós Choir", "Air France",
    "Tricky Dicky",      "Moby Grape",    "The Prodigals", "Orbital Decay",   "Leftfielders",
    "Garbage Men",       "Sneaker Pimps", "Morcheeba Tea", "Hooverphonics"};
constexpr std::array<std::string_view, 40> kWords = {
    "Love",   "Song",   "Rain",   "Summer",  "Blue",    "Heart",    "Dream",   "Fire",
    "Night",  "Street", "Angel",  "Ocean",   "Dance",   "River",    "Silver",  "Ghost",
    "Glory",  "Sugar",  "Stone",  "Shadow",  "Window",  "Electric", "Velvet",  "Motor",
    "Paper",  "Moon",   "Sunday", "Highway", "Thunder", "Honey",    "Broken",  "Golden",
    "Winter", "Mirror", "Spirit", "Desert",  "Wild",    "Smoke",    "Crystal", "Echo"};

// A fixed generator, so that every run writes the same names.
class Dice {
 public:
  std::uint32_t Below(std::uint32_t n) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<std::uint32_t>(state_ % n);
  }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string AsciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Underscored(std::string text) {
  for (char& c : text) {
    if (c == ' ') c = '_';
  }
  return text;
}

std::string Title(Dice& dice, bool hit) {
  const std::uint32_t words = 1 + dice.Below(3);
  const std::uint32_t hit_at = dice.Below(words);
  std::string title;
  for (std::uint32_t w = 0; w < words; ++w) {
    if (w != 0) title += ' ';
    title += hit && w == hit_at ? kHitWord : kWords[dice.Below(kWords.size())];
  }
  return title;
}

// A name as people keep them: "Artist - Title.mp3" mostly, some in lower case with
// underscores, some with a track number, some shouted with ".MP3", a few live takes, and
// a few half-finished downloads and backups, which the "*.mp3*" pattern also takes.
std::string SongName(Dice& dice, int index) {
  const std::string artist(kArtists[dice.Below(kArtists.size())]);
  const std::string title = Title(dice, index % kHitEvery == 0);
  const std::uint32_t form = dice.Below(100);
  if (form < 40) return artist + " - " + title + ".mp3";
  if (form < 60) return AsciiLower(Underscored(artist + "_-_" + title)) + ".mp3";
  if (form < 75) {
    const std::uint32_t track = 1 + dice.Below(19);
    return (track < 10 ? "0" : "") + std::to_string(track) + " " + artist + " - " + title + ".mp3";
  }
  if (form < 85) return AsciiUpper(artist + " - " + title) + ".MP3";
  if (form < 95) return artist + " - " + title + " (Live).mp3";
  if (form < 98) return Underscored(artist + " " + title) + ".Mp3";
  return artist + " - " + title + (form == 98 ? ".mp3.bak" : ".mp3.part");
}

// Names are made unique by a number before the extension, as a copy would be named.
std::string Unique(std::unordered_set<std::string>& taken, const std::string& name) {
  if (taken.insert(name).second) return name;
  // Artists and titles have no dots, so the extension begins at the first one.
  const std::size_t dot = name.find('.');
  for (int copy = 2;; ++copy) {
    std::string candidate =
        name.substr(0, dot) + " (" + std::to_string(copy) + ")" + name.substr(dot);
    if (taken.insert(candidate).second) return candidate;
  }
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// Writes kSongCount small MP3 files whose names the file list takes, and beside them what
// it must leave out: other kinds of file (some with the searched word in their names), a
// hidden song and a directory whose name matches the pattern.
void WriteMusicDirectory(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir / "Backup.mp3s");
  // Two frames at 32 kbit/s: about 200 bytes a song.
  const std::string song = jelt::sim::Mp3Bytes({.seconds = 0.05, .kbps = 32});
  Dice dice;
  std::unordered_set<std::string> taken;
  for (int i = 0; i < kSongCount; ++i)
    WriteFile(dir / Unique(taken, SongName(dice, i)), song);
  constexpr std::array<std::string_view, 6> kOthers = {".txt", ".wav", ".m3u",
                                                       ".jpg", ".nfo", ".mp2"};
  for (int i = 0; i < 300; ++i) {
    const std::string name = std::string(kArtists[i % kArtists.size()]) + " - " +
                             Title(dice, i % 3 == 0) + std::string(kOthers[i % kOthers.size()]);
    WriteFile(dir / Unique(taken, name), "not a song");
  }
  WriteFile(dir / ".hidden Midnight.mp3", song);
  WriteFile(dir / "Backup.mp3s" / "Old Midnight.mp3", song);
}

// The benchmarks' directory, written once per run and removed at its end.
class MusicFolder {
 public:
  MusicFolder() : path_(temp_ / "Music") { WriteMusicDirectory(path_); }
  const std::string& Path() const { return path_; }

 private:
  jelt::test::TempDir temp_;
  std::string path_;
};

const std::string& MusicDirectory() {
  static const MusicFolder folder;
  return folder.Path();
}

void ListAndFill(benchmark::State& state) {
  const std::string& dir = MusicDirectory();
  jelt::player::PlayerState player;
  for (auto _ : state) {
    player.File1.SetPath(dir);
    player.FillPlayList();
    benchmark::DoNotOptimize(player.List4.ListCount());
  }
  if (player.List4.ListCount() != kSongCount) state.SkipWithError("the list is not complete");
  state.counters["songs"] = player.List4.ListCount();
}

void ListOnly(benchmark::State& state) {
  const std::string& dir = MusicDirectory();
  jelt::platform::FileList list("*.mp3*");
  for (auto _ : state) {
    list.SetPath(dir);
    benchmark::DoNotOptimize(list.ListCount());
  }
  if (list.ListCount() != kSongCount) state.SkipWithError("the list is not complete");
}

void FillOnly(benchmark::State& state) {
  jelt::player::PlayerState player;
  player.File1.SetPath(MusicDirectory());
  for (auto _ : state) {
    player.FillPlayList();
    benchmark::DoNotOptimize(player.List4.ListCount());
  }
}

// A copy of the program started with the music directory stored, as after "dir".
class StartedProgram {
 public:
  StartedProgram() {
    jelt::platform::WriteIniValue("Dir", "Dir1", MusicDirectory(), program_.SettingsPath());
    program_.Start();
  }
  jelt::test::SimProgram& operator*() { return program_; }
  jelt::test::SimProgram* operator->() { return &program_; }
  int Songs() { return program_.Form1().player.List4.ListCount(); }

 private:
  jelt::test::SimProgram program_;
};

const std::string kSearchLine = "p " + AsciiLower(std::string(kHitWord));

// The member searches; the hits are more than can be listed, so the copy asks what to do
// and waits for the choice on Chat2. The "cancel" that ends the choice is not timed.
void SearchTenPercent(benchmark::State& state) {
  StartedProgram program;
  jelt::chat::Interpreter& interpreter = program->Form1().interpreter;
  const std::string member = program->Client().Member();
  int hits = 0;
  for (auto _ : state) {
    interpreter.Chat1_ChatMsg(member, kSearchLine);
    state.PauseTiming();
    hits = interpreter.List2.ListCount();
    interpreter.Chat2_ChatMsg(member, "cancel");
    state.ResumeTiming();
  }
  if (program.Songs() != kSongCount) state.SkipWithError("the play list is not complete");
  if (hits != kHitCount) state.SkipWithError("the search did not hit one song in ten");
  state.counters["hits"] = hits;
}

// The same search with the "cancel" that ends the choice, both timed.
void SearchTenPercentAndCancel(benchmark::State& state) {
  StartedProgram program;
  jelt::chat::Interpreter& interpreter = program->Form1().interpreter;
  const std::string member = program->Client().Member();
  int hits = 0;
  for (auto _ : state) {
    interpreter.Chat1_ChatMsg(member, kSearchLine);
    hits = interpreter.List2.ListCount();
    interpreter.Chat2_ChatMsg(member, "cancel");
  }
  if (hits != kHitCount) state.SkipWithError("the search did not hit one song in ten");
}

// "ref" lists the directory again, refills the play list and finds the selected song in
// it; the selection is the last song, the longest search.
void Refresh(benchmark::State& state) {
  StartedProgram program;
  jelt::player::PlayerState& player = program->Form1().player;
  jelt::chat::Interpreter& interpreter = program->Form1().interpreter;
  const std::string member = program->Client().Member();
  player.List4.SetListIndex(kSongCount - 1);
  const std::string selected = player.List4.Text();
  for (auto _ : state) {
    interpreter.Chat1_ChatMsg(member, "ref");
  }
  if (program.Songs() != kSongCount) state.SkipWithError("the play list is not complete");
  if (player.List4.Text() != selected) state.SkipWithError("ref lost the selection");
}

BENCHMARK(ListAndFill)->Unit(benchmark::kMillisecond);
BENCHMARK(ListOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(FillOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchTenPercent)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchTenPercentAndCancel)->Unit(benchmark::kMillisecond);
BENCHMARK(Refresh)->Unit(benchmark::kMillisecond);

int List(const std::string& dir) {
  jelt::player::PlayerState player;
  player.File1.SetPath(dir);
  player.FillPlayList();
  std::printf("%d\n", player.List4.ListCount());
  return player.List4.ListCount() > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc == 3 ? argv[1] : "";
  if (verb == "make") {
    WriteMusicDirectory(argv[2]);
    return 0;
  }
  if (verb == "list") return List(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
