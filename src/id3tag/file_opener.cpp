#include "id3tag/file_opener.h"

namespace jelt::id3tag {

RawFile DiskFileOpener::OpenForReading(const std::string& path) const {
  return RawFile::OpenForReading(path);
}

RawFile DiskFileOpener::OpenForWriting(const std::string& path) const {
  return RawFile::OpenForWriting(path);
}

const FileOpener& Disk() {
  static const DiskFileOpener disk;
  return disk;
}

}  // namespace jelt::id3tag
