#include "InputNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <regex>
#include <system_error>

namespace {

// The text as bytes when it is plain ASCII (every number text is); nothing
// otherwise.
bool ToAscii(const CString& text, std::string& out) {
  out.clear();
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    if (c.unicode() > 0x7F) return false;
    out.push_back(static_cast<char>(c.unicode()));
  }
  return true;
}

// Compiled expressions, by pattern. The user-interface thread is the only
// caller.
const std::regex& Regex(const std::string& pattern) {
  static std::map<std::string, std::regex> cache;
  auto it = cache.find(pattern);
  if (it == cache.end()) it = cache.emplace(pattern, std::regex(pattern, std::regex::ECMAScript)).first;
  return it->second;
}

// printf's "%.Nf", without the locale.
std::string FormatFixed(double value, int decimals) {
  char buf[512];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return "0";
  return std::string(buf, res.ptr);
}

// A whole text as a double; false for anything else, or beyond the double's range.
bool ParseDouble(const std::string& s, double& value) {
  if (s.empty()) return false;
  double v = 0.0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
  value = v;
  return true;
}

// A whole text as a 64-bit integer in a radix; false for anything else.
template <class Int>
bool ParseInteger(const CString& text, int radix, Int& value) {
  std::string s;
  if (!ToAscii(text, s) || s.empty()) return false;
  Int v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v, radix);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
  value = v;
  return true;
}

bool IsDigit(UINT ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

// ---------------------------------------------------------------------------
// CInputNumber

CInputNumber::CInputNumber() : m_brInvalid(kInvalidColor) {}

HBRUSH CInputNumber::CtlColor(CDC* pDC, UINT) {
  if (m_bValid) return nullptr;
  pDC->SetBkColor(kInvalidColor);
  return &m_brInvalid;
}

BOOL CInputNumber::IsValidChar(UINT, CString, int) { return FALSE; }
BOOL CInputNumber::CheckFormat(CString) { return FALSE; }
BOOL CInputNumber::CheckValue(CString) { return FALSE; }
BOOL CInputNumber::OnTextChanged() { return FALSE; }
void CInputNumber::ResetIfDisabled() {}

BOOL CInputNumber::OnChar(UINT nChar) {
  // Backspace and the control characters of copy, cut and paste pass.
  if (nChar < 0x20) return TRUE;
  int start = 0, end = 0;
  GetSel(start, end);
  return IsValidChar(nChar, GetWindowText(), start);
}

void CInputNumber::OnKeyUp(UINT) {
  int start = 0, end = 0;
  GetSel(start, end);
  m_nCaret = start;
}

void CInputNumber::OnMouseUp(UINT nButton, CPoint) {
  if (nButton != MK_LBUTTON) return;
  int start = 0, end = 0;
  GetSel(start, end);
  m_nCaret = start;
}

BOOL CInputNumber::OnChildNotify(UINT nCode) {
  // The text changes that OnTextChanged makes itself come back here; the
  // guard lets them pass.
  if (nCode != EN_CHANGE || m_bInChange) return FALSE;
  m_bInChange = TRUE;
  const BOOL before = m_bValid;
  const BOOL valid = OnTextChanged();
  if (valid != m_bValid) m_bValid = valid;
  if (m_bValid != before) Invalidate(TRUE);
  m_bInChange = FALSE;
  return FALSE;  // the dialog hears of the change too
}

void CInputNumber::RollBack(const CString& text) {
  SetWindowText(text);
  SetSel(m_nCaret, m_nCaret);
  ScrollCaret();
}

BOOL CInputNumber::MatchWhole(const CString& text, const std::string& pattern) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    if (c.unicode() > 0xFF) return FALSE;
    bytes.push_back(static_cast<char>(c.unicode()));
  }
  return std::regex_match(bytes, Regex(pattern)) ? TRUE : FALSE;
}

void CInputNumber::ShowValueText(const CString& text) {
  const BOOL before = m_bShowingValue;
  m_bShowingValue = TRUE;
  SetWindowText(text);
  m_bShowingValue = before;
}

