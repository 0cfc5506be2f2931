#include "scenario.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/settings.h"
#include "id3tag/id3_tags.h"
#include "platform/ini_file.h"
#include "sim/mp3_writer.h"

namespace jelt::scenario {

namespace {

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return "";
  const std::size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

bool ParseNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end;
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream stream(text);
  for (std::string item; std::getline(stream, item, ',');) {
    item = Trim(item);
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

}  // namespace

Scenario::Scenario(const sim::WorldOptions& options, std::ostream& out)
    : out_(out), world_(options), session_(world_, ui_) {
  world_.client.on_transcript_line = [this](const std::string& line) { Print(line); };
  ui_.on_event = [this](const std::string& event) { Print(ShownEvent(event)); };
  session_.on_event = [this](const std::string& event) { Print(event); };
  world_.sound.on_play = [this](const std::string& path) { Print("[sound] " + ShownPath(path)); };
  world_.on_media_record = [this](const std::string& event) { Print(ShownEvent(event)); };
  session_.Ports().on_file_wiped = [this](const std::string& path) {
    Print("[wipe] " + ShownPath(path));
  };
  session_.Ports().on_tag_written = [this](const std::string& path) { PrintTag(path); };
}

// "[tag] PATH" and the fields the file's tag holds now, read back from the disk.
void Scenario::PrintTag(const std::string& path) {
  id3tag::Id3Tags tags;
  std::string event = "[tag] " + ShownPath(path);
  if (!tags.ReadTag(path)) event += "\n\tno file";
  event += "\n\ttitle: " + tags.TagTitle(path);
  event += "\n\tartist: " + tags.TagArtist(path);
  event += "\n\talbum: " + tags.TagAlbum(path);
  event += "\n\tyear: " + tags.TagYear(path);
  event += "\n\tcomment: " + tags.TagComment(path);
  Print(event);
}

// The fields of a "tag" line: "title=My Song artist=Bob" gives the text after each
// "NAME=" up to the next field's name.
std::vector<std::pair<std::string, std::string>> Scenario::TagFields(const std::string& text) {
  static const char* const kNames[] = {"title=", "artist=", "album=", "year=", "comment="};
  std::vector<std::pair<std::size_t, std::string>> starts;
  for (const char* name : kNames) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
      if (at == 0 || text[at - 1] == ' ') starts.emplace_back(at, name);
    }
  }
  std::sort(starts.begin(), starts.end());
  std::vector<std::pair<std::string, std::string>> fields;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t from = starts[i].first + starts[i].second.size();
    const std::size_t to = i + 1 < starts.size() ? starts[i + 1].first - 1 : text.size();
    fields.emplace_back(starts[i].second, text.substr(from, to > from ? to - from : 0));
  }
  return fields;
}

