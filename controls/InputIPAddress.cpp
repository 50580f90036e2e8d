#include "InputIPAddress.h"

#include "InvalidColor.h"

#include <QPalette>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

// Reads "a.b.c.d", each part one to three digits of at most 255, and nothing
// else. A looser reading would turn "1.300.1.1" into some other address.
bool ParseAddress(const char* text, BYTE out[4]) {
  const char* p = text;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (*p != '.') return false;
      ++p;
    }
    int value = 0;
    int digits = 0;
    while (*p >= '0' && *p <= '9') {
      if (++digits > 3) return false;
      value = value * 10 + (*p - '0');
      ++p;
    }
    if (digits == 0 || value > 255) return false;
    out[part] = static_cast<BYTE>(value);
  }
  return *p == '\0';
}

}  // namespace

CInputIPAddress::CInputIPAddress() : m_brInvalid(kInvalidColor) {}

BOOL CInputIPAddress::SetAddress(const char* text) {
  ClearAddress();
  BYTE b[4] = {};
  if (!text || !ParseAddress(text, b)) return FALSE;
  CIPAddressCtrl::SetAddress(b[0], b[1], b[2], b[3]);
  return TRUE;
}

BOOL CInputIPAddress::GetAddress(char buffer[32]) {
  std::memset(buffer, 0, 32);
  BYTE b[4] = {};
  if (CIPAddressCtrl::GetAddress(b[0], b[1], b[2], b[3]) != 4) return FALSE;
  std::snprintf(buffer, 32, "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
  return TRUE;
}

BOOL CInputIPAddress::IsValid() {
  if (!IsWindowEnabled()) return TRUE;
  BYTE b[4] = {};
  return CIPAddressCtrl::GetAddress(b[0], b[1], b[2], b[3]) == 4 ? TRUE : FALSE;
}

HBRUSH CInputIPAddress::CtlColor(CDC* pDC, UINT) {
  const bool valid = IsValid() != FALSE;
  PaintFrame(valid);
  if (valid) return nullptr;
  pDC->SetBkColor(kInvalidColor);
  return &m_brInvalid;
}

void CInputIPAddress::PaintFrame(bool valid) {
  // The fields ask for their colours; the strip around them and the dots
  // between them belong to the control and take the same colour. Valid (and
  // so also disabled), it keeps the dialog's palette: white, or grey when
  // disabled, like every other input.
  QWidget* w = GetSafeHwnd();
  if (!w) return;
  const QColor invalid(GetRValue(kInvalidColor), GetGValue(kInvalidColor), GetBValue(kInvalidColor));
  const bool shownInvalid = w->palette().color(QPalette::Active, QPalette::Base) == invalid;
  if (shownInvalid == !valid) return;
  if (valid) {
    w->setPalette(QPalette());
    return;
  }
  QPalette pal = w->palette();
  pal.setColor(QPalette::Base, invalid);
  w->setPalette(pal);
}

BOOL CInputIPAddress::OnChildNotify(UINT nCode) {
  // Every field repaints with the validity of the whole address.
  if (nCode == EN_CHANGE) Invalidate();
  return FALSE;
}

void CInputIPAddress::OnEnable(BOOL) { Invalidate(); }