BOOL CInputNumber::ProcessTextChange(CString& strPrev, int nMaxLength, bool bLoneMinus, bool bLonePoint) {
  CString text = GetWindowText();
  if (m_bShowingValue && (text.size() > nMaxLength || !CheckFormat(text))) {
    // A value the field cannot hold: the user sees it and must fix it.
    strPrev.clear();
    CheckValue(text);  // the current value follows the text where it parses
    return FALSE;
  }
  if (text.size() > nMaxLength) {
    RollBack(strPrev);
    text = strPrev;
  }
  if (text.isEmpty() || (bLoneMinus && text == QLatin1String("-")) || (bLonePoint && text == QLatin1String("."))) {
    // A number being typed: it stays on screen and counts as invalid.
    strPrev.clear();
    return FALSE;
  }
  if (CheckFormat(text)) {
    strPrev = text;
    return CheckValue(text);
  }
  m_bValid = CheckValue(strPrev);
  RollBack(strPrev);
  return m_bValid;
}

// ---------------------------------------------------------------------------
// CInputNumberFloat

HBRUSH CInputNumberFloat::CtlColor(CDC* pDC, UINT nCtlColor) {
  bool highlight = !m_bValid;
  for (const HighlightCallback& cb : m_aHighlight) {
    if (highlight) break;
    if (cb.IsSet() && cb(pDC, nCtlColor) == TRUE) highlight = true;
  }
  if (!highlight) return nullptr;
  pDC->SetBkColor(kInvalidColor);
  return &m_brInvalid;
}

BOOL CInputNumberFloat::IsValidChar(UINT nChar, CString strText, int nCaret) {
  if (IsDigit(nChar)) return TRUE;
  if (nChar == '.') return strText.contains(QLatin1Char('.')) ? FALSE : TRUE;
  if (nChar == '-') {
    return !strText.contains(QLatin1Char('-')) && m_dMin < 0 && nCaret == 0 ? TRUE : FALSE;
  }
  return FALSE;
}

BOOL CInputNumberFloat::CheckFormat(CString strText) {
  const std::string sign = m_dMin < 0 ? "[-]?" : "";
  const std::string intPart = "([0-9]\\d{0," + std::to_string(std::max(0, m_nIntDigits - 1)) + "}|0)";
  std::string pattern;
  if (!strText.contains(QLatin1Char('.'))) {
    pattern = "^" + sign + intPart + "$";
  } else if (strText.endsWith(QLatin1Char('.')) || m_nDecimals == 0) {
    pattern = "^" + sign + intPart + "?([.])$";
  } else {
    static const char* const kFraction[] = {"([0-9]\\d{0}|0)", "([0-9]\\d{0,1}|0)", "([0-9]\\d{0,2}|0)"};
    if (m_nDecimals < 1 || m_nDecimals > 3) return FALSE;  // no digit after the point then
    pattern = "^" + sign + intPart + "?([.]?)" + kFraction[m_nDecimals - 1] + "$";
  }
  return MatchWhole(strText, pattern);
}

CString CInputNumberFloat::FormatValue(double dValue) const {
  const int decimals = m_nDecimals >= 0 && m_nDecimals <= 3 ? m_nDecimals : 6;
  std::string text = FormatFixed(dValue, decimals);
  // A negative zero, or a small negative that rounds to zero, is zero: with
  // its sign it would break the format of a field without negative values.
  if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return QString::fromStdString(text);
}

BOOL CInputNumberFloat::CheckValue(CString strText) {
  std::string s;
  double parsed = 0.0;
  // A text without a digit ("-.") holds no number.
  if (!ToAscii(strText, s) || !ParseDouble(s, parsed)) return FALSE;
  // The value is the one that the shown decimals express.
  double value = 0.0;
  if (!ParseDouble(FormatValue(parsed).toStdString(), value)) return FALSE;
  m_dValue = value;
  for (int i = 0; m_pExcluded && i < m_nExcluded; ++i) {
    if (value == m_pExcluded[i]) return FALSE;
  }
  if (value < m_dMin || value > m_dMax) return FALSE;
  return TRUE;
}

int CInputNumberFloat::MaxLength() const {
  int len = m_nIntDigits;
  if (m_nDecimals > 0) len += m_nDecimals + 1;
  if (m_dMin < 0) len += 1;
  return len;
}

BOOL CInputNumberFloat::OnTextChanged() { return ProcessTextChange(m_strPrev, MaxLength(), true, true); }

void CInputNumberFloat::ResetIfDisabled() {
  if (!GetSafeHwnd() || IsWindowEnabled()) return;
  if (CheckValue(GetWindowText())) return;
  m_dValue = m_dDefault;
  SetValue(m_dDefault);
}

