// What the program tells about the computer: the time since it started and its memory.
#pragma once

#include <string>

#include "aolwin/client.h"
#include "platform/system_info.h"

namespace jelt::aolwin {

// "last boot: <hours> hrs and <minutes> mins ago" with the accent and base colours between
// the parts, sent into the room with the fixed decoration; the text (without the opening)
// is returned as well.
std::string LastBootReply(platform::SystemInfo& system, Client& client);
// The same as plain text, "last boot: 2 hours & 5 mins ago"; sends nothing.
std::string LastBootText(platform::SystemInfo& system);

// Physical memory in megabytes, rounded to two decimals.
float TotalMemoryMb(platform::SystemInfo& system);
float FreeMemoryMb(platform::SystemInfo& system);
// The shortest decimal form of a single-precision number ("255.5", "256").
std::string SingleText(float value);

}  // namespace jelt::aolwin
