// The pattern matcher against glibc's fnmatch (flags 0) on the 73 patterns of the command
// table and a corpus of chat lines, lowered as the dispatcher lowers them. Both sides test
// every line against every pattern in the same loop and hand every result to
// DoNotOptimize; only the call differs. The run ends with the time per line of each and
// their ratio; the target is at most 1.0.
//
// The patterns hold only letters, digits, spaces, commas, "*" and "?", on which the two
// agree but for "?": fnmatch in the "C" locale (this program never sets another) takes one
// byte for it, the matcher one UTF-8 character, so a few non-ASCII lines differ in result.
// That does not change the work either side does.
#include <benchmark/benchmark.h>

#include <fnmatch.h>
#include "times_reporter.h"

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "chat/interpreter.h"
#include "platform/like.h"
#include "platform/text.h"

namespace {

// What the room says: the member's commands, other people's talk, long lines and lines
// beyond ASCII (the client speaks Windows-1252, so Latin-1 letters and the decorations).
constexpr std::string_view kChatLines[] = {
    "next",
    "p 3",
    "P 12",
    "time?",
    "user JoeBloggs",
    "vol 50",
    "r",
    "dir C:\\My Music",
    "im Sally,are you there?",
    "ascii ‹·›",
    "pos?",
    "cmds",
    "lol",
    "brb",
    "hey everyone",
    "anyone got the new one by that band?",
    "wb Joe",
    "who is playing this? sounds great",
    "Sally: no way, that was last week",
    "!!!!!",
    "?",
    "x",
    "* waves *",
    "p",
    "hahahaha that is so true, I was there when it happened and nobody believed me at all",
    "does anybody know how to get the sound working again after the last update of the "
    "client? mine just stays silent no matter what I do, and I have tried everything, "
    "reinstalling, rebooting, all of it, twice",
    "<font color=#ff0000>RED TEXT</font> <b>bold</b> <i>and italic</i> and a link "
    "<a href=\"http://example.com/a/very/long/path/to/somewhere\">here</a>",
    "café au lait à côté, s'il vous plaît",
    "naïve résumé of the über-cool façade",
    "jelt mp³·² ‹·› now playing: Björk - Jóga ‹·›",
    "¿qué pasa? ¡nada!",
    "Ünïcödé everywhere ÄÖÜ äöü ß",
    "time¿",
    "pos·",
};

struct Corpus {
  Corpus() {
    for (const jelt::chat::Command& command : jelt::chat::Interpreter::CommandTable()) {
      patterns.emplace_back(command.pattern);
    }
    for (std::string_view line : kChatLines) {
      lines.push_back(jelt::platform::LowerCase(line));
    }
  }
  std::vector<std::string> patterns;
  std::vector<std::string> lines;
};

const Corpus& Inputs() {
  static const Corpus corpus;
  return corpus;
}

template <typename Matcher>
void EveryLineAgainstEveryPattern(benchmark::State& state, Matcher matches) {
  const Corpus& corpus = Inputs();
  for (auto _ : state) {
    for (const std::string& line : corpus.lines) {
      for (const std::string& pattern : corpus.patterns) {
        benchmark::DoNotOptimize(matches(pattern, line));
      }
    }
  }
  const auto lines = static_cast<double>(corpus.lines.size());
  state.SetItemsProcessed(state.iterations() * static_cast<long>(corpus.lines.size()));
  state.counters["per_line"] = benchmark::Counter(
      lines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Like(benchmark::State& state) {
  EveryLineAgainstEveryPattern(state, [](const std::string& pattern, const std::string& line) {
    return jelt::platform::Like(line, pattern);
  });
}

void Fnmatch(benchmark::State& state) {
  EveryLineAgainstEveryPattern(state, [](const std::string& pattern, const std::string& line) {
    return fnmatch(pattern.c_str(), line.c_str(), 0) == 0;
  });
}

BENCHMARK(Like)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Fnmatch)->Unit(benchmark::kMicrosecond)->UseRealTime();

void PrintRatio(const jelt::bench::TimesReporter& reporter) {
  const auto ours = reporter.Times("Like");
  const auto theirs = reporter.Times("Fnmatch");
  if (!ours || !theirs) return;
  const double ns_per_us_line = 1000.0 / static_cast<double>(Inputs().lines.size());
  const double cpu_ratio = ours->cpu / theirs->cpu;
  const double real_ratio = ours->real / theirs->real;
  std::printf("\n%zu patterns, %zu lines, ours against fnmatch (target: at most 1.0)\n",
              Inputs().patterns.size(), Inputs().lines.size());
  std::printf("  CPU:  %.0f ns a line against %.0f ns, ratio %.3f: %s\n",
              ours->cpu * ns_per_us_line, theirs->cpu * ns_per_us_line, cpu_ratio,
              cpu_ratio <= 1.0 ? "met" : "MISSED");
  std::printf("  real: %.0f ns a line against %.0f ns, ratio %.3f\n", ours->real * ns_per_us_line,
              theirs->real * ns_per_us_line, real_ratio);
}

}  // namespace

int main(int argc, char** argv) {
  return jelt::bench::RunBenchmarks(argc, argv, PrintRatio);
}
