// The editor's "OI" page (template 168): the four operation channels OI1-OI4.
// Each channel computes its value from other channels; the page chooses the
// operation ("Function type") and shows that kind's sub-dialog over the frame
// 1174, which edits the operands in OI[i].PARAM. Below it the channel's zones:
// count, names, delay times, colours and limits. The zones' messages, mail
// templates and alarm outputs are edited in the event setting dialog.
//
// One channel is shown at a time, chosen in the list at the left; a right
// click on the list copies or pastes a whole channel (operands and every zone
// field included).
#pragma once

#include "ChannelPage.h"
#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "SelectCombo.h"

// The 18 items of "Function type", "Disable" first.
extern const CString g_strOiOperationItems[18];
// The zone inputs' messages in the order of the page's error walk (13), then
// "Setting error: Function parameter (Kn, Xn, An)" (13), then the seven
// zone-order messages (14-20).
extern const CString g_strOiErrors[21];

// The "Function type" item that shows "Time", and the TYPE it stands for:
// the document's value of the time operation. 17 ("Limit") has no item.
inline constexpr int kOiTimeItem = 17;
inline constexpr kt::u32 kOiTimeType = 18;

class CDlgConfigOi : public CChannelPage {
 public:
  enum { IDD = 168 };
  explicit CDlgConfigOi(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // As every channel page, then the focus goes to the channel list.
  void RefreshControls() override;

  // The sub-dialog of the stored kind is chosen here, so switching channels
  // needs no preparing step.
  void LoadChannel(int i) override;
  // Checks nothing; callers check first.
  void StoreChannel(int i) override;
  void UpdateControls() override;
  BOOL CheckControls(BOOL bShowError) override;
  void CopyChannel(int i) override;
  void PasteChannel(int i, BOOL bNext) override;
  BOOL IsCopyFilled() const override { return m_copy.filled != 0; }
  void EmptyCopy() override { m_copy.filled = 0; }

  void OnCbnSelchangeFunctionType();
  void OnCbnSelchangePartitions();
  void OnBnClickedZoneColor(int zone);  // 0-4
  void OnEnUpdateLimit();
  void OnBnClickedEventSetting();
  void OnPaint() override;

  // The zone count that "Partitions" selects: 0 for "Disable", else 2-5.
  int ZoneCount() const;
  // The first zone-order rule (0-6) that the limit inputs break for the
  // selected zone count, or -1.
  int FirstBrokenRule() const;
  // Whether a limit input takes part in a broken rule. upper: zone 1-4's
  // upper limit (index 0-3); else zone 2-5's lower limit (index 0-3).
  BOOL LimitInConflict(bool upper, int index) const;
  // The sub-dialog shown, or nullptr ("Disable").
  CSubDialogChild* ShownChild() const;

  COLORREF m_zoneColor[kt::kZoneCount] = {};

  // The copy buffer of the channel list's menu.
  struct CopyBuffer {
    int filled = 0;
    kt::OiChannelConfig channel{};
    kt::AnalogEventConfig events{};
  } m_copy;

  // The "Function type" item shown (loaded or chosen). A stored TYPE without
  // an item is shown as "Disable" and written back unchanged unless the user
  // chooses a kind (m_bKeepType).
  int m_nShownKind = 0;
  bool m_bKeepType = false;
  kt::u32 m_nKeptType = 0;

  // m_listChannel is 1144.
  CInputStringJis m_editName;     // 1145
  CInputStringJis m_editComment;  // 1146
  CSelectCombo m_comboPlace;      // 1147
  CInputStringJis m_editUnit;     // 1148
  CSelectCombo m_comboFunction;   // 1175
  CSubDialogParent m_subDialogs;  // 1174
  CSelectCombo m_comboPartition;  // 1149
  CButton m_buttonEvent;          // 1168
  CInputString m_editZoneName[kt::kZoneCount];
  CInputNumberInt m_editDelay[kt::kZoneCount];
  CStatic m_staticColor[kt::kZoneCount];
  CButton m_buttonColor[kt::kZoneCount];
  CInputNumberFloat m_editUpper[4];  // zones 1-4
  CInputNumberFloat m_editLower[4];  // zones 2-5

 private:
  template <bool Upper, int Index>
  BOOL HighlightLimit(CDC*, UINT) {
    return LimitInConflict(Upper, Index);
  }
};
