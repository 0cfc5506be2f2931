#include "chat/chat_scanner.h"

#include <algorithm>

namespace jelt::chat {

ChatScanner::ChatScanner(RoomWatch& watch) : watch_(watch) {
  watch_.Attach(this);
}

ChatScanner::~ChatScanner() {
  watch_.Detach(this);
}

void ChatScanner::ScanOn() {
  if (on_) return;
  watch_.BeforeScanOn();
  on_ = true;
  watch_.AfterScanChange();
}

void ChatScanner::ScanOff() {
  on_ = false;
  queue_.clear();
  watch_.AfterScanChange();
}

RoomWatch::RoomWatch(aolwin::Client& client, platform::EventLoop& loop)
    : reader_(client), timer_(loop, kPollInterval_ms, [this] { Poll(); }) {}

void RoomWatch::Detach(ChatScanner* scanner) {
  scanners_.erase(std::remove(scanners_.begin(), scanners_.end(), scanner), scanners_.end());
  AfterScanChange();
}

void RoomWatch::BeforeScanOn() {
  // Lines read now go to the instances already on; the first read only takes the room in.
  Read();
}

void RoomWatch::AfterScanChange() {
  const bool any_on =
      std::any_of(scanners_.begin(), scanners_.end(), [](const ChatScanner* s) { return s->on_; });
  timer_.SetEnabled(any_on);
}

void RoomWatch::Poll() {
  Read();
  Deliver();
}

void RoomWatch::Read() {
  const std::vector<std::string> lines = reader_.ReadNewLines();
  if (lines.empty()) return;
  for (ChatScanner* scanner : scanners_) {
    if (!scanner->on_) continue;
    scanner->queue_.insert(scanner->queue_.end(), lines.begin(), lines.end());
  }
}

void RoomWatch::Deliver() {
  // Instances are taken in their order; each line is taken off its queue before its
  // handler runs, so a nested delivery goes on with the next line.
  for (std::size_t i = 0; i < scanners_.size(); ++i) {
    ChatScanner* scanner = scanners_[i];
    while (scanner->on_ && !scanner->queue_.empty()) {
      const std::string line = std::move(scanner->queue_.front());
      scanner->queue_.pop_front();
      if (!scanner->ChatMsg) continue;
      const auto [speaker, text] = SplitSpeaker(line);
      scanner->ChatMsg(speaker, text);
      if (i >= scanners_.size() || scanners_[i] != scanner) return;  // torn down meanwhile
    }
  }
}

std::pair<std::string, std::string> SplitSpeaker(const std::string& line) {
  const std::size_t tab = line.find(":\t");
  if (tab == std::string::npos) return {"", line};
  return {line.substr(0, tab), line.substr(tab + 2)};
}

}  // namespace jelt::chat