BOOL CInputNumberFloat::SetRange(double dMin, double dMax, double dDefault) {
  if (std::isnan(dMin) || std::isnan(dMax) || dMin > dMax) return FALSE;
  m_dMin = dMin;
  m_dMax = dMax;
  m_dDefault = dDefault;
  // The integer part is sized before the default is shown, so that a
  // default with more digits than the old size is not rolled back.
  m_nIntDigits = static_cast<int>(std::max(FormatFixed(dMax, 0).size(), FormatFixed(std::fabs(dMin), 0).size()));
  SetValue(dDefault);
  return TRUE;
}

void CInputNumberFloat::SetValue(double dValue) {
  // "nan" or "inf" would read as a number the field refused; there is none.
  ShowValueText(std::isfinite(dValue) ? FormatValue(dValue) : CString());
}

// ---------------------------------------------------------------------------
// What the three integer controls share

namespace {

// Back to the default only when disabled and holding a text that is not a
// valid value.
template <class Control>
void ResetIntegerIfDisabled(Control& c) {
  if (!c.GetSafeHwnd() || c.IsWindowEnabled()) return;
  if (c.CheckValue(c.GetWindowText())) return;
  c.m_nValue = c.m_nDefault;
  c.SetValue(c.m_nDefault);
}

// Next value, or m_nMin past m_nMax (and at the top of the type, which is
// never above m_nMax); only for an enabled, non-empty control.
template <class Control>
void IncrementInteger(Control& c) {
  if (!c.GetSafeHwnd() || !c.IsWindowEnabled() || c.GetWindowText().isEmpty()) return;
  c.SetValue(c.m_nValue >= c.m_nMax ? c.m_nMin : c.m_nValue + 1);
}

// The field's width comes first, so that the default always fits it.
template <class Control, class T>
BOOL SetIntegerRange(Control& c, T nMin, T nMax, T nDefault) {
  if (nMax < nMin) return FALSE;
  c.m_nMin = nMin;
  c.m_nMax = nMax;
  c.m_nDefault = nDefault;
  c.m_nMaxLength = static_cast<int>(std::max(QString::number(nMax).size(), QString::number(nMin).size()));
  c.SetValue(nDefault);
  return TRUE;
}

}  // namespace

// ---------------------------------------------------------------------------
// CInputNumberInt

BOOL CInputNumberInt::IsValidChar(UINT nChar, CString strText, int nCaret) {
  if (IsDigit(nChar)) return TRUE;
  if (nChar == '-') {
    return !strText.contains(QLatin1Char('-')) && m_nMin < 0 && nCaret == 0 ? TRUE : FALSE;
  }
  return FALSE;
}

BOOL CInputNumberInt::CheckFormat(CString strText) {
  return MatchWhole(strText, m_nMin < 0 ? "^[-]?([0-9]\\d*|0)$" : "^([0-9]\\d*|0)$");
}

BOOL CInputNumberInt::CheckValue(CString strText) {
  std::int64_t v = 0;
  if (!ParseInteger(strText, 10, v)) return FALSE;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return FALSE;
  m_nValue = static_cast<int>(v);
  return m_nValue >= m_nMin && m_nValue <= m_nMax ? TRUE : FALSE;
}

BOOL CInputNumberInt::OnTextChanged() { return ProcessTextChange(m_strPrev, m_nMaxLength, true, false); }

void CInputNumberInt::ResetIfDisabled() { ResetIntegerIfDisabled(*this); }

void CInputNumberInt::IncrementValue() { IncrementInteger(*this); }

BOOL CInputNumberInt::SetRange(int nMin, int nMax, int nDefault) {
  return SetIntegerRange(*this, nMin, nMax, nDefault);
}

void CInputNumberInt::SetValue(int nValue) { ShowValueText(QString::number(nValue)); }

// ---------------------------------------------------------------------------
// CInputNumberUint

HBRUSH CInputNumberUint::CtlColor(CDC* pDC, UINT nCtlColor) {
  if (m_bValid && !(m_highlight.IsSet() && m_highlight(pDC, nCtlColor) == TRUE)) return nullptr;
  pDC->SetBkColor(kInvalidColor);
  return &m_brInvalid;
}

BOOL CInputNumberUint::IsValidChar(UINT nChar, CString, int) { return IsDigit(nChar) ? TRUE : FALSE; }

