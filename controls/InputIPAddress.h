// IPv4 address field that shows itself yellow while its address is
// incomplete (a field left blank).
#pragma once

#include "Platform.h"

class CInputIPAddress : public CIPAddressCtrl {
 public:
  CInputIPAddress();

  // Clears the control, then shows the address when the text is exactly four
  // decimal numbers 0-255 separated by dots ("192.168.0.1"); anything else
  // (signs, blanks, a fifth part, a number above 255) leaves it blank and
  // returns FALSE.
  BOOL SetAddress(const char* text);
  using CIPAddressCtrl::SetAddress;
  // Zero-fills the 32 bytes; when all four fields are filled, writes
  // "a.b.c.d" and returns TRUE, else FALSE with the buffer empty.
  BOOL GetAddress(char buffer[32]);
  using CIPAddressCtrl::GetAddress;
  // TRUE when the control is disabled or all four fields are filled.
  BOOL IsValid();

  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  BOOL OnChildNotify(UINT nCode) override;
  void OnEnable(BOOL bEnable) override;

 protected:
  CBrush m_brInvalid;

 private:
  void PaintFrame(bool valid);
};
