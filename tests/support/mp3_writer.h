// The simulated world's MP3 files, under the names the tests use.
#pragma once

#include "sim/mp3_writer.h"

namespace jelt::test {

using sim::Mp3Bytes;
using sim::Mp3FrameCount;
using sim::Mp3Seconds;
using sim::Mp3Spec;
using sim::WriteMp3;

}  // namespace jelt::test
