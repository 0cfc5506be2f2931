// MP3 files made for the simulated world and the tests, so that nothing depends on files
// from outside: silent MPEG-1 Layer III frames at 44.1 kHz stereo (1152 samples each), CBR
// (128 kbit/s unless told) or VBR mixing bitrates, optionally with a Xing (VBR) or Info (CBR)
// header frame, an ID3v2 tag in front, an ID3v1 tag at the end and a last frame cut short.
#pragma once

#include <cstddef>
#include <string>

namespace jelt::sim {

struct Mp3Spec {
  // Audible length; rounded to whole frames (26.1 ms each), at least one frame.
  double seconds = 1.0;
  // Bitrates vary from frame to frame instead of being constant.
  bool vbr = false;
  // The constant bitrate: an MPEG-1 Layer III one (32, 40, 48, 56, 64, 80, 96, 112, 128,
  // 160, 192, 224, 256 or 320). A low one keeps large directories of files small.
  int kbps = 128;
  // A header frame in front of the audio telling the frame count, the byte count and a
  // seek table: "Xing" for VBR, "Info" for CBR. It plays no samples.
  bool xing = false;
  // Total size of an ID3v2.4 tag (header and padding) in front; 0 for none, else >= 10.
  std::size_t id3v2_bytes = 0;
  // A 128-byte ID3v1 tag at the end.
  bool id3v1 = false;
  // One more frame after the audible ones, cut off half-way, as a broken download ends.
  // Decoders drop it, so it adds nothing to the length.
  bool truncate_last_frame = false;
};

// How many complete audio frames the file holds.
std::size_t Mp3FrameCount(const Mp3Spec& spec);
// The exact length that the file plays for: whole frames of 1152 samples at 44.1 kHz.
double Mp3Seconds(const Mp3Spec& spec);

std::string Mp3Bytes(const Mp3Spec& spec);
// Writes the file, making its directories as needed. Throws std::runtime_error when the
// file cannot be written.
void WriteMp3(const std::string& path, const Mp3Spec& spec);

}  // namespace jelt::sim
