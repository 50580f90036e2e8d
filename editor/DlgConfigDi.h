// The editor's "DI" page (template 155): the two digital input channels,
// where each takes its state from (its own input, a communication peer over
// Modbus/TCP or SLMP, or demo values), whether it is inverted, and what the
// device does on its ON and OFF states: display text and colour, delay,
// event message, trend record, function resets, alarm outputs, trigger and
// mail report.
#pragma once

#include "ChannelPage.h"
#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "SelectCombo.h"

class CDlgConfigDi : public CPointChannelPage<kt::DiChannelConfig, kt::DiEventConfig> {
 public:
  enum { IDD = 155 };
  explicit CDlgConfigDi(CWnd* pParent = nullptr);

  // The controls of one state group; index kOff (ZONE[0]) or kOn (ZONE[1]).
  enum { kOff = 0, kOn = 1 };
  struct StateControls {
    CInputStringJis disp;
    CStatic swatch;
    CButton color;
    CInputNumberInt delay;
    CInputStringJis msg;
    CButton trecOff, trecOn;
    CButton rstoi;
    CButton almdo;
    CButton trigOff, trigOn;
    CButton form;
  };

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  BOOL CheckSettings(BOOL bShowError) override;

  // Channel-page hooks.
  void StoreOwn(const Parts& parts) override;
  void LoadOwn(const Parts& parts) override;
  void UpdateControls() override;

  // Point-channel hooks. Source "Di" offers one channel number.
  Parts PartsOf(int i) override;
  SourceInputs Source() override;
  PointInputs Points() override;

  void OnBnClickedColor(int state);
  // The selection buttons: reset function value, alarm output, mail
  // template, of the given state.
  enum class Select { Rstoi, Almdo, Form };
  void OnBnClickedSelect(int state, Select what);
  void OnPaint() override;

  template <int S>
  void OnColor() {
    OnBnClickedColor(S);
  }
  template <int S, Select W>
  void OnSelect() {
    OnBnClickedSelect(S, W);
  }

  COLORREF m_onColor = 0;  // screen form 0x00BBGGRR
  COLORREF m_offColor = 0;

  CSelectCombo m_comboSource;             // 1097
  CSelectCombo m_comboChannel;            // 1309
  CInputNumberInt m_editUnitId;           // 1098
  CSelectCombo m_comboPointKind;          // 1099
  CInputNumberInt m_editRegister;         // 1100
  CSelectCombo m_comboDeviceType;         // 1101
  CInputNumberMulti m_editDeviceAddress;  // 1102
  CInputNumberMultiForm m_comboRadix;     // 1103
  CSelectCombo m_comboInvert;             // 1105
  StateControls m_state[kt::kStateCount];
};

// "Setting error: SLMP Device type"
extern const CString g_strDiSlmpDeviceTypeError;
// Titles of the selection dialogs: "Reset function value", "Alarm output",
// "Mail template No.".
extern const CString g_strDiSelectTitles[3];
