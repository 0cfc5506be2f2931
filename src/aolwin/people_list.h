// Reading the chat room's people list. The list box holds no text: each item's data is an
// address in the client's memory where, at +24, a 32-bit pointer P leads to the name at
// P + 6, ended by a NUL. The names are read out of the client's memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "aolwin/client.h"

namespace jelt::aolwin {

class PeopleListReader {
 public:
  // Opens the client's process for reading; see Opened().
  PeopleListReader(Client& client, Hwnd list);
  PeopleListReader(const PeopleListReader&) = delete;
  PeopleListReader& operator=(const PeopleListReader&) = delete;
  // The process handle is closed on every path.
  ~PeopleListReader();

  bool Opened() const { return process_ != 0; }
  int Count();
  // Item i's name: the 16 bytes at P + 6 up to the first NUL, all 16 when there is none.
  // A read that fails leaves what the buffers held from the item before, as the reads
  // share their buffers.
  std::string Name(int index);

 private:
  Client& client_;
  Hwnd list_;
  platform::Handle process_ = 0;
  std::uint32_t pointer_ = 0;
  std::array<char, 16> name_{};
};

// Screen names compare with letter case and spaces ignored, as the client compares them.
std::string NormalizeScreenName(std::string_view name);

}  // namespace jelt::aolwin
