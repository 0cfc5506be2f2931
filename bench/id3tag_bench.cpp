// Reading the ID3v1 fields of many small tagged files: this program's getters, each of
// which reads the file's tag again (five reads per file), against TagLib reading the tag
// once per file. The run ends with the ratios of the two; the target is at most 1.0.
#include <benchmark/benchmark.h>

#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tstring.h>
#include "times_reporter.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "id3tag/id3_tags.h"
#include "support/temp_dir.h"

namespace {

constexpr int kFileCount = 10'000;

std::string Padded(const std::string& text, std::size_t width) {
  std::string padded = text;
  padded.resize(width, ' ');
  return padded;
}

// Two to five MPEG-1 Layer III frames of zeros, so that the files differ in length, then a
// tag whose fields differ from file to file.
std::string TaggedMp3(int number) {
  std::string frame(417, '\0');
  frame.replace(0, 4, "\xFF\xFB\x90\x00", 4);
  std::string audio;
  for (int i = 0; i < 2 + number % 4; ++i)
    audio += frame;
  const std::string n = std::to_string(number);
  return audio + "TAG" + Padded("Title " + n, 30) + Padded("Artist " + n, 30) +
         Padded("Album " + n, 30) + Padded(std::to_string(1900 + number % 100), 4) +
         Padded("Comment " + n, 30) + '\x11';
}

class TaggedFiles {
 public:
  TaggedFiles() {
    paths_.reserve(kFileCount);
    for (int i = 0; i < kFileCount; ++i) {
      paths_.push_back(dir_.Write("song" + std::to_string(i) + ".mp3", TaggedMp3(i)));
    }
  }
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  jelt::test::TempDir dir_;
  std::vector<std::string> paths_;
};

const TaggedFiles& Files() {
  static const TaggedFiles files;
  return files;
}

void Id3TagsFiveFields(benchmark::State& state) {
  const std::vector<std::string>& paths = Files().Paths();
  jelt::id3tag::Id3Tags tags;
  for (auto _ : state) {
    for (const std::string& path : paths) {
      benchmark::DoNotOptimize(tags.TagArtist(path));
      benchmark::DoNotOptimize(tags.TagAlbum(path));
      benchmark::DoNotOptimize(tags.TagYear(path));
      benchmark::DoNotOptimize(tags.TagTitle(path));
      benchmark::DoNotOptimize(tags.TagComment(path));
    }
  }
  state.SetItemsProcessed(state.iterations() * kFileCount);
}

// TagLib at its cheapest for this: no audio properties, and the fields turned into UTF-8
// text as this program's getters return them.
void TagLibId3v1Tag(benchmark::State& state) {
  const std::vector<std::string>& paths = Files().Paths();
  for (auto _ : state) {
    for (const std::string& path : paths) {
      TagLib::MPEG::File file(path.c_str(), false);
      const TagLib::ID3v1::Tag* tag = file.ID3v1Tag();
      benchmark::DoNotOptimize(tag->artist().to8Bit(true));
      benchmark::DoNotOptimize(tag->album().to8Bit(true));
      benchmark::DoNotOptimize(tag->year());
      benchmark::DoNotOptimize(tag->title().to8Bit(true));
      benchmark::DoNotOptimize(tag->comment().to8Bit(true));
    }
  }
  state.SetItemsProcessed(state.iterations() * kFileCount);
}

BENCHMARK(Id3TagsFiveFields)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TagLibId3v1Tag)->Unit(benchmark::kMillisecond)->UseRealTime();

void PrintRatios(const jelt::bench::TimesReporter& reporter) {
  const auto ours = reporter.Times("Id3TagsFiveFields");
  const auto theirs = reporter.Times("TagLibId3v1Tag");
  if (!ours || !theirs) return;
  const double real_ratio = ours->real / theirs->real;
  const double cpu_ratio = ours->cpu / theirs->cpu;
  std::printf("\n%d files, ours against TagLib (target: at most 1.0)\n", kFileCount);
  std::printf("  CPU:  %.1f ms against %.1f ms, ratio %.3f: %s\n", ours->cpu, theirs->cpu,
              cpu_ratio, cpu_ratio <= 1.0 ? "met" : "MISSED");
  std::printf("  real: %.1f ms against %.1f ms, ratio %.3f\n", ours->real, theirs->real,
              real_ratio);
}

}  // namespace

int main(int argc, char** argv) {
  return jelt::bench::RunBenchmarks(argc, argv, PrintRatios);
}
