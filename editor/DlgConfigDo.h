// The editor's "DO" page (template 178): the two digital output channels,
// where each writes its state (its own output, a point of a communication
// peer over Modbus/TCP or SLMP, or demo), whether it is inverted, and the
// display text and colour of its ON and OFF states. Saving refuses two
// outputs that write the same point.
#pragma once

#include "ChannelPage.h"
#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "SelectCombo.h"

class CDlgConfigDo : public CPointChannelPage<kt::DoChannelConfig, kt::DoDisplayConfig> {
 public:
  enum { IDD = 178 };
  explicit CDlgConfigDo(CWnd* pParent = nullptr);

  enum { kOff = 0, kOn = 1 };  // index into ZONE[]

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // The device-code check, then CheckDuplicateChannels.
  BOOL CheckSettings(BOOL bShowError) override;

  // Channel-page hooks.
  void StoreOwn(const Parts& parts) override;
  void LoadOwn(const Parts& parts) override;
  void UpdateControls() override;

  // Point-channel hooks; the source is the destination here. "Do" offers
  // one channel number.
  Parts PartsOf(int i) override;
  SourceInputs Source() override;
  PointInputs Points() override;

  // FALSE, after its message, at the first pair of outputs that write the
  // same point.
  BOOL CheckDuplicateChannels();
  // FALSE when outputs i and j of the stored record write the same point.
  // SLMP commands are compared as the save will derive them, addresses as
  // IPv4 addresses.
  BOOL IsDistinctDestination(int i, int j);

  void OnBnClickedColor(int state);
  void OnPaint() override;
  template <int S>
  void OnColor() {
    OnBnClickedColor(S);
  }

  COLORREF m_onColor = 0;  // screen form 0x00BBGGRR
  COLORREF m_offColor = 0;

  CSelectCombo m_comboSource;                   // 1315
  CSelectCombo m_comboChannel;                  // 1316
  CInputNumberInt m_editUnitId;                 // 1317
  CSelectCombo m_comboPointKind;                // 1318
  CInputNumberInt m_editRegister;               // 1319
  CSelectCombo m_comboDeviceType;               // 1320
  CInputNumberMulti m_editDeviceAddress;        // 1321
  CInputNumberMultiForm m_comboRadix;           // 1322
  CSelectCombo m_comboInvert;                   // 1323
  CInputStringJis m_editDisp[kt::kStateCount];  // OFF 1327, ON 1324
  CStatic m_swatch[kt::kStateCount];            // OFF 1328, ON 1325
  CButton m_btnColor[kt::kStateCount];          // OFF 1329, ON 1326
};

// "Setting error: SLMP Device type"
extern const CString g_strDoSlmpDeviceTypeError;
// "Duplicate channel setting: DO%d and DO%d"
extern const CString g_strDoDuplicateError;
