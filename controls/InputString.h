// Text inputs that keep their text within a length (UTF-16 code units) and a
// character set as the user types or pastes, the conversions between a
// dialog's text and UTF-8, and the one way of reading and writing the
// record's fixed-width UTF-8 text fields.
#pragma once

#include "Platform.h"

#include <cstddef>
#include <cstring>

// Writes the UTF-8 form of text, zero-filled, into buffer[0..size). An empty
// text clears the buffer. FALSE, with the buffer untouched, when the UTF-8
// form and its terminating zero need more than size bytes.
BOOL CStringToUtf8(const CString& text, char* buffer, int size);
// The same into a whole array, whose size is taken from its type.
template <std::size_t N>
BOOL CStringToUtf8(const CString& text, char (&buffer)[N]) {
  static_assert(N <= 0x7FFFFFFF);
  return CStringToUtf8(text, buffer, static_cast<int>(N));
}

// Converts a zero-terminated UTF-8 text. Invalid sequences become U+FFFD.
// FALSE, with out unchanged, only for a null text or a null out.
BOOL Utf8ToCString(const char* utf8, CString* out);

class CInputString : public CEdit {
 public:
  CInputString() = default;

  // Every character passes here; the variants narrow it.
  virtual BOOL IsValidChar(wchar_t ch);

  // The limit in code units (at least 1); the text shown is cut to it.
  void SetMaxLength(int n);
  int GetMaxLength() const { return m_nMaxLength; }
  // The first m_nMaxLength code units, without a high surrogate left alone
  // at the end and without the "\r" of a "\r\n" that the cut would split.
  CString TruncateText(const CString& text) const;
  // Shows a record's UTF-8 text, cut to the limit.
  virtual void SetTextUtf8(const char* utf8);
  // TRUE when every code unit passes IsValidChar and none is zero.
  BOOL IsValidString(const CString& text);

  BOOL OnChar(UINT nChar) override;
  BOOL OnChildNotify(UINT nCode) override;
  void OnKeyUp(UINT nVirtKey) override;
  void OnMouseUp(UINT nButton, CPoint point) override;

 protected:
  // Shows text (already cut to the limit) and makes m_strPrev what the window
  // then really shows, cut again when the window changed it.
  void ShowText(const CString& text);
  // Puts m_strPrev back into the window with the caret where it was.
  void RestorePrev();

  int m_nMaxLength = 32;
  CString m_strPrev;
  int m_nCaret = 0;
  BOOL m_bInChange = FALSE;  // while ShowText sets the window text
};

// Characters below U+0080.
class CInputStringAscii : public CInputString {
 public:
  BOOL IsValidChar(wchar_t ch) override;
};

// Letters, digits and '_' (names that go into HTTP paths and logins).
class CInputStringHttp : public CInputString {
 public:
  BOOL IsValidChar(wchar_t ch) override;
};

// The characters of JisCharTable: what the device can show.
class CInputStringJis : public CInputString {
 public:
  BOOL IsValidChar(wchar_t ch) override;
  // As the base, but every refused code unit becomes '?' before the cut.
  void SetTextUtf8(const char* utf8) override;
};

namespace kt {

// Fixed-width text fields of the record and of the device's documents: char
// arrays of UTF-8. A field need not end within its width (a paste of foreign
// bytes), so nothing here reads past it.

// The text of a field: its UTF-8 up to the zero byte and never past width
// bytes; invalid sequences become U+FFFD.
CString FieldText(const char* field, std::size_t width);
template <std::size_t N>
CString FieldText(const char (&field)[N]) {
  return FieldText(field, N);
}

// Shows a field in a text input, by the input's own SetTextUtf8 (cut to its
// limit; the JIS input marks what it refuses).
template <std::size_t N>
void LoadText(CInputString& edit, const char (&field)[N]) {
  char text[N + 1] = {};
  std::memcpy(text, field, N);
  edit.SetTextUtf8(text);
}

// Writes a window's text into a field: its UTF-8, zero-filled. A text that
// does not fit leaves the field empty, never with the old text.
template <std::size_t N>
void StoreText(const CWnd& edit, char (&field)[N]) {
  if (!CStringToUtf8(edit.GetWindowText(), field)) std::memset(field, 0, N);
}

}  // namespace kt
