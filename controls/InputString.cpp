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

CString kt::FieldText(const char* field, std::size_t width) {
  return QString::fromUtf8(field, static_cast<qsizetype>(strnlen(field, width)));
}

// ---------------------------------------------------------------------------
// CInputString

BOOL CInputString::IsValidChar(wchar_t) { return TRUE; }

void CInputString::SetMaxLength(int n) {
  m_nMaxLength = std::max(n, 1);
  ShowText(TruncateText(m_strPrev));
}

CString CInputString::TruncateText(const CString& text) const {
  CString cut = text.left(m_nMaxLength);
  if (cut.size() < m_nMaxLength) return cut;
  // A cut between "\r" and "\n" would not shorten the text on screen: a
  // multi-line edit shows the lone "\r" as a whole line break again. The
  // break goes whole.
  const bool splitsBreak =
      cut.back() == QLatin1Char('\r') && text.size() > m_nMaxLength && text[m_nMaxLength] == QLatin1Char('\n');
  if (cut.back().isHighSurrogate() || splitsBreak) cut.chop(1);
  return cut;
}

void CInputString::SetTextUtf8(const char* utf8) {
  CString text;
  if (!Utf8ToCString(utf8, &text)) text.clear();
  ShowText(TruncateText(text));
}

BOOL CInputString::IsValidString(const CString& text) {
  for (QChar ch : text) {
    // A record's text ends at its first zero: a pasted one would have the
    // rest of the text shown but never stored.
    if (ch.isNull() || !IsValidChar(static_cast<wchar_t>(ch.unicode()))) return FALSE;
  }
  return TRUE;
}

BOOL CInputString::OnChar(UINT nChar) {
  // A line break is two code units and takes the place of the selection.
  // One that does not fit in what the selection leaves is refused: taken, the
  // cut at the limit would drop the end of the text instead. Measured on the
  // window's text, in whose units the selection's positions count.
  if (nChar == '\r' && IsMultiLine()) {
    int start = 0, end = 0;
    GetSel(start, end);
    if (GetWindowText().size() - (end - start) + 2 > m_nMaxLength) return FALSE;
  }
  if (nChar < 0x20) return TRUE;
  if (m_strPrev.size() >= m_nMaxLength) return FALSE;
  return IsValidChar(static_cast<wchar_t>(nChar));
}

void CInputString::ShowText(const CString& text) {
  // A window need not show a text as it is given: a multi-line edit makes a
  // lone "\r" or "\n" a whole line break, one code unit longer. m_strPrev
  // must be what it shows, or the next change would find the two apart and
  // roll back for ever. What it shows is cut again when it no longer fits or
  // holds a refused character that the given text did not (a loaded text may
  // keep its own); a window that keeps changing the text gets the empty one.
  constexpr int kAttempts = 3;
  const BOOL outer = m_bInChange;
  m_bInChange = TRUE;  // the change this sends is ours, not the user's
  const BOOL givenValid = IsValidString(text);
  CString want = text;
  for (int attempt = 1;; ++attempt) {
    SetWindowText(want);
    const CString shown = GetWindowText();
    const BOOL allowed = IsValidString(shown) || !givenValid;
    if (shown == want || (allowed && TruncateText(shown) == shown) || want.isEmpty()) {
      m_strPrev = shown;
      break;
    }
    want = allowed && attempt < kAttempts ? TruncateText(shown) : CString();
  }
  m_bInChange = outer;
}

void CInputString::RestorePrev() {
  ShowText(m_strPrev);
  SetSel(m_nCaret, m_nCaret);
  ScrollCaret();
}

BOOL CInputString::OnChildNotify(UINT nCode) {
  if (nCode != EN_CHANGE || m_bInChange) return FALSE;
  const CString text = GetWindowText();
  // Keeps a text that a load put there although it breaks the character
  // set until the user changes it.
  if (text == m_strPrev) return FALSE;
  if (IsValidString(text)) {
    const CString cut = TruncateText(text);
    if (cut == text) {
      m_strPrev = text;
      return FALSE;
    }
    m_strPrev = cut;
  }
  RestorePrev();
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
  return (ch >= L'0' && ch <= L'9') || (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || ch == L'_' ? TRUE
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
  ShowText(TruncateText(text));
}
