// Version texts of a file, read from the version block compiled into it
// (resources/VersionBlock.h).
#pragma once

#include "WinTypes.h"

#include <QByteArray>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace kt {

// The entries of a version block: sub-block path and value bytes, in order.
using VersionEntries = std::vector<std::pair<QByteArray, QByteArray>>;

// The first whole version block in bytes; nothing when there is none.
std::optional<VersionEntries> ParseVersionBlock(std::string_view bytes);
// The version block of a file; nothing when the file cannot be read or holds
// none.
std::optional<VersionEntries> ReadVersionBlock(const QString& path);
// The value of one sub-block path; nothing when the block lacks it.
std::optional<QByteArray> QueryVersionValue(const VersionEntries& block, std::string_view subBlock);

}  // namespace kt

// The full path of the running program's file.
CString GetModuleFileName();

// One string value of a file's version block: the key under the block's first
// translation. Empty when the file has no block, no translation or no such key.
CString GetFileVersionString(const CString& path, const CString& key);
// GetFileVersionString(path, "FileVersion").
CString GetFileVersion(const CString& path);
