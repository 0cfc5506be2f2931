// The ID3v1 record as it lies in the last 128 bytes of a file: "TAG", title, artist,
// album (30 bytes each), year (4), comment (30) and one genre byte. Text is Windows-1252,
// one byte per character.
#pragma once

#include <array>
#include <cstddef>

#include "id3tag/tag_record.h"

namespace jelt::id3tag {

inline constexpr std::size_t kTagSize = 128;
// Everything but the genre byte, which this program leaves as it finds it.
inline constexpr std::size_t kTagImageSize = kTagSize - 1;
// Written only when a record is appended to a file that had none: "unknown".
inline constexpr unsigned char kUnknownGenre = 255;

using TagBytes = std::array<char, kTagSize>;
using TagImage = std::array<char, kTagImageSize>;

// Whether the bytes begin with the marker, "TAG" in upper case exactly.
bool HasTagMarker(const TagBytes& bytes);

// Puts the fields of a record that carries the marker, each without its trailing spaces,
// into `record`, whose storage is reused: this runs on every read of a tag.
void DecodeTag(const TagBytes& bytes, TagRecord& record);

// The marker and the five fields, each cut or padded with spaces to its width. Characters
// that Windows-1252 cannot hold become "?".
TagImage EncodeTag(const TagRecord& record);

}  // namespace jelt::id3tag
