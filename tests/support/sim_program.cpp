#include "support/sim_program.h"

#include "platform/ini_file.h"

namespace jelt::test {

sim::WorldOptions SimProgram::WithHome(sim::WorldOptions options, const TempDir& home) {
  options.home = home.Path().string();
  return options;
}

SimProgram::SimProgram(sim::WorldOptions options)
    : options_(WithHome(std::move(options), home_)), world_(options_), session_(world_, ui_) {
  world_.client.on_transcript_line = [this](const std::string& line) { output_.push_back(line); };
  ui_.on_event = [this](const std::string& event) { output_.push_back(event); };
  session_.on_event = [this](const std::string& event) { output_.push_back(event); };
}

void SimProgram::Start() {
  if (platform::ReadIniValue("Handle", "handle", SettingsPath()).empty()) {
    platform::WriteIniValue("Handle", "handle", "Joe", SettingsPath());
  }
  session_.StartProgram();
}

std::vector<std::string> SimProgram::TakeOutput() {
  std::vector<std::string> lines(output_.begin() + static_cast<long>(taken_), output_.end());
  taken_ = output_.size();
  return lines;
}

}  // namespace jelt::test
