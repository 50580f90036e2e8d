#include "VersionBlock.h"

#include <array>
#include <string_view>

namespace kt::res {
namespace {

struct Entry {
  std::string_view name;
  std::string_view value;
};

using namespace std::string_view_literals;

// Language 0x0409 (English, United States), code page 0x04B0 (Unicode).
constexpr Entry kEntries[] = {
    {"\\VarFileInfo\\Translation"sv, "\x09\x04\xB0\x04"sv},
    {"\\StringFileInfo\\040904b0\\CompanyName"sv, "Orvalis"sv},
    {"\\StringFileInfo\\040904b0\\FileDescription"sv, "KT2057CFG"sv},
    {"\\StringFileInfo\\040904b0\\FileVersion"sv, "1.0.10.0"sv},
    {"\\StringFileInfo\\040904b0\\InternalName"sv, "KT2057CFG"sv},
    {"\\StringFileInfo\\040904b0\\OriginalFilename"sv, "kt2057cfg"sv},
    {"\\StringFileInfo\\040904b0\\ProductName"sv, "KT2057CFG"sv},
    {"\\StringFileInfo\\040904b0\\ProductVersion"sv, "1.0.10.0"sv},
};

// Marks the start of the block in the file. A reader skips any run of these
// bytes that is not followed by a whole block.
constexpr std::string_view kTag = "\x7FKT2057-VERSION\x01"sv;
static_assert(kTag.size() == kVersionBlockTagSize);

constexpr std::size_t BlockSize() {
  std::size_t n = kTag.size() + 4;
  for (const Entry& e : kEntries) n += 2 + e.name.size() + 2 + e.value.size();
  return n;
}

using Block = std::array<unsigned char, BlockSize()>;

constexpr Block MakeBlock() {
  Block b{};
  std::size_t at = 0;
  auto put = [&](std::string_view bytes) {
    for (char c : bytes) b[at++] = static_cast<unsigned char>(c);
  };
  auto put16 = [&](std::size_t v) {
    b[at++] = static_cast<unsigned char>(v & 0xFF);
    b[at++] = static_cast<unsigned char>((v >> 8) & 0xFF);
  };
  put(kTag);
  constexpr std::size_t count = std::size(kEntries);
  put16(count & 0xFFFF);
  put16(count >> 16);
  for (const Entry& e : kEntries) {
    put16(e.name.size());
    put(e.name);
    put16(e.value.size());
    put(e.value);
  }
  return b;
}

}  // namespace

// Kept in the executable even though only the file's bytes are ever read.
extern const Block g_versionBlock;
[[gnu::used]] const Block g_versionBlock = MakeBlock();

std::span<const unsigned char> VersionBlock() { return g_versionBlock; }

}  // namespace kt::res
