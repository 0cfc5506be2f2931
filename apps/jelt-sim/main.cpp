// jelt-sim: runs a world script on the simulated desktop in virtual time and prints what the
// room and the desktop saw. The same script and options give the same output.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "scenario.h"

namespace {

using jelt::platform::LocalTime;

int Usage() {
  std::cerr << "usage: jelt-sim [--home DIR] [--member NAME] [--seed N]\n"
               "                [--clock \"YYYY-MM-DD HH:MM:SS\"] [--uptime SECONDS] SCRIPT\n"
               "SCRIPT is a file, or - for standard input.\n";
  return 2;
}

bool ParseClock(const std::string& text, LocalTime& t) {
  return std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour,
                     &t.minute, &t.second) == 6;
}

// A directory made for the run and removed afterwards, when no --home was given.
class TempHome {
 public:
  TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "jelt-sim-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempHome() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  jelt::sim::WorldOptions options;
  std::string script_path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--home" && has_value) {
      options.home = argv[++i];
    } else if (arg == "--member" && has_value) {
      options.member = argv[++i];
    } else if (arg == "--seed" && has_value) {
      options.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--clock" && has_value) {
      if (!ParseClock(argv[++i], options.start)) return Usage();
    } else if (arg == "--uptime" && has_value) {
      options.uptime_s = std::strtod(argv[++i], nullptr);
    } else if (script_path.empty() && (arg == "-" || arg[0] != '-')) {
      script_path = arg;
    } else {
      return Usage();
    }
  }
  if (script_path.empty()) return Usage();

  std::ifstream file;
  if (script_path != "-") {
    file.open(script_path);
    if (!file) {
      std::cerr << "jelt-sim: cannot read " << script_path << '\n';
      return 2;
    }
  }
  std::istream& script = script_path == "-" ? std::cin : file;

  TempHome temp_home;
  if (options.home.empty()) options.home = temp_home.Path();
  std::error_code error;
  std::filesystem::create_directories(options.home, error);
  options.home = std::filesystem::absolute(options.home).lexically_normal().string();
  while (options.home.size() > 1 && options.home.back() == '/')
    options.home.pop_back();
  // Relative paths in the script and in the program's commands are under the home.
  if (::chdir(options.home.c_str()) != 0) {
    std::cerr << "jelt-sim: cannot use " << options.home << '\n';
    return 2;
  }

  jelt::scenario::Scenario scenario(options, std::cout);
  return scenario.Run(script, std::cerr) ? 0 : 1;
}
