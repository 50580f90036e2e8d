// The editor's "Trend" page (template 152): how the device records its trend
// (auto start, storing rate, file encoding, normal and trigger record), the
// four trend pens shown one at a time through the pen list, and the two
// comments of the trend screen. A pen's upper and lower limit must differ;
// while they are equal both are painted yellow and the pen cannot be left.
#pragma once

#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "NormalDialog.h"
#include "SelectCombo.h"
#include "SelectList.h"

class CDlgConfigTrd : public CTabDialog {
 public:
  enum { IDD = 152 };
  explicit CDlgConfigTrd(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

  void RefreshControls() override;

  BOOL CheckControls(BOOL bShowError) override;
  void StoreSettings() override;
  void LoadSettings(int pen);
  void StorePen(int pen);
  // The pen's own controls only (source, channel, colour, range).
  void LoadPen(int pen);
  void FillPenChannels();
  void UpdateControls() override;
  void UpdatePenControls();
  void UpdateRecordControls();
  // TRUE when the shown pen's range is checked (its limit inputs enabled)
  // and its upper limit equals its lower limit.
  BOOL IsPenRangeEmpty();

  void OnSelchangeChannel();
  void OnSelchangeSource();
  void OnBnClickedPenColor();
  void OnBnClickedCommentColor1();
  void OnBnClickedCommentColor2();
  void OnEnUpdateRange();
  void OnMenuCopy();
  void OnMenuPaste();

  int m_nCurPen = 0;
  int m_nCurSource = 0;
  int m_nCopyFilled = 0;  // 1 once a pen was copied
  kt::PenConfig m_copyPen{};

  CSelectCombo m_comboAutoStart;                    // 1108
  CButton m_radioAutoDeleteDisable;                 // 1332
  CButton m_radioAutoDeleteEnable;                  // 1333
  CSelectCombo m_comboSpeed;                        // 1109
  CSelectCombo m_comboEncode;                       // 1118
  CSelectCombo m_comboNormalMode;                   // 1110
  CInputNumberInt m_editSamples;                    // 1111
  CSelectCombo m_comboInterval;                     // 1112
  CSelectCombo m_comboHour;                         // 1113
  CSelectCombo m_comboWeek;                         // 1114
  CSelectCombo m_comboTrigMode;                     // 1117
  CInputNumberInt m_editPre;                        // 1115
  CInputNumberInt m_editPost;                       // 1116
  CSelectList m_listPen;                            // 1125
  CSelectCombo m_comboSource;                       // 1119
  CSelectCombo m_comboChannel;                      // 1151
  CInputNumberFloatApp<CDlgConfigTrd> m_editUpper;  // 1120
  CInputNumberFloatApp<CDlgConfigTrd> m_editLower;  // 1121
  COLORREF m_penColor = 0;
  CInputStringJis m_editComment[kt::kCommentCount];  // 1460, 1462
  COLORREF m_commentColor[kt::kCommentCount] = {};

 private:
  void ChooseColor(COLORREF& color);
};

// "Setting error: Samples", "Setting error: Pre trigger", "Setting error:
// Post trigger", "Setting error: Upper limit", "Setting error: Lower limit",
// "Setting error: Scaling 0% = 100%".
extern const CString g_strTrdErrors[6];
