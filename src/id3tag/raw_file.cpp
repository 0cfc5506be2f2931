#include "id3tag/raw_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace jelt::id3tag {

namespace {

// Without O_NONBLOCK, opening a named pipe would wait for the other end; for ordinary files
// it changes nothing.
int OpenRetrying(const std::string& path, int flags) {
  int descriptor = -1;
  do {
    descriptor = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

}  // namespace

RawFile::RawFile(RawFile&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

RawFile& RawFile::operator=(RawFile&& other) noexcept {
  if (this != &other) {
    Close();
    descriptor_ = std::exchange(other.descriptor_, -1);
  }
  return *this;
}

RawFile::~RawFile() {
  Close();
}

RawFile RawFile::OpenForReading(const std::string& path) {
  return RawFile(OpenRetrying(path, O_RDONLY));
}

RawFile RawFile::OpenForWriting(const std::string& path) {
  return RawFile(OpenRetrying(path, O_WRONLY));
}

bool RawFile::IsOrdinaryFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::optional<std::uint64_t> RawFile::OrdinaryFileLength() const {
  struct stat status {};
  if (!IsOpen() || ::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(status.st_size);
}

RawFile::End RawFile::ReadEnd(std::span<char> buffer,
                              std::optional<std::uint64_t> expected_length) const {
  if (expected_length && *expected_length >= buffer.size()) {
    char beyond = 0;
    iovec parts[] = {{buffer.data(), buffer.size()}, {&beyond, 1}};
    const ssize_t got =
        ::preadv(descriptor_, parts, 2, static_cast<off_t>(*expected_length - buffer.size()));
    if (got == static_cast<ssize_t>(buffer.size())) return {EndResult::kRead, *expected_length};
  }
  const std::optional<std::uint64_t> length = OrdinaryFileLength();
  if (!length) return {EndResult::kNotOrdinaryFile, 0};
  if (*length < buffer.size() || !ReadAt(*length - buffer.size(), buffer)) {
    return {EndResult::kFailed, *length};
  }
  return {EndResult::kRead, *length};
}

bool RawFile::ReadAt(std::uint64_t offset, std::span<char> buffer) const {
  std::size_t done = 0;
  while (done < buffer.size()) {
    const ssize_t got = ::pread(descriptor_, buffer.data() + done, buffer.size() - done,
                                static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<std::size_t>(got);
  }
  return true;
}

bool RawFile::WriteAt(std::uint64_t offset, std::span<const char> bytes) const {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::pwrite(descriptor_, bytes.data() + done, bytes.size() - done,
                                 static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool RawFile::Truncate(std::uint64_t length) const {
  return IsOpen() && ::ftruncate(descriptor_, static_cast<off_t>(length)) == 0;
}

bool RawFile::Close() {
  if (!IsOpen()) return false;
  // The descriptor is gone after close() whatever it reports, so it is never retried.
  return ::close(std::exchange(descriptor_, -1)) == 0;
}

}  // namespace jelt::id3tag
