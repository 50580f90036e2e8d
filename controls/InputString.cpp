#include "InputString.h"

#include "JisCharTable.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

BOOL CStringToUtf8(const CString& text, char* buffer, int size) {
  if (!buffer || size < 0) return FALSE;
  if (text.isEmpty()) {
    std::memset(buffer, 0, static_cast<std::size_t>(size));
    return TRUE;
  }
  const QByteArray utf8 = text.toUtf8();
  if (utf8.size() + 1 > size) return FALSE;
  std::memset(buffer, 0, static_cast<std::size_t>(size));
  std::memcpy(buffer, utf8.constData(), static_cast<std::size_t>(utf8.size()));
  return TRUE;
}

BOOL Utf8ToCString(const char* utf8, CString* out) {
  if (!utf8 || !out) return FALSE;
  *out = QString::fromUtf8(utf8, static_cast<qsizetype>(std::strlen(utf8)));
  return TRUE;
}

// ---------------------------------------------------------------------------
// CInputString

BOOL CInputString::IsValidChar(wchar_t) { return TRUE; }

void CInputString::SetMaxLength(int n) {
  m_nMaxLength = std::max(n, 1);
  m_strPrev = TruncateText(m_strPrev);
  SetWindowText(m_strPrev);
}

CString CInputString::TruncateText(const CString& text) const {
  CString cut = text.left(m_nMaxLength);
  if (cut.size() < m_nMaxLength) return cut;
  // A cut between "\r" and "\n" would not shorten the text on screen: a
  // multi-line edit shows the lone "\r" as a whole line break again. The
  // break goes whole.
  const bool splitsBreak = cut.back() == QLatin1Char('\r') && text.size() > m_nMaxLength &&
                           text[m_nMaxLength] == QLatin1Char('\n');
  if (cut.back().isHighSurrogate() || splitsBreak) cut.chop(1);
  return cut;
}

void CInputString::SetTextUtf8(const char* utf8) {
  CString text;
  if (!Utf8ToCString(utf8, &text)) text.clear();
  m_strPrev = TruncateText(text);
  SetWindowText(m_strPrev);
}

BOOL CInputString::IsValidString(const CString& text) {
  for (QChar ch : text) {
    if (!IsValidChar(static_cast<wchar_t>(ch.unicode()))) return FALSE;
  }
  return TRUE;
}

BOOL CInputString::OnChar(UINT nChar) {
  if (nChar < 0x20) return TRUE;
  if (m_strPrev.size() >= m_nMaxLength) return FALSE;
  return IsValidChar(static_cast<wchar_t>(nChar));
}

void CInputString::RestorePrev() {
  SetWindowText(m_strPrev);
  SetSel(m_nCaret, m_nCaret);
  ScrollCaret();
}

BOOL CInputString::OnChildNotify(UINT nCode) {
  if (nCode != EN_CHANGE) return FALSE;
  const CString text = GetWindowText();
  // Also ends the change that putting m_strPrev back sends, and keeps a
  // text that a load put there although it breaks the character set from
  // bouncing between window and m_strPrev for ever.
  if (text == m_strPrev) return FALSE;
  if (IsValidString(text)) {
    m_strPrev = TruncateText(text);
    if (m_strPrev != text) RestorePrev();
  } else {
    RestorePrev();
  }
  return FALSE;
}

void CInputString::OnKeyUp(UINT) {
  int end = 0;
  GetSel(m_nCaret, end);
}

void CInputString::OnMouseUp(UINT nButton, CPoint) {
  if (nButton != MK_LBUTTON) return;
  int end = 0;
  GetSel(m_nCaret, end);
}

// ---------------------------------------------------------------------------
// Variants

BOOL CInputStringAscii::IsValidChar(wchar_t ch) { return ch < 0x80 ? TRUE : FALSE; }

BOOL CInputStringHttp::IsValidChar(wchar_t ch) {
  return (ch >= L'0' && ch <= L'9') || (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || ch == L'_'
             ? TRUE
             : FALSE;
}

BOOL CInputStringJis::IsValidChar(wchar_t ch) {
  if (ch < 0 || ch > 0xFFFF) return FALSE;
  const auto unit = static_cast<char16_t>(ch);
  return std::find(JisCharTable, JisCharTable + kJisCharTableSize, unit) != JisCharTable + kJisCharTableSize ? TRUE
                                                                                                             : FALSE;
}

void CInputStringJis::SetTextUtf8(const char* utf8) {
  CString text;
  if (!Utf8ToCString(utf8, &text)) text.clear();
  for (QChar& ch : text) {
    if (!IsValidChar(static_cast<wchar_t>(ch.unicode()))) ch = QLatin1Char('?');
  }
  m_strPrev = TruncateText(text);
  SetWindowText(m_strPrev);
}
