// The editor's "AI" page (template 151): the four analog input channels,
// where each takes its value from (its own input, a communication peer over
// Modbus/TCP or SLMP, or demo values), its scaling and unit, and up to five
// zones with names, delays, colours and limits. The zones' messages and
// outputs are edited in the event setting dialog that the page opens.
#pragma once

#include "ChannelPage.h"
#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "SelectCombo.h"

class CDlgConfigAi : public CPointChannelPage<kt::AiChannelConfig, kt::AnalogEventConfig> {
 public:
  enum { IDD = 151 };
  explicit CDlgConfigAi(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  BOOL CheckSettings(BOOL bShowError) override;

  // Channel-page hooks.
  // The base's checks, then scaling and zone order.
  BOOL CheckControls(BOOL bShowError) override;
  void StoreOwn(const Parts& parts) override;
  void LoadOwn(const Parts& parts) override;
  void UpdateControls() override;

  // Point-channel hooks. Source "Ai" offers two channel numbers.
  Parts PartsOf(int i) override;
  SourceInputs Source() override;
  PointInputs Points() override;
  // 1 "INT", 2 "UINT", else 0 ("%").
  int GetTypeIndex();
  // 2-5 from "Partitions"; 0 for "Disable".
  int GetZoneCount();
  // The zone-order rule that fails first (index into the zone-order
  // messages), or -1; zone rules only apply for a source other than "None".
  int FirstFailingZoneRule();
  BOOL ScalingConflict();

  void OnBnClickedZoneColor(int zone);
  void OnEnUpdateLimit();
  void OnEnUpdateScaling();
  void OnBnClickedEventSetting();
  void OnPaint() override;

  // Whether zone-order rule 0-6 applies to the zone count and fails.
  BOOL ZoneRuleFails(int rule);

  // Highlight predicates: limit input 0-3 (upper limits of zones 1-4) or
  // 4-7 (lower limits of zones 2-5) takes part in a failing zone rule; 0 %
  // equals 100 % while "%" is selected. FALSE for source "None".
  BOOL HighlightLimit(int input);
  template <int I>
  BOOL HighlightLimitAt(CDC*, UINT) {
    return HighlightLimit(I);
  }
  BOOL HighlightScaling(CDC*, UINT);
  template <int Z>
  void OnZoneColor() {
    OnBnClickedZoneColor(Z);
  }

  COLORREF m_zoneColor[kt::kZoneCount] = {};

  CSelectCombo m_comboSource;             // 1062
  CSelectCombo m_comboChannel;            // 1065
  CInputNumberInt m_editUnitId;           // 1052
  CSelectCombo m_comboRegisterKind;       // 1050
  CInputNumberInt m_editRegister;         // 1054
  CSelectCombo m_comboDeviceType;         // 1055
  CInputNumberMulti m_editDeviceAddress;  // 1056
  CInputNumberMultiForm m_comboRadix;     // 1148
  CSelectCombo m_comboType;               // 1064
  CInputNumberFloat m_editZero;           // 1058
  CInputNumberFloat m_editSpan;           // 1059
  CInputNumberFloat m_editGain;           // 1060
  CSelectCombo m_comboPlace;              // 1061
  CInputStringJis m_editUnit;             // 1063
  CSelectCombo m_comboPartitions;         // 1011
  CButton m_btnEventSetting;              // 1045
  CInputStringJis m_editZoneName[kt::kZoneCount];
  CInputNumberInt m_editDelay[kt::kZoneCount];
  CStatic m_swatch[kt::kZoneCount];
  CButton m_btnColor[kt::kZoneCount];
  CInputNumberFloat m_editUpper[kt::kZoneCount - 1];  // zones 1-4
  CInputNumberFloat m_editLower[kt::kZoneCount - 1];  // zones 2-5 (index z-1)
};

// The page's messages: the number inputs' (in the order of the error walk:
// unit identifier, register address, device address, 0 %, 100 %, Int, then
// the zone inputs from zone 5 down), the device type, the seven zone-order
// rules and the scaling rule.
extern const CString g_strAiSlmpDeviceTypeError;  // "Setting error: SLMP Device type"
extern const CString g_strAiZoneOrderErrors[7];
extern const CString g_strAiScalingError;  // "Setting error: Scaling 0% = 100%"
