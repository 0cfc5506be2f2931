// A file opened as raw bytes, closed when the object goes. Reads and writes are positioned,
// so a tag is reached without seeking and without a buffer of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace jelt::id3tag {

class RawFile {
 public:
  // Not open: every operation on it fails.
  RawFile() = default;
  RawFile(RawFile&& other) noexcept;
  RawFile& operator=(RawFile&& other) noexcept;
  RawFile(const RawFile&) = delete;
  RawFile& operator=(const RawFile&) = delete;
  ~RawFile();

  // Neither creates nor truncates the file.
  static RawFile OpenForReading(const std::string& path);
  static RawFile OpenForWriting(const std::string& path);

  // Whether an ordinary file (not a directory or a device) exists at the path, readable or
  // not.
  static bool IsOrdinaryFile(const std::string& path);

  bool IsOpen() const { return descriptor_ >= 0; }
  // The length of the open file when it is an ordinary file.
  std::optional<std::uint64_t> OrdinaryFileLength() const;

  enum class EndResult { kRead, kNotOrdinaryFile, kFailed };
  struct End {
    EndResult result;
    std::uint64_t length;  // of the file, when read
  };
  // Fills the buffer with the last bytes of an ordinary file; kFailed when the file is
  // shorter than the buffer or cannot be read. A length the caller expects is tried first,
  // in one read that asks for a byte more than the buffer holds: getting exactly the
  // buffer's worth proves that the file ends there, which saves asking for its length.
  End ReadEnd(std::span<char> buffer, std::optional<std::uint64_t> expected_length) const;
  // Fills the whole buffer from the offset, or fails.
  bool ReadAt(std::uint64_t offset, std::span<char> buffer) const;
  // Writes all the bytes at the offset, or fails.
  bool WriteAt(std::uint64_t offset, std::span<const char> bytes) const;
  bool Truncate(std::uint64_t length) const;
  // Closes the file and tells whether that succeeded: some file systems report a failed
  // write only here.
  bool Close();

 private:
  explicit RawFile(int descriptor) : descriptor_(descriptor) {}

  int descriptor_ = -1;
};

}  // namespace jelt::id3tag
