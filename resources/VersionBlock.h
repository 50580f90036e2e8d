// The program's version block: its version texts, compiled into the
// executable as one tagged run of bytes, so that they can be read back out of
// the file itself (app/FileVersion.h does that).
//
// Layout, numbers little-endian:
//   16 bytes  tag (the first 16 bytes of VersionBlock())
//   u32       number of entries
//   entries   u16 name length, name (UTF-8), u16 value length, value
//
// Names are sub-block paths: "\VarFileInfo\Translation" holds the
// translations, 4 bytes each (u16 language, u16 code page);
// "\StringFileInfo\<language><code page as 8 lower-case hex digits>\<key>"
// holds one text.
#pragma once

#include <cstddef>
#include <span>

namespace kt::res {

inline constexpr std::size_t kVersionBlockTagSize = 16;

// The block of this program: translation 0x0409/0x04B0, "FileVersion"
// "1.0.10.0".
std::span<const unsigned char> VersionBlock();

}  // namespace kt::res
