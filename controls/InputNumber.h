// Number inputs: edit controls that validate as the user types.
//
// Characters that cannot belong to a number are dropped; a text that breaks
// the field's format (too long, a second point, a digit too many after the
// point, pasted letters...) is put back to the last good text; a well-formed
// text whose value is refused (out of range, excluded) stays on screen with a
// yellow background and leaves the control invalid (m_bValid FALSE).
//
// A page binds the control with DDX_Control, then sets its range (which shows
// the default) and its value:
//
//   m_editPort.SetRange(1, 65535, 80);
//   m_editPort.SetValue(cfg.PORT);
//   ...
//   if (m_editPort.m_bValid) cfg.PORT = m_editPort.m_nValue;
//
// The current value keeps the last parsed number even when it was refused, so
// look at m_bValid (or the page's PageErrorList) before reading it.
//
// A value set by code (SetValue) whose text the field could not take from
// the user (too long, or breaking the format: a sign where none is allowed)
// is shown all the same and leaves the control invalid, so that a stored
// value is never replaced without a word by the text shown before. A
// non-finite Float shows an empty, invalid field.
//
// Numbers are parsed into 64 bits and refused outside the control's 32-bit
// type; formatting and parsing never depend on the locale.
#pragma once

#include "InvalidColor.h"
#include "Platform.h"
#include "SelectCombo.h"

#include <array>
#include <functional>
#include <string>

// An owner object and one of its member functions taking (CDC*, UINT) and
// returning BOOL: asked while a valid value is painted; exactly TRUE paints
// it as invalid. Empty until set.
class HighlightCallback {
 public:
  HighlightCallback() = default;
  template <class T>
  HighlightCallback(T* owner, BOOL (T::*fn)(CDC*, UINT)) {
    Set(owner, fn);
  }
  template <class T>
  void Set(T* owner, BOOL (T::*fn)(CDC*, UINT)) {
    if (owner && fn) {
      m_fn = [owner, fn](CDC* pDC, UINT nCtlColor) { return (owner->*fn)(pDC, nCtlColor); };
    } else {
      m_fn = nullptr;
    }
  }
  void Clear() { m_fn = nullptr; }
  BOOL IsSet() const { return m_fn ? TRUE : FALSE; }
  // FALSE when empty.
  BOOL operator()(CDC* pDC, UINT nCtlColor) const { return m_fn ? m_fn(pDC, nCtlColor) : FALSE; }

 private:
  std::function<BOOL(CDC*, UINT)> m_fn;
};

class CInputNumber : public CEdit {
 public:
  CInputNumber();
  ~CInputNumber() override = default;

  // Background: the invalid colour while m_bValid is FALSE, else the
  // system's colours.
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  // Whether a typed character (not a control character) may go in, given
  // the text before it and the start of the selection.
  virtual BOOL IsValidChar(UINT nChar, CString strText, int nCaret);
  // Whether the whole text has the field's form.
  virtual BOOL CheckFormat(CString strText);
  // Parses the text into the current value; TRUE when the value is acceptable.
  virtual BOOL CheckValue(CString strText);
  // Runs on every change of the text; returns the new validity.
  virtual BOOL OnTextChanged();
  // A disabled control whose text holds no acceptable value goes back to
  // its default; anything else is left alone.
  virtual void ResetIfDisabled();

  CBrush m_brInvalid;
  BOOL m_bValid = TRUE;
  BOOL m_bInChange = FALSE;
  int m_nCaret = 0;  // selection start at the last key or left-button release

  // Hooks of the edit widget.
  BOOL OnChar(UINT nChar) override;
  void OnKeyUp(UINT nVirtKey) override;
  void OnMouseUp(UINT nButton, CPoint point) override;
  BOOL OnChildNotify(UINT nCode) override;

 protected:
  // Puts a text back into the window with the caret where it was before the
  // refused change.
  void RollBack(const CString& text);
  // Sets the window text of a value set by code (SetValue); see
  // ProcessTextChange for a text that the field cannot hold.
  void ShowValueText(const CString& text);
  // A regular-expression match of the whole text (ECMAScript grammar); a
  // text with a character above U+00FF never matches.
  static BOOL MatchWhole(const CString& text, const std::string& pattern);
  // The steps every class takes on a text change: a text longer than
  // nMaxLength is put back to strPrev; an empty text (or a lone sign or
  // point where the class allows them) is invalid and stays; a well-formed
  // text becomes strPrev and is checked; any other text is put back to
  // strPrev. Returns the new validity.
  //
  // A text from ShowValueText that would be put back stays instead, invalid,
  // and empties strPrev: there is no good text behind it, so an edit that
  // still breaks the format empties the field rather than bringing back
  // what was shown before the value.
  BOOL ProcessTextChange(CString& strPrev, int nMaxLength, bool bLoneMinus, bool bLonePoint);

 private:
  BOOL m_bShowingValue = FALSE;  // inside ShowValueText
};

class CInputNumberFloat : public CInputNumber {
 public:
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  BOOL IsValidChar(UINT nChar, CString strText, int nCaret) override;
  BOOL CheckFormat(CString strText) override;
  BOOL CheckValue(CString strText) override;
  BOOL OnTextChanged() override;
  void ResetIfDisabled() override;

