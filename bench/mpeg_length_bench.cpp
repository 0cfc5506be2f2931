// How long after Open the length of a five-minute file is known: measured alone by the
// probe, and through each engine's Open. The target is 5 ms for each file.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/basic_event_loop.h"
#include "posix/mpeg_length.h"
#include "posix/real_media_engine.h"
#include "posix/real_time_source.h"
#include "sim/sim_media_engine.h"
#include "sim/virtual_clock.h"
#include "support/mp3_writer.h"
#include "support/temp_dir.h"

namespace jelt::test {
namespace {

enum FileKind { kCbr, kVbrWithXing, kVbrWithoutHeader };

// The three files, written once for the whole run.
class FiveMinuteFiles {
 public:
  FiveMinuteFiles() {
    WriteMp3(Path(kCbr), {.seconds = 300});
    WriteMp3(Path(kVbrWithXing), {.seconds = 300, .vbr = true, .xing = true});
    WriteMp3(Path(kVbrWithoutHeader), {.seconds = 300, .vbr = true});
  }
  std::string Path(int kind) const { return dir_ / ("file" + std::to_string(kind) + ".mp3"); }

 private:
  TempDir dir_;
};

const FiveMinuteFiles& Files() {
  static const FiveMinuteFiles files;
  return files;
}

void Label(benchmark::State& state) {
  constexpr const char* kNames[] = {"cbr", "vbr+xing", "vbr, no header"};
  state.SetLabel(kNames[state.range(0)]);
}

void BM_Probe(benchmark::State& state) {
  const std::string path = Files().Path(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(posix::MpegDurationSeconds(path));
  Label(state);
}

void BM_SimOpen(benchmark::State& state) {
  const std::string path = Files().Path(static_cast<int>(state.range(0)));
  sim::VirtualClock clock{platform::LocalTime{}};
  platform::BasicEventLoop loop(clock);
  sim::SimMediaEngine engine(loop);
  for (auto _ : state) {
    engine.Open(path);
    benchmark::DoNotOptimize(engine.Duration());
  }
  Label(state);
}

void BM_RealOpen(benchmark::State& state) {
  const std::string path = Files().Path(static_cast<int>(state.range(0)));
  posix::RealTimeSource time;
  platform::BasicEventLoop loop(time);
  posix::RealMediaEngine engine(loop, {.output = posix::OutputDriver::kDummy});
  for (auto _ : state) {
    engine.Open(path);
    benchmark::DoNotOptimize(engine.Duration());
    loop.DoEvents();
  }
  Label(state);
}

BENCHMARK(BM_Probe)->DenseRange(kCbr, kVbrWithoutHeader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimOpen)->DenseRange(kCbr, kVbrWithoutHeader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealOpen)->DenseRange(kCbr, kVbrWithoutHeader)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jelt::test

BENCHMARK_MAIN();
