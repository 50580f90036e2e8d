#include "DlgDiskUse.h"

#include <locale.h>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kIdSpace = 1458;
constexpr int kIdSize = 1459;
constexpr int kTextLimit = 32;

// "%W.3f" (or "%W.0f"), "C" locale, right-aligned in W characters.
std::string FixedText(double value, int precision, int width) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("inf");
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

// The "C" locale, for reading numbers whatever the process's locale is.
locale_t CLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc ? loc : LC_GLOBAL_LOCALE;
}
}  // namespace

std::string FormatDiskSize(double v) {
  if (v < 1024.0) return FixedText(v, 0, 4) + " B";
  if (v < 1048576.0) return FixedText(v / 1024.0, 3, 7) + " KB";
  if (v < 1073741824.0) return FixedText(v / 1048576.0, 3, 7) + " MB";
  return FixedText(v / 1073741824.0, 3, 7) + " GB";
}

std::optional<double> ParseDiskSize(const char* text) {
  if (!text) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const double value = strtod_l(text, &end, CLocale());
  // strtod's rule: nothing may follow the number; an empty text reads as 0.
  if (*end != '\0') return std::nullopt;
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  return value;
}

CDlgDiskUse::CDlgDiskUse(CWnd* pParent) : CNormalDialog(IDD, pParent) {}

void CDlgDiskUse::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdSpace, m_editSpace);
  DDX_Control(pDX, kIdSize, m_editSize);
}

BOOL CDlgDiskUse::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  m_editSpace.SetMaxLength(kTextLimit);
  m_editSize.SetMaxLength(kTextLimit);
  m_editSpace.SetTextUtf8(m_strSpace.c_str());
  m_editSize.SetTextUtf8(m_strSize.c_str());
  return TRUE;
}
