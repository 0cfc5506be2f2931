// Where the tag code gets its open files from. The program always uses the disk; a test
// puts an opener in front of it that refuses, to reach the failures that the permissions
// of a test machine cannot produce (its tests may run as a user who may write anything).
#pragma once

#include <string>

#include "id3tag/raw_file.h"

namespace jelt::id3tag {

class FileOpener {
 public:
  virtual ~FileOpener() = default;

  // A file that is not open when it cannot be opened.
  virtual RawFile OpenForReading(const std::string& path) const = 0;
  virtual RawFile OpenForWriting(const std::string& path) const = 0;
};

class DiskFileOpener final : public FileOpener {
 public:
  RawFile OpenForReading(const std::string& path) const override;
  RawFile OpenForWriting(const std::string& path) const override;
};

// The one disk opener; it holds no state, so sharing it is safe.
const FileOpener& Disk();

}  // namespace jelt::id3tag
