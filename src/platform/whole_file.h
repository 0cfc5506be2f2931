// Reading a small file as one piece, and replacing it as one piece.
//
// A replacement never leaves a damaged file behind: the new contents go to a file beside the
// old one, reach the disk, and only then take the old one's name by rename. Whatever stops
// the write on the way (a full disk, an error, the process dying) leaves the old file as it
// was, so a reader only ever sees the old contents or the new ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jelt::platform {

// The whole file, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Puts bytes into an open file descriptor; true when all of them got there. This is the seam
// through which a test stands in a write that stops part-way.
using WriteBytesFn = bool (*)(int fd, std::string_view bytes);

// Writes every byte, resuming after short writes and interrupted calls.
bool WriteAllBytes(int fd, std::string_view bytes);

// Gives the file at `path` the new contents, creating it when it does not exist. The directory
// must exist. An existing file keeps its permissions; a symbolic link keeps pointing at the
// file it names, which is the one replaced. Returns false, with the old file untouched and no
// new file left behind, when any step fails.
bool ReplaceWholeFile(const std::string& path, std::string_view contents,
                      WriteBytesFn write_bytes = WriteAllBytes);

}  // namespace jelt::platform
