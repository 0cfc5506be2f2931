#include "posix/mpeg_length.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/mp3_writer.h"
#include "support/temp_dir.h"

namespace jelt::test {
namespace {

constexpr double kSampleRate = 44100;
// With a header frame libmpg123 knows where the stream begins and leaves out the samples
// that the Layer III decoder itself puts in front.
constexpr double kDecoderDelay_s = 529 / kSampleRate;

TEST(MpegDurationSeconds, MeasuresWhatTheDecoderPlays) {
  struct Case {
    std::string name;
    Mp3Spec spec;
    double less_s = 0;  // taken off the length of the audio frames
  };
  const std::vector<Case> cases = {
      {"cbr", {.seconds = 4}},
      {"cbr at 32 kbit/s", {.seconds = 4, .kbps = 32}},
      {"cbr with Info header", {.seconds = 4, .xing = true}, kDecoderDelay_s},
      {"vbr with Xing header", {.seconds = 4, .vbr = true, .xing = true}, kDecoderDelay_s},
      {"vbr without header", {.seconds = 4, .vbr = true}},
      {"id3v2 in front", {.seconds = 3, .id3v2_bytes = 70'000}},
      {"id3v1 at the end", {.seconds = 3, .id3v1 = true}},
      {"last frame cut short", {.seconds = 3, .truncate_last_frame = true}},
      {"vbr, cut short, with both tags",
       {.seconds = 3, .vbr = true, .id3v2_bytes = 512, .id3v1 = true, .truncate_last_frame = true}},
      {"five minutes", {.seconds = 300, .vbr = true}},
  };
  const TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir / (c.name + ".mp3");
    WriteMp3(path, c.spec);
    EXPECT_NEAR(posix::MpegDurationSeconds(path), Mp3Seconds(c.spec) - c.less_s, 1e-9) << c.name;
  }
}

TEST(MpegDurationSeconds, IsZeroForWhatIsNotMpegAudio) {
  const TempDir dir;
  const std::vector<std::string> paths = {
      dir.Write("notes.mp3", "This is not a song, only a few words.\n"),
      dir.Write("empty.mp3", ""),
      dir.Write("only tags.mp3", Mp3Bytes({.seconds = 1, .id3v2_bytes = 200}).substr(0, 200)),
      dir / "missing.mp3",
      dir.Path().string(),
  };
  for (const std::string& path : paths)
    EXPECT_EQ(posix::MpegDurationSeconds(path), 0) << path;
}

}  // namespace
}  // namespace jelt::test
