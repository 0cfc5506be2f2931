#include "posix/mpeg_length.h"

#include "posix/mpeg_file.h"

namespace jelt::posix {

double MpegDurationSeconds(const std::string& path) {
  const std::unique_ptr<MpegFile> file = MpegFile::Open(path);
  return file ? file->DurationSeconds() : 0.0;
}

}  // namespace jelt::posix