  // FALSE and nothing changed when min > max; else stores the three, sizes
  // the integer part from the longer of max and |min| and shows the default.
  BOOL SetRange(double dMin, double dMax, double dDefault);
  void SetValue(double dValue);
  // "%.0f" to "%.3f" for 0 to 3 decimals, "%f" for any other count.
  CString FormatValue(double dValue) const;
  // Values refused although in range; the array stays the caller's (a
  // static table, usually) and must outlive the control's use of it.
  void SetExcluded(const double* pValues, int nCount) {
    m_pExcluded = pValues;
    m_nExcluded = pValues ? nCount : 0;
  }
  // Longest text: integer digits, point and decimals, sign.
  int MaxLength() const;

  CString m_strPrev;
  double m_dDefault = 0.0;
  int m_nIntDigits = 11;
  int m_nDecimals = 3;
  const double* m_pExcluded = nullptr;
  int m_nExcluded = 0;
  std::array<HighlightCallback, 4> m_aHighlight;
  double m_dValue = 0.0;
  double m_dMin = 2.2250738585072014e-308;
  double m_dMax = 1.7976931348623157e+308;
};

class CInputNumberInt : public CInputNumber {
 public:
  BOOL IsValidChar(UINT nChar, CString strText, int nCaret) override;
  BOOL CheckFormat(CString strText) override;
  BOOL CheckValue(CString strText) override;
  BOOL OnTextChanged() override;
  void ResetIfDisabled() override;
  // Next value, or m_nMin past m_nMax; only for an enabled, non-empty control.
  virtual void IncrementValue();

  // FALSE and nothing changed when max < min.
  BOOL SetRange(int nMin, int nMax, int nDefault);
  void SetValue(int nValue);

  int m_nValue = 0;
  CString m_strPrev;
  int m_nMin = -2147483647 - 1;
  int m_nMax = 2147483647;
  int m_nDefault = 0;
  int m_nMaxLength = 11;
};

class CInputNumberUint : public CInputNumber {
 public:
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  BOOL IsValidChar(UINT nChar, CString strText, int nCaret) override;
  BOOL CheckFormat(CString strText) override;
  BOOL CheckValue(CString strText) override;
  BOOL OnTextChanged() override;
  void ResetIfDisabled() override;
  virtual void IncrementValue();

  // FALSE and nothing changed when max < min.
  BOOL SetRange(UINT nMin, UINT nMax, UINT nDefault);
  void SetValue(UINT nValue);

  UINT m_nValue = 0;
  CString m_strPrev;
  UINT m_nDefault = 0;
  int m_nMaxLength = 10;
  HighlightCallback m_highlight;
  UINT m_nMin = 0;
  UINT m_nMax = 4294967295u;
};

// Unsigned 32-bit number shown in decimal, hexadecimal (upper-case digits)
// or octal.
class CInputNumberMulti : public CInputNumber {
 public:
  BOOL IsValidChar(UINT nChar, CString strText, int nCaret) override;
  BOOL CheckFormat(CString strText) override;
  BOOL CheckValue(CString strText) override;
  BOOL OnTextChanged() override;
  void ResetIfDisabled() override;
  virtual void IncrementValue();

  void SetValue(UINT nValue);
  // m_nMaxLength = length of m_nMax in the current radix. Call it after
  // setting m_nMin, m_nMax and m_nDefault directly.
  void UpdateMaxLength();
  // 8, 10 or 16 (anything else: FALSE, nothing changed); shows the same
  // number in the new radix, or the default when the text was invalid.
  BOOL SetRadix(int nRadix);
  CString FormatValue(UINT nValue) const;

  UINT m_nValue = 0;
  CString m_strPrev;
  UINT m_nMin = 0;
  UINT m_nMax = 4294967295u;
  UINT m_nDefault = 0;
  int m_nMaxLength = 10;
  int m_nRadix = 10;
  CString m_strFormat = QStringLiteral("%u");
};

// The radix selector of a CInputNumberMulti: items "Dec", "Hex", "Oct" in
// that order (after the selector's offset). Choosing one switches m_pNumber
// to radix 10, 16 or 8; with no m_pNumber it does nothing more than a
// CSelectCombo. Setting the selection by code switches nothing.
class CInputNumberMultiForm : public CSelectCombo {
 public:
  BOOL OnChildNotify(UINT nCode) override;

  CInputNumberMulti* m_pNumber = nullptr;
};

// An Int input whose owner page may paint a valid value as conflicting.
template <class T>
class CInputNumberIntApp : public CInputNumberInt {
 public:
  HBRUSH CtlColor(CDC* pDC, UINT /*nCtlColor*/) override {
    if (m_bValid && !(m_pOwner && m_pfnHighlight && (m_pOwner->*m_pfnHighlight)() == TRUE)) return nullptr;
    pDC->SetBkColor(kInvalidColor);
    return &m_brInvalid;
  }

  T* m_pOwner = nullptr;
  BOOL (T::*m_pfnHighlight)() = nullptr;
};

// A Float input whose owner page may paint a valid value as conflicting.
template <class T>
class CInputNumberFloatApp : public CInputNumberFloat {
 public:
  HBRUSH CtlColor(CDC* pDC, UINT /*nCtlColor*/) override {
    if (m_bValid && !(m_pOwner && m_pfnHighlight && (m_pOwner->*m_pfnHighlight)() == TRUE)) return nullptr;
    pDC->SetBkColor(kInvalidColor);
    return &m_brInvalid;
  }

  T* m_pOwner = nullptr;
  BOOL (T::*m_pfnHighlight)() = nullptr;
};
