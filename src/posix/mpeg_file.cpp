#include "posix/mpeg_file.h"

#include <fcntl.h>
#include <mpg123.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace jelt::posix {

// Reads the file through a buffer of its own. libmpg123's plain file reading asks the
// kernel for every frame header and body separately, which makes measuring a five-minute
// file by walking all its frames take tens of milliseconds; through this buffer it takes
// well under one.
class MpegFile::Reader {
 public:
  explicit Reader(int fd) : fd_(fd), buffer_(kBufferBytes) {}
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;
  ~Reader() { ::close(fd_); }

  static mpg123_ssize_t ReadThunk(void* self, void* out, size_t bytes) {
    return static_cast<Reader*>(self)->Read(static_cast<unsigned char*>(out), bytes);
  }
  static off_t SeekThunk(void* self, off_t offset, int whence) {
    return static_cast<Reader*>(self)->Seek(offset, whence);
  }

 private:
  static constexpr std::size_t kBufferBytes = 64 * 1024;

  mpg123_ssize_t Read(unsigned char* out, std::size_t bytes) {
    std::size_t done = 0;
    while (done < bytes) {
      if (pos_ == fill_ && !Refill()) break;
      const std::size_t take = std::min(bytes - done, fill_ - pos_);
      std::memcpy(out + done, buffer_.data() + pos_, take);
      pos_ += take;
      done += take;
    }
    return failed_ && done == 0 ? -1 : static_cast<mpg123_ssize_t>(done);
  }

  bool Refill() {
    buffer_start_ += static_cast<off_t>(fill_);
    pos_ = fill_ = 0;
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    failed_ = got < 0;
    if (got <= 0) return false;
    fill_ = static_cast<std::size_t>(got);
    return true;
  }

  off_t Seek(off_t offset, int whence) {
    off_t target = offset;
    if (whence == SEEK_CUR) target += buffer_start_ + static_cast<off_t>(pos_);
    if (whence == SEEK_END) {
      struct stat info {};
      if (::fstat(fd_, &info) != 0) return -1;
      target += info.st_size;
    }
    if (target < 0) return -1;
    // Seeks that stay inside the buffer (mpg123 peeks ahead and comes back) cost nothing.
    if (target >= buffer_start_ && target <= buffer_start_ + static_cast<off_t>(fill_)) {
      pos_ = static_cast<std::size_t>(target - buffer_start_);
      return target;
    }
    if (::lseek(fd_, target, SEEK_SET) < 0) return -1;
    buffer_start_ = target;
    pos_ = fill_ = 0;
    return target;
  }

  const int fd_;
  std::vector<unsigned char> buffer_;
  off_t buffer_start_ = 0;  // file offset of buffer_[0]
  std::size_t fill_ = 0;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

void MpegFile::HandleDeleter::operator()(mpg123_handle_struct* handle) const {
  mpg123_delete(handle);
}

MpegFile::MpegFile(std::unique_ptr<Reader> reader,
                   std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle)
    : reader_(std::move(reader)), handle_(std::move(handle)) {}

MpegFile::~MpegFile() = default;

std::unique_ptr<MpegFile> MpegFile::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  auto reader = std::make_unique<Reader>(fd);
  int error = MPG123_OK;
  std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle(mpg123_new(nullptr, &error));
  if (!handle) return nullptr;
  std::unique_ptr<MpegFile> file(new MpegFile(std::move(reader), std::move(handle)));
  if (!file->Prepare()) return nullptr;
  return file;
}

// Sets the decoder up as mpg123_open_fixed does for a named file, over our own reader:
// one output format for the whole file (so a stream stitched from different files cannot
// change it mid-way), then a walk over every frame. The walk is what makes the length
// exact: it agrees with a Xing or Info header where one is present and correct, and it is
// right where the header is missing or wrong, so the length is always what the decoder
// will play.
bool MpegFile::Prepare() {
  mpg123_handle* const mh = handle_.get();
  const bool configured =
      mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_NO_FRANKENSTEIN, 0) == MPG123_OK &&
      mpg123_format_none(mh) == MPG123_OK &&
      mpg123_format2(mh, 0, MPG123_STEREO, MPG123_ENC_SIGNED_16) == MPG123_OK &&
      mpg123_replace_reader_handle(mh, &Reader::ReadThunk, &Reader::SeekThunk, nullptr) ==
          MPG123_OK;
  if (!configured || mpg123_open_handle(mh, reader_.get()) != MPG123_OK) return false;
  int channels = 0;
  int encoding = 0;
  if (mpg123_getformat(mh, &rate_, &channels, &encoding) != MPG123_OK || rate_ <= 0) return false;
  if (mpg123_format_none(mh) != MPG123_OK ||
      mpg123_format(mh, rate_, MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK ||
      mpg123_scan(mh) != MPG123_OK) {
    return false;
  }
  length_samples_ = mpg123_length(mh);
  return length_samples_ > 0;
}

std::span<unsigned char> MpegFile::DecodeFrame() {
  for (;;) {
    off_t frame_number = 0;
    unsigned char* audio = nullptr;
    std::size_t bytes = 0;
    const int result = mpg123_decode_frame(handle_.get(), &frame_number, &audio, &bytes);
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) return {};
    if (bytes > 0) return {audio, bytes};
  }
}

bool MpegFile::SeekSample(std::int64_t sample) {
  return mpg123_seek(handle_.get(), static_cast<off_t>(sample), SEEK_SET) >= 0;
}

void MpegFile::SetGain(double gain) {
  mpg123_volume(handle_.get(), gain);
}

}  // namespace jelt::posix
