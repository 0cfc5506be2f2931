// Decodes one file on the real engine with the dummy output, for bench/decode_cpu.sh,
// which compares the process's CPU time with that of `mpg123 -q -o dummy` on the same file.
//
//   decode_cpu_bench write PATH [SECONDS]   writes a silent CBR MP3 (default 300 seconds)
//   decode_cpu_bench play PATH [--paced]    plays it to its end, as fast as the decoder goes
//                                           or, with --paced, in real time as in use
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/basic_event_loop.h"
#include "posix/real_media_engine.h"
#include "posix/real_time_source.h"
#include "support/mp3_writer.h"

namespace jelt::test {
namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int Play(const std::string& path, bool paced) {
  posix::RealTimeSource time;
  platform::BasicEventLoop loop(time);
  posix::RealMediaEngine engine(loop, {.output = posix::OutputDriver::kDummy, .real_time = paced});
  bool ended = false;
  engine.on_end_of_stream = [&] { ended = true; };
  engine.Open(path);
  if (engine.Duration() <= 0) {
    std::fprintf(stderr, "cannot play %s\n", path.c_str());
    return 1;
  }
  loop.Run([&] { return ended; });
  std::printf("%.3f s of sound in %.3f s, %.3f s of CPU\n", engine.Duration(), time.Now(),
              CpuSeconds());
  return 0;
}

int Main(int argc, char** argv) {
  const std::string verb = argc > 2 ? argv[1] : "";
  if (verb == "write") {
    WriteMp3(argv[2], {.seconds = argc > 3 ? std::atof(argv[3]) : 300.0});
    return 0;
  }
  if (verb == "play") return Play(argv[2], argc > 3 && std::string(argv[3]) == "--paced");
  std::fprintf(stderr, "usage: %s write PATH [SECONDS] | play PATH [--paced]\n", argv[0]);
  return 2;
}

}  // namespace
}  // namespace jelt::test

int main(int argc, char** argv) {
  return jelt::test::Main(argc, argv);
}
