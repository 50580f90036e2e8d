// The editor's "C" page (template 136): the two communication peers C1 and
// C2 that the device polls over Modbus/TCP or SLMP. One peer is shown at a
// time; the list at the left switches peers (storing the shown one first),
// and its right-click menu copies a whole peer onto the other.
#pragma once

#include "ButtonTooltip.h"
#include "DeviceConfig.h"
#include "InputIPAddress.h"
#include "InputNumber.h"
#include "NormalDialog.h"
#include "SelectCombo.h"
#include "SelectList.h"

class CDlgConfigC : public CTabDialog {
 public:
  enum { IDD = 136 };
  explicit CDlgConfigC(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  void StoreSettings() override;
  BOOL CheckSettings(BOOL bShowError) override;

  void LoadChannel(int p);
  void StoreChannel(int p);
  void UpdateControls() override;
  BOOL CheckControls(BOOL bShowError) override;

  void OnSelchangeChannel();
  void OnUpdateOption();
  void OnBnClickedErrorOutput();

  // A whole peer, taken by "Copy" and written back by "Paste".
  struct CopyBuffer {
    int filled = 0;
    kt::PeerConfig channel{};
    kt::ModbusPeerConfig modbus{};
    kt::SlmpPeerConfig slmp{};
  };

  int m_nCurChannel = 0;
  CopyBuffer m_copy;

  CSelectList m_listChannel;      // 1013
  CSelectButton m_radioDisable;   // 1015
  CSelectButton m_radioEnable;    // 1016
  CSelectCombo m_comboProtocol;   // 1025
  CInputIPAddress m_editAddress;  // 1018
  CInputNumberInt m_editPort;     // 1021
  CInputNumberInt m_editPeriod;   // 1023
  CInputNumberInt m_editTimeout;  // 1027
  CSelectButton m_radioFixed;     // 1031
  CSelectButton m_radioVariable;  // 1032
  CInputNumberInt m_editUnitId;   // 1033
  CInputNumberInt m_editNetwork;  // 1037
  CInputNumberInt m_editStation;  // 1038
  CInputNumberMulti m_editCpu;    // 1039
  CSelectCombo m_comboType;       // 1026
  CButton m_btnErrorOutput;       // 1458
};

// Messages of the page's checks, in the order they are tested: the address,
// then the number inputs.
extern const CString g_strPeerErrors[8];
// "Modbus/TCP", "SLMP"; "16 bits", "32 bits".
extern const CString g_strPeerProtocols[2];
extern const CString g_strPeerCommandSets[2];
// Title of the error output selection: "Communication Error output".
extern const CString g_strPeerErrorOutputTitle;
