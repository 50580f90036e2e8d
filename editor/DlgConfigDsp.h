// The editor's "Disp" page (template 198): the device's screen. The view
// shown after wake-up, the flicker masks of the digital views, the automatic
// view switching, screen saver, language and backlight. The flicker and page
// masks are chosen in the selection dialog and written into the record as
// soon as that dialog ends with OK; everything else waits for StorePage.
#pragma once

#include "ButtonTooltip.h"
#include "InputNumber.h"
#include "NormalDialog.h"
#include "SelectCombo.h"

class CDlgConfigDsp : public CTabDialog {
 public:
  enum { IDD = 198 };
  // Items of the "View" combo; the index is DISP.AUTOSTART.WAKEUP.
  enum View {
    kViewTrend,
    kViewEvent,
    kViewComment,
    kViewOverview,
    kViewDigital,
    kViewLogEve,
    kViewLogSys,
    kViewLogCom,
    kViewCount
  };
  // The masks the selection dialog edits.
  enum Flicker { kFlickerAi, kFlickerDi, kFlickerOi };
  enum SwitchPages { kPagesTrend, kPagesOverview, kPagesAi, kPagesDi, kPagesOi, kPagesDo };

  explicit CDlgConfigDsp(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void LoadSettings();
  void StoreSettings() override;
  void UpdateControls() override;
  void UpdateEnables();
  // Prepares Page, Source and Channel for a view; type is the channel kind
  // of a digital view (1 AI, 2 DI, 3 OI, 4 DO).
  void SetupWakeupControls(int view, int type);
  void FillWakeupChannels(int type);

  void OnCbnSelchangeView();
  void OnCbnSelchangeSource();
  void OnBnClickedFlicker(int kind);
  void OnBnClickedSwitchPages(int kind);

  CSelectCombo m_comboView;              // 1369
  CSelectCombo m_comboSource;            // 1370
  CSelectCombo m_comboChannel;           // 1371
  CSelectCombo m_comboPage;              // 1372
  CSelectCombo m_comboFlickerAi;         // 1416
  CSelectCombo m_comboFlickerDi;         // 1423
  CSelectCombo m_comboFlickerOi;         // 1425
  CButton m_btnFlickerAi;                // 1406
  CButton m_btnFlickerDi;                // 1409
  CButton m_btnFlickerOi;                // 1410
  CSelectButton m_radioSwitchDisable;    // 1391
  CSelectButton m_radioSwitchEnable;     // 1392
  CInputNumberInt m_editSwitchStart;     // 1393
  CInputNumberInt m_editSwitchInterval;  // 1394
  CButton m_btnPagesTrend;               // 1411
  CButton m_btnPagesOverview;            // 1414
  CButton m_btnPagesAi;                  // 1415
  CButton m_btnPagesDi;                  // 1417
  CButton m_btnPagesOi;                  // 1418
  CButton m_btnPagesDo;                  // 1419
  CButton m_checkEvent;                  // 1420
  CButton m_checkComment;                // 1429
  CButton m_checkLogEve;                 // 1430
  CButton m_checkLogSys;                 // 1431
  CButton m_checkLogCom;                 // 1432
  CSelectCombo m_comboScreenSaver;       // 1390
  CSelectCombo m_comboLanguage;          // 1407
  CSelectCombo m_comboBrightness;        // 1408
};

// "Setting error: Switch start time", "Setting error: Switch Interval".
extern const CString g_strDspErrors[2];
