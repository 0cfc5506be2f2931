#include "aolwin/people_list.h"

#include <cstring>

#include "platform/text.h"

namespace jelt::aolwin {

PeopleListReader::PeopleListReader(Client& client, Hwnd list) : client_(client), list_(list) {
  platform::Dword process_id = 0;
  client_.Windows().GetWindowThreadProcessId(list_, &process_id);
  process_ = client_.Windows().OpenProcess(
      platform::PROCESS_VM_READ | platform::STANDARD_RIGHTS_REQUIRED, true, process_id);
}

PeopleListReader::~PeopleListReader() {
  if (process_ != 0) client_.Windows().CloseHandle(process_);
}

int PeopleListReader::Count() {
  return static_cast<int>(client_.Windows().SendMessageA(list_, platform::LB_GETCOUNT, 0, 0));
}

std::string PeopleListReader::Name(int index) {
  platform::WindowSystem& windows = client_.Windows();
  const auto data = static_cast<std::uint32_t>(windows.SendMessageA(
      list_, platform::LB_GETITEMDATA, static_cast<platform::Wparam>(index), 0));
  std::uint8_t pointer[4];
  if (windows.ReadProcessMemory(process_, data + 24, pointer, sizeof pointer, nullptr)) {
    pointer_ =
        static_cast<std::uint32_t>(pointer[0]) | static_cast<std::uint32_t>(pointer[1]) << 8 |
        static_cast<std::uint32_t>(pointer[2]) << 16 | static_cast<std::uint32_t>(pointer[3]) << 24;
  }
  std::array<char, 16> name;
  if (windows.ReadProcessMemory(process_, pointer_ + 6, name.data(), name.size(), nullptr)) {
    name_ = name;
  }
  const void* nul = std::memchr(name_.data(), '\0', name_.size());
  const std::size_t length =
      nul == nullptr ? name_.size()
                     : static_cast<std::size_t>(static_cast<const char*>(nul) - name_.data());
  return platform::Cp1252ToUtf8(std::string_view(name_.data(), length));
}

std::string NormalizeScreenName(std::string_view name) {
  std::string normal;
  for (const char c : platform::LowerCase(name)) {
    if (c != ' ') normal.push_back(c);
  }
  return normal;
}

}  // namespace jelt::aolwin
