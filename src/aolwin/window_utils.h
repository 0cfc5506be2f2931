// Small operations that the program's own windows share: placing a window, keeping it on
// top, dragging it, playing a wave file.
#pragma once

#include <string>

#include "platform/form.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/ui_host.h"

namespace jelt::aolwin {

// The window's middle at the middle of the screen's width and at 42.5 % of its height, a
// little above the centre.
void CentreForm(platform::UiHost& ui, platform::Form& form);
// The window stays above other windows.
void KeepOnTop(platform::UiHost& ui, platform::Form& form);
// Plays the wave file when a file is there; nothing otherwise.
void PlaySoundFile(platform::Sound& sound, const std::string& path);

// A whole number from 1 to n: the whole part of n times the next fraction, plus one.
int RandomNumber(platform::Random& random, int n);

// Overwrites a file and deletes it, so that its contents do not survive: every 4096-byte
// block, and one more, is written with "X" and then with spaces. A path that names no
// ordinary file is left alone. Returns whether the file was wiped and deleted.
bool WipeFile(const std::string& path);

}  // namespace jelt::aolwin
