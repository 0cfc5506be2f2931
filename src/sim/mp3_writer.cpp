#include "sim/mp3_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace jelt::sim {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kSamplesPerFrame = 1152;
// The header frame's bitrate: large enough to hold the header at any file's bitrate.
constexpr int kHeaderKbps = 128;
// The VBR variant walks through these; each is a valid MPEG-1 Layer III bitrate.
constexpr std::array kVbrKbps{128, 192, 96, 256, 160, 320, 112, 224};
// Stereo MPEG-1 side information; all zero, it decodes to silence.
constexpr std::size_t kSideInfoBytes = 32;
constexpr std::size_t kTocEntries = 100;

int BitrateIndex(int kbps) {
  constexpr std::array kTable{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
  const auto found = std::find(kTable.begin() + 1, kTable.end(), kbps);
  if (found == kTable.end()) throw std::invalid_argument("not an MPEG-1 Layer III bitrate");
  return static_cast<int>(found - kTable.begin());
}

struct Frame {
  int kbps;
  bool padded;
  std::size_t Bytes() const {
    return static_cast<std::size_t>(144'000 * kbps / kSampleRate) + (padded ? 1 : 0);
  }
};

// The audio frames, padded the way encoders do so that the average bitrate comes out exact.
std::vector<Frame> AudioFrames(const Mp3Spec& spec) {
  std::vector<Frame> frames;
  frames.reserve(Mp3FrameCount(spec) + 1);
  int remainder = 0;
  const std::size_t count = Mp3FrameCount(spec) + (spec.truncate_last_frame ? 1 : 0);
  for (std::size_t i = 0; i < count; ++i) {
    const int kbps = spec.vbr ? kVbrKbps[i % kVbrKbps.size()] : spec.kbps;
    remainder += 144'000 * kbps % kSampleRate;
    const bool padded = remainder >= kSampleRate;
    if (padded) remainder -= kSampleRate;
    frames.push_back({kbps, padded});
  }
  return frames;
}

void AppendHeader(std::string& out, const Frame& frame) {
  // Sync, MPEG-1, Layer III, no CRC; 44.1 kHz; stereo, original.
  out.push_back(static_cast<char>(0xFF));
  out.push_back(static_cast<char>(0xFB));
  out.push_back(static_cast<char>(BitrateIndex(frame.kbps) << 4 | (frame.padded ? 0x02 : 0)));
  out.push_back(static_cast<char>(0x04));
}

void AppendBigEndian32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>(value >> shift));
}

void AppendId3v2(std::string& out, std::size_t total_bytes) {
  const std::size_t body = std::max<std::size_t>(total_bytes, 10) - 10;
  out += "ID3";
  out.push_back(4);  // version 2.4.0
  out.push_back(0);
  out.push_back(0);  // no flags
  // The size is stored in four 7-bit groups so that it never looks like a frame sync.
  for (int shift = 21; shift >= 0; shift -= 7)
    out.push_back(static_cast<char>(body >> shift & 0x7F));
  out.append(body, '\0');
}

// The header frame: frame count, byte count and a table of contents that maps each
// percent of the playing time to a fraction of the bytes.
void AppendXingFrame(std::string& out, const Mp3Spec& spec, const std::vector<Frame>& audio) {
  const Frame frame{kHeaderKbps, false};
  std::vector<std::size_t> offsets;  // of each audio frame from the start of the header frame
  offsets.reserve(audio.size() + 1);
  std::size_t offset = frame.Bytes();
  for (const Frame& f : audio) {
    offsets.push_back(offset);
    offset += f.Bytes();
  }
  const std::size_t stream_bytes = offset;
  const std::size_t audible = Mp3FrameCount(spec);

  const std::size_t start = out.size();
  AppendHeader(out, frame);
  out.append(kSideInfoBytes, '\0');
  out += spec.vbr ? "Xing" : "Info";
  AppendBigEndian32(out, 0x1 | 0x2 | 0x4);  // frames, bytes, table of contents
  AppendBigEndian32(out, static_cast<std::uint32_t>(audible));
  AppendBigEndian32(out, static_cast<std::uint32_t>(stream_bytes));
  for (std::size_t i = 0; i < kTocEntries; ++i) {
    const std::size_t at = offsets[std::min(audible - 1, i * audible / kTocEntries)];
    out.push_back(static_cast<char>(std::min<std::size_t>(255, at * 256 / stream_bytes)));
  }
  out.append(frame.Bytes() - (out.size() - start), '\0');
}

void AppendId3v1(std::string& out) {
  std::string tag(128, '\0');
  tag.replace(0, 3, "TAG");
  tag.replace(3, 7, "Silence");
  tag[127] = static_cast<char>(255);  // no genre
  out += tag;
}

}  // namespace

std::size_t Mp3FrameCount(const Mp3Spec& spec) {
  const double frames = spec.seconds * kSampleRate / kSamplesPerFrame;
  return std::max<std::size_t>(1, static_cast<std::size_t>(std::llround(frames)));
}

double Mp3Seconds(const Mp3Spec& spec) {
  return static_cast<double>(Mp3FrameCount(spec) * kSamplesPerFrame) / kSampleRate;
}

std::string Mp3Bytes(const Mp3Spec& spec) {
  const std::vector<Frame> audio = AudioFrames(spec);
  std::size_t total = spec.id3v2_bytes + 1024 + 128;
  for (const Frame& frame : audio)
    total += frame.Bytes();
  std::string out;
  out.reserve(total);

  if (spec.id3v2_bytes > 0) AppendId3v2(out, spec.id3v2_bytes);
  if (spec.xing) AppendXingFrame(out, spec, audio);
  for (const Frame& frame : audio) {
    AppendHeader(out, frame);
    out.append(frame.Bytes() - 4, '\0');
  }
  if (spec.truncate_last_frame) out.resize(out.size() - audio.back().Bytes() / 2);
  if (spec.id3v1) AppendId3v1(out);
  return out;
}

void WriteMp3(const std::string& path, const Mp3Spec& spec) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
  const std::string bytes = Mp3Bytes(spec);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                             &std::fclose);
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
      std::fflush(file.get()) != 0) {
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace jelt::sim