BOOL CInputNumberUint::CheckFormat(CString strText) { return MatchWhole(strText, "^([0-9]\\d*|0)$"); }

BOOL CInputNumberUint::CheckValue(CString strText) {
  std::uint64_t v = 0;
  if (!ParseInteger(strText, 10, v) || v > std::numeric_limits<UINT>::max()) return FALSE;
  m_nValue = static_cast<UINT>(v);
  return m_nValue >= m_nMin && m_nValue <= m_nMax ? TRUE : FALSE;
}

BOOL CInputNumberUint::OnTextChanged() { return ProcessTextChange(m_strPrev, m_nMaxLength, false, false); }

void CInputNumberUint::ResetIfDisabled() { ResetIntegerIfDisabled(*this); }

void CInputNumberUint::IncrementValue() { IncrementInteger(*this); }

BOOL CInputNumberUint::SetRange(UINT nMin, UINT nMax, UINT nDefault) {
  return SetIntegerRange(*this, nMin, nMax, nDefault);
}

void CInputNumberUint::SetValue(UINT nValue) { ShowValueText(QString::number(nValue)); }

// ---------------------------------------------------------------------------
// CInputNumberMulti

BOOL CInputNumberMulti::IsValidChar(UINT nChar, CString, int) {
  switch (m_nRadix) {
    case 8: return nChar >= '0' && nChar <= '7' ? TRUE : FALSE;
    case 10: return IsDigit(nChar) ? TRUE : FALSE;
    case 16: return IsDigit(nChar) || (nChar >= 'A' && nChar <= 'F') || (nChar >= 'a' && nChar <= 'f') ? TRUE : FALSE;
    default: return FALSE;
  }
}

BOOL CInputNumberMulti::CheckFormat(CString strText) {
  switch (m_nRadix) {
    case 10: return MatchWhole(strText, "^[0-9]{0,10}$");
    case 16: return MatchWhole(strText, "^[0-9A-Fa-f]{0,8}$");
    default: return MatchWhole(strText, "^[0-7]{0,11}$");
  }
}

BOOL CInputNumberMulti::CheckValue(CString strText) {
  std::uint64_t v = 0;
  if (m_nRadix != 8 && m_nRadix != 10 && m_nRadix != 16) return FALSE;
  if (!ParseInteger(strText, m_nRadix, v) || v > std::numeric_limits<UINT>::max()) return FALSE;
  m_nValue = static_cast<UINT>(v);
  return m_nValue >= m_nMin && m_nValue <= m_nMax ? TRUE : FALSE;
}

BOOL CInputNumberMulti::OnTextChanged() { return ProcessTextChange(m_strPrev, m_nMaxLength, false, false); }

void CInputNumberMulti::ResetIfDisabled() { ResetIntegerIfDisabled(*this); }

void CInputNumberMulti::IncrementValue() { IncrementInteger(*this); }

CString CInputNumberMulti::FormatValue(UINT nValue) const {
  if (m_strFormat == QLatin1String("%X")) return QString::number(nValue, 16).toUpper();
  if (m_strFormat == QLatin1String("%o")) return QString::number(nValue, 8);
  return QString::number(nValue);
}

void CInputNumberMulti::SetValue(UINT nValue) { ShowValueText(FormatValue(nValue)); }

void CInputNumberMulti::UpdateMaxLength() { m_nMaxLength = static_cast<int>(FormatValue(m_nMax).size()); }

BOOL CInputNumberMulti::SetRadix(int nRadix) {
  switch (nRadix) {
    case 8: m_strFormat = QStringLiteral("%o"); break;
    case 10: m_strFormat = QStringLiteral("%u"); break;
    case 16: m_strFormat = QStringLiteral("%X"); break;
    default: return FALSE;
  }
  m_nRadix = nRadix;
  UpdateMaxLength();
  if (!m_bValid) m_nValue = m_nDefault;
  SetValue(m_nValue);
  return TRUE;
}

// ---------------------------------------------------------------------------
// CInputNumberMultiForm

BOOL CInputNumberMultiForm::OnChildNotify(UINT nCode) {
  if (nCode == CBN_SELCHANGE && m_pNumber) {
    switch (GetCurItem()) {
      case 0: m_pNumber->SetRadix(10); break;
      case 1: m_pNumber->SetRadix(16); break;
      case 2: m_pNumber->SetRadix(8); break;
      default: break;
    }
  }
  return CSelectCombo::OnChildNotify(nCode);
}