// Paths in an event ("[open] PATH", or a window's lines after tabs) are shown relative to
// the program directory, so that a run's output does not depend on where it ran.
std::string Scenario::ShownEvent(const std::string& event) const {
  std::string shown;
  std::size_t start = 0;
  for (std::size_t end = event.find("\n\t");; end = event.find("\n\t", start)) {
    const std::string part = event.substr(start, end == std::string::npos ? end : end - start);
    const std::size_t space = part.find(' ');
    if (start == 0 && space != std::string::npos && space + 1 < part.size() &&
        part[space + 1] == '/') {
      shown += part.substr(0, space + 1) + ShownPath(part.substr(space + 1));
    } else {
      shown += start == 0 ? part : "\n\t" + ShownPath(part);
    }
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return shown;
}

bool Scenario::Click(const std::string& target) {
  using Editor = id3tag::TagEditor;
  using Viewer = id3tag::TagViewer;
  static const std::pair<const char*, void (Editor::*)()> kEditor[] = {
      {"Form10.Command1", &Editor::Command1_Click},
      {"Form10.Command2", &Editor::Command2_Click},
      {"Form10.Label6", &Editor::Label6_Click},
      {"Form10.Label7", &Editor::Label7_Click},
      {"Form10.Label8", &Editor::Label8_Click}};
  static const std::pair<const char*, void (Viewer::*)()> kViewer[] = {
      {"Form9.Label13", &Viewer::Label13_Click},
      {"Form9.Label14", &Viewer::Label14_Click},
      {"Form9.Label15", &Viewer::Label15_Click}};
  for (const auto& [name, handler] : kEditor) {
    if (target != name) continue;
    RunInProgram([&](app::Form1& form) {
      if (Editor* editor = form.tag_windows.Form10()) (editor->*handler)();
    });
    return true;
  }
  for (const auto& [name, handler] : kViewer) {
    if (target != name) continue;
    RunInProgram([&](app::Form1& form) {
      if (Viewer* viewer = form.tag_windows.Form9()) (viewer->*handler)();
    });
    return true;
  }
  return false;
}

void Scenario::RunInProgram(const std::function<void(app::Form1&)>& step) {
  session_.Run([&] {
    if (app::Program* program = session_.CurrentProgram()) step(program->MainWindow());
  });
}

void Scenario::Print(const std::string& line) {
  out_ << line << '\n' << std::flush;
}

std::string Scenario::ShownPath(const std::string& path) const {
  const std::string& home = world_.Options().home;
  if (path == home) return ".";
  return path.rfind(home + "/", 0) == 0 ? path.substr(home.size() + 1) : path;
}

bool Scenario::Run(std::istream& script, std::ostream& errors) {
  int number = 0;
  for (std::string line; std::getline(script, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const std::size_t space = trimmed.find(' ');
    const std::string verb = trimmed.substr(0, space);
    // The rest keeps its spaces: "say" takes everything after "NAME: " as it stands.
    const std::string rest =
        space == std::string::npos ? "" : line.substr(line.find(verb) + verb.size() + 1);
    std::string error;
    if (!Step(verb, rest, error)) {
      errors << "line " << number << ": " << error << '\n';
      return false;
    }
  }
  return true;
}

bool Scenario::Step(const std::string& verb, const std::string& rest, std::string& error) {
  sim::AolClient& client = world_.client;
  const std::string words = Trim(rest);
  if (verb == "at") {
    // "at SECONDS LINE": the line happens that many seconds from now, as an event of the
    // world, so it can come while the program is inside a wait.
    std::istringstream parts(rest);
    double seconds = -1;
    parts >> seconds;
    std::string line;
    std::getline(parts >> std::ws, line);
    const std::size_t space = line.find(' ');
    const std::string inner_verb = line.substr(0, space);
    const std::string inner_rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (seconds < 0 || inner_verb.empty() || inner_verb == "at" || inner_verb == "wait" ||
        inner_verb == "start") {
      error = "at takes SECONDS and a line (not at, wait or start)";
      return false;
    }
    world_.loop.ScheduleWorld(world_.loop.Now() + seconds, [this, inner_verb, inner_rest] {
      std::string ignored;
      Step(inner_verb, inner_rest, ignored);
    });
  } else if (verb == "start") {
    session_.StartProgram();
  } else if (verb == "wait") {
    double seconds = 0;
    if (!ParseNumber(words, seconds) || seconds < 0) {
      error = "wait takes a number of seconds";
      return false;
    }
    session_.Wait(seconds);
  } else if (verb == "say") {
    const std::size_t colon = rest.find(": ");
    if (colon == std::string::npos) {
      error = "say takes NAME: TEXT";
      return false;
    }
    const std::string name = Trim(rest.substr(0, colon));
    const std::string text = rest.substr(colon + 2);
    if (name == client.Member()) {
      client.MemberSends(text);
    } else {
      client.Say(name, text);
    }
  } else if (verb == "select") {
    std::istringstream parts(words);
    std::string list;
    double index = -2;
    parts >> list >> index;
    if (list != "List4" || index < -1) {
      error = "select takes List4 and an index (0-based, -1 for none)";
      return false;
    }
    RunInProgram(
        [&](app::Form1& form) { form.player.List4.SetListIndex(static_cast<int>(index)); });
  } else if (verb == "option") {
    const int mode = words == "Normal"  ? player::kNormal
                     : words == "Cont." ? player::kContinuous
                     : words == "Rand"  ? player::kRandom
                                        : -1;
    if (mode < 0) {
      error = "option takes Normal, Cont. or Rand";
      return false;
    }
    RunInProgram([&](app::Form1& form) { form.player.modes.Select(mode); });
  } else if (verb == "type") {
    client.MemberTypes(rest);
  } else if (verb == "people") {
    client.SetPeople(SplitList(words));
  } else if (verb == "answer") {
    ui_.QueueAnswer(rest);
  } else if (verb == "cancel") {
    ui_.QueueAnswer(std::nullopt);
  } else if (verb == "welcome" && (words == "open" || words == "close")) {
    if (words == "open") {
      client.OpenWelcome();
    } else {
      client.CloseWelcome();
    }
  } else if (verb == "ini") {
    std::istringstream parts(words);
    std::string section, key;
    parts >> section >> key;
    if (key.empty()) {
      error = "ini takes SECTION KEY VALUE";
      return false;
    }
    std::string value;
    std::getline(parts, value);
    platform::WriteIniValue(section, key, Trim(value), platform::SettingsFilePath(world_.process));
  } else if (verb == "mp3") {
    std::istringstream parts(words);
    std::string path, kind;
    double seconds = -1;
    parts >> path >> seconds >> kind;
    if (path.empty() || seconds <= 0 || !(kind.empty() || kind == "vbr")) {
      error = "mp3 takes PATH SECONDS [vbr]";
      return false;
    }
    sim::WriteMp3(path, sim::Mp3Spec{.seconds = seconds, .vbr = kind == "vbr"});
  } else if (verb == "tag") {
    const std::size_t space = words.find(' ');
    const std::string path = words.substr(0, space);
    if (path.empty() || space == std::string::npos) {
      error = "tag takes PATH and fields such as title=... artist=...";
      return false;
    }
    id3tag::Id3Tags tags;
    for (const auto& [name, value] : TagFields(words.substr(space + 1))) {
      if (name == "title=") tags.SetTagTitle(path, value);
      if (name == "artist=") tags.SetTagArtist(path, value);
      if (name == "album=") tags.SetTagAlbum(path, value);
      if (name == "year=") tags.SetTagYear(path, value);
      if (name == "comment=") tags.SetTagComment(path, value);
    }
  } else if (verb == "form10") {
    std::istringstream parts(rest);
    std::string box;
    parts >> box;
    std::string value;
    std::getline(parts, value);
    if (!value.empty() && value.front() == ' ') value.erase(0, 1);
    const int index = box.size() == 5 && box.rfind("Text", 0) == 0 ? box[4] - '0' : 0;
    if (index < 1 || index > 5) {
      error = "form10 takes Text1 .. Text5 and a value";
      return false;
    }
    RunInProgram([&](app::Form1& form) {
      if (id3tag::TagEditor* editor = form.tag_windows.Form10()) {
        platform::TextBox* boxes[] = {&editor->Text1, &editor->Text2, &editor->Text3,
                                      &editor->Text4, &editor->Text5};
        boxes[index - 1]->text = value;
      }
    });
  } else if (verb == "click") {
    if (!Click(words)) {
      error =
          "click takes Form9.Label13|Label14|Label15 or "
          "Form10.Command1|Command2|Label6|Label7|Label8";
      return false;
    }
  } else if (verb == "file" || verb == "mkdir" || verb == "rm") {
    if (words.empty()) {
      error = verb + " takes a path";
      return false;
    }
    std::error_code ignored;
    const std::filesystem::path path(words);
    if (verb == "mkdir") {
      std::filesystem::create_directories(path, ignored);
    } else if (verb == "rm") {
      std::filesystem::remove_all(path, ignored);
    } else {
      if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
      std::ofstream(path, std::ios::binary) << "jelt";
    }
  } else if (verb == "limit") {
    double lines = 0;
    if (!ParseNumber(words, lines) || lines < 1) {
      error = "limit takes a number of lines";
      return false;
    }
    client.SetTranscriptLimit(static_cast<std::size_t>(lines));
  } else if (verb == "fault") {
    std::istringstream parts(words);
    std::string kind;
    double value = 0;
    parts >> kind;
    if (kind == "slow" && (parts >> value)) {
      client.IgnoreEnterPresses(static_cast<int>(value));
    } else if (kind == "refuse") {
      client.RefuseLines(true);
    } else if (kind == "accept") {
      client.RefuseLines(false);
    } else if (kind == "close") {
      if (parts >> value) {
        client.CloseAt(world_.loop.Now() + value);
      } else {
        client.Close();
      }
    } else {
      error = "fault takes slow K, refuse, accept or close [SECONDS]";
      return false;
    }
  } else {
    error = "unknown verb '" + verb + "'";
    return false;
  }
  return true;
}

}  // namespace jelt::scenario
