#include "FileVersion.h"

#include "VersionBlock.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <functional>

namespace kt {
namespace {

// A bounded little-endian reader over the bytes after a tag.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
  bool Take(std::size_t n, std::string_view& out) {
    if (n > m_bytes.size() - m_at) return false;
    out = m_bytes.substr(m_at, n);
    m_at += n;
    return true;
  }
  bool U16(std::uint32_t& v) {
    std::string_view b;
    if (!Take(2, b)) return false;
    v = static_cast<unsigned char>(b[0]) | (static_cast<std::uint32_t>(static_cast<unsigned char>(b[1])) << 8);
    return true;
  }
  bool U32(std::uint32_t& v) {
    std::uint32_t lo = 0, hi = 0;
    if (!U16(lo) || !U16(hi)) return false;
    v = lo | (hi << 16);
    return true;
  }

 private:
  std::string_view m_bytes;
  std::size_t m_at = 0;
};

// More entries than any block of ours has: a run of bytes claiming more is
// not a block.
constexpr std::uint32_t kMaxEntries = 256;

std::optional<VersionEntries> ParseAt(std::string_view bytes) {
  Reader r(bytes);
  std::uint32_t count = 0;
  if (!r.U32(count) || count == 0 || count > kMaxEntries) return std::nullopt;
  VersionEntries entries;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t nameLen = 0, valueLen = 0;
    std::string_view name, value;
    if (!r.U16(nameLen) || nameLen == 0 || !r.Take(nameLen, name) || !r.U16(valueLen) || !r.Take(valueLen, value)) {
      return std::nullopt;
    }
    entries.emplace_back(QByteArray(name.data(), static_cast<qsizetype>(name.size())),
                         QByteArray(value.data(), static_cast<qsizetype>(value.size())));
  }
  return entries;
}

}  // namespace

std::optional<VersionEntries> ParseVersionBlock(std::string_view bytes) {
  const std::span<const unsigned char> own = res::VersionBlock();
  const std::string_view tag(reinterpret_cast<const char*>(own.data()), res::kVersionBlockTagSize);
  const std::boyer_moore_horspool_searcher searcher(tag.begin(), tag.end());
  auto it = bytes.begin();
  while (true) {
    it = std::search(it, bytes.end(), searcher);
    if (it == bytes.end()) return std::nullopt;
    const std::size_t at = static_cast<std::size_t>(it - bytes.begin()) + tag.size();
    if (auto entries = ParseAt(bytes.substr(at))) return entries;
    ++it;
  }
}

std::optional<VersionEntries> ReadVersionBlock(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const qint64 size = file.size();
  if (size <= 0) return std::nullopt;
  const uchar* data = file.map(0, size);
  if (!data) return std::nullopt;
  auto entries =
      ParseVersionBlock(std::string_view(reinterpret_cast<const char*>(data), static_cast<std::size_t>(size)));
  file.unmap(const_cast<uchar*>(data));
  return entries;
}

std::optional<QByteArray> QueryVersionValue(const VersionEntries& block, std::string_view subBlock) {
  for (const auto& [name, value] : block) {
    if (std::string_view(name.constData(), static_cast<std::size_t>(name.size())) == subBlock) return value;
  }
  return std::nullopt;
}

}  // namespace kt

CString GetFileVersionString(const CString& path, const CString& key) {
  CString result;
  const auto block = kt::ReadVersionBlock(path);
  if (!block) return result;
  const auto translation = kt::QueryVersionValue(*block, "\\VarFileInfo\\Translation");
  if (!translation || translation->size() < 4) return result;
  // The first translation: language word in the high half, code page in the
  // low half.
  const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(translation->at(i))); };
  const std::uint32_t language = byte(0) | (byte(1) << 8);
  const std::uint32_t codePage = byte(2) | (byte(3) << 8);
  const QByteArray subBlock =
      QStringLiteral("\\StringFileInfo\\%1\\").arg((language << 16) | codePage, 8, 16, QLatin1Char('0')).toUtf8() +
      key.toUtf8();
  if (const auto value = kt::QueryVersionValue(*block, std::string_view(subBlock.constData(), subBlock.size()))) {
    // A text ends at its first zero byte, if it has one.
    const qsizetype end = value->indexOf('\0');
    result = QString::fromUtf8(end < 0 ? *value : value->left(end));
  }
  return result;
}

CString GetModuleFileName() { return QFile::symLinkTarget(QStringLiteral("/proc/self/exe")); }

CString GetFileVersion(const CString& path) { return GetFileVersionString(path, QStringLiteral("FileVersion")); }
