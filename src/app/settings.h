// Where the program keeps what must survive a restart: the settings file beside the
// program, and the count of starts in the per-user settings store.
//
// The settings file's sections and keys:
//   [Settings] ascii   the reply decoration ("" means the built-in one)
//   [Dir]      Dir1    the music directory
//   [Handle]   handle  the user's handle ("" makes start-up ask for it)
//   [played]   played  the count of songs started, as decimal text
#pragma once

#include <string>

#include "platform/process.h"
#include "platform/profile_store.h"

namespace jelt::app {

// The program's title, on its message boxes.
inline constexpr const char* kProgramTitle = "jelt mp³·²";

// Counts this start: returns the number of earlier starts ("0" on the very first, and
// also when the stored count is not a number) and stores one more.
std::string UpdateLoadCount(platform::ProfileStore& store);

}  // namespace jelt::app
