#include "chat/transcript_reader.h"

#include <algorithm>

namespace jelt::chat {

namespace {

// The length of the longest run that ends `before` and starts `now`, short of the whole of
// `now` (at least one line is new).
std::size_t Overlap(const std::vector<std::string>& before, const std::vector<std::string>& now) {
  if (now.empty()) return 0;
  for (std::size_t run = std::min(before.size(), now.size() - 1); run > 0; --run) {
    if (std::equal(before.end() - static_cast<long>(run), before.end(), now.begin())) return run;
  }
  return 0;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> TranscriptReader::ReadNewLines() {
  platform::WindowSystem& windows = client_.Windows();
  const platform::Hwnd transcript = client_.FindChild(client_.FindChatRoom(), "RICHCNTL");
  const bool same_room = transcript != 0 && transcript == transcript_;
  if (same_room && windows.SendMessageA(transcript, platform::EM_GETMODIFY, 0, 0) == 0) return {};
  transcript_ = transcript;
  if (transcript == 0) {
    lines_.clear();
    return {};
  }
  // Clear the flag before reading, so that a line added after the read sets it again.
  windows.SendMessageA(transcript, platform::EM_SETMODIFY, 0, 0);
  std::vector<std::string> now = SplitLines(client_.ReadControlText(transcript));
  std::vector<std::string> added;
  if (same_room) {
    const std::size_t seen = Overlap(lines_, now);
    added.assign(now.begin() + static_cast<long>(seen), now.end());
  }
  lines_ = std::move(now);
  return added;
}

}  // namespace jelt::chat
