// Runs a fuzz target without a fuzzing engine: every file of its kept corpus, then a fixed
// number of mutations of them drawn from a fixed seed, so that a run is the same every
// time. Built with clang's -fsanitize=fuzzer the same targets run under libFuzzer instead.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

class Rng {
 public:
  std::uint64_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : Next() % n; }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> input, Rng& rng,
                                 const std::vector<std::vector<std::uint8_t>>& corpus) {
  const int steps = 1 + static_cast<int>(rng.Below(4));
  for (int i = 0; i < steps; ++i) {
    switch (rng.Below(5)) {
      case 0:  // flip a bit
        if (!input.empty()) input[rng.Below(input.size())] ^= 1u << rng.Below(8);
        break;
      case 1:  // insert a byte, often a meaningful one
        input.insert(input.begin() + static_cast<long>(rng.Below(input.size() + 1)),
                     static_cast<std::uint8_t>(rng.Below(2) ? rng.Next()
                                                            : "[]=*?#!;\r\n\"'"[rng.Below(13)]));
        break;
      case 2:  // delete a run
        if (!input.empty()) {
          const std::size_t at = rng.Below(input.size());
          const std::size_t n = 1 + rng.Below(std::min<std::size_t>(8, input.size() - at));
          input.erase(input.begin() + static_cast<long>(at),
                      input.begin() + static_cast<long>(at + n));
        }
        break;
      case 3: {  // splice in part of another input
        const auto& other = corpus[rng.Below(corpus.size())];
        if (other.empty()) break;
        const std::size_t from = rng.Below(other.size());
        const std::size_t n = 1 + rng.Below(other.size() - from);
        input.insert(input.begin() + static_cast<long>(rng.Below(input.size() + 1)),
                     other.begin() + static_cast<long>(from),
                     other.begin() + static_cast<long>(from + n));
        break;
      }
      default:  // duplicate a run
        if (!input.empty()) {
          const std::size_t at = rng.Below(input.size());
          const std::size_t n = 1 + rng.Below(input.size() - at);
          const std::vector<std::uint8_t> run(input.begin() + static_cast<long>(at),
                                              input.begin() + static_cast<long>(at + n));
          input.insert(input.begin() + static_cast<long>(at), run.begin(), run.end());
        }
        break;
    }
  }
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR [RUNS]\n", argv[0]);
    return 2;
  }
  const long runs = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 20000;
  std::vector<std::vector<std::uint8_t>> corpus;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    std::ifstream in(entry.path(), std::ios::binary);
    corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (corpus.empty()) corpus.emplace_back();
  for (const auto& input : corpus)
    LLVMFuzzerTestOneInput(input.data(), input.size());
  Rng rng;
  for (long i = 0; i < runs; ++i) {
    const auto input = Mutate(corpus[rng.Below(corpus.size())], rng, corpus);
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("%zu corpus inputs and %ld mutations ran\n", corpus.size(), runs);
  return 0;
}
