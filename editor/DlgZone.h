// The event setting dialog (template 144) of an analog input or operation
// channel: the event fields of its five zone records that the channel pages
// do not show. Tab "Basic" edits each zone's alarm outputs, reset operation
// channels and trigger; "Upper" the record of each zone's lower limit
// (LEVEL[0], crossed by a rising value), "Lower" that of its upper limit
// (LEVEL[1], crossed by a falling value): message, trend record, mail
// templates.
//
// The dialog edits a copy of the five records and writes it back, as whole
// records, only on OK.
#pragma once

#include "DeviceConfig.h"
#include "InputString.h"
#include "NormalDialog.h"

#include <memory>
#include <vector>

// "Alarm output", "Reset function value", "Mail template No.": the titles of
// the selection dialogs the pages open.
extern const CString g_strZoneCaptions[3];

// Tab "Basic" (template 196). Its fields go into the copy as they are edited.
class CDlgZoneT1 : public CTabDialog {
 public:
  enum { IDD = 196 };
  explicit CDlgZoneT1(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  BOOL StorePage(BOOL bShowError) override;
  void RefreshControls() override;

  // zone = 0-4 for Zone 1-5.
  void SelectAlarmOutput(int zone);
  void SelectResetFunction(int zone);
  void OnBnClickedTrigger(int zone);

  kt::ZoneEventConfig* m_pZones = nullptr;  // CDlgZone::m_zones
  int m_nPartition = 0;
};

// What "Upper" and "Lower" share: per used limit a message input, a
// "Mail template No." button and a "Trend record" check box.
class CDlgZoneLevelPage : public CTabDialog {
 public:
  struct Row {
    int zone;  // 0-4, the ZONE entry
    int edit;
    int button;
    int check;
  };

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Writes the messages into the copy; always TRUE. A message is written
  // only when its text differs from what the input last showed, so a stored
  // text that the input cannot show exactly is never replaced by its
  // substitute characters.
  BOOL StorePage(BOOL bShowError) override;
  // Gives the focus back to the control that had it when the page was last
  // stored, if that is still an enabled control of this page.
  void RefreshControls() override;

  // zone = the ZONE entry of a row (see the derived classes).
  void SelectMailTemplate(int zone);
  void OnBnClickedTrendRecord(int zone);

  kt::ZoneEventConfig* m_pZones = nullptr;  // CDlgZone::m_zones
  int m_nPartition = 0;
  CWnd* m_pLastFocus = nullptr;
  CInputStringJis m_editMsg[4];  // in the order of the row table

 protected:
  // level 0 ("Upper") or 1 ("Lower"); rows from Zone 5 down to Zone 1.
  CDlgZoneLevelPage(UINT nIDTemplate, int level, const Row (&rows)[4], CWnd* pParent);
  kt::ZoneLimitConfig& Limit(int zone) const { return m_pZones[zone].LEVEL[m_nLevel]; }
  const Row* RowOfZone(int zone) const;
  // The limit between zone z and z+1 exists for z+1 < 2 + m_nPartition
  // (2 zones at least).
  BOOL LimitUsed(int upperZone) const;

  int m_nLevel;
  const Row (&m_rows)[4];
  CString m_strShown[4];  // the text each input showed when last loaded or stored
};

// Tab "Upper" (template 194): LEVEL[0] of zones 2-5 (zone = 1-4).
class CDlgZoneT2 : public CDlgZoneLevelPage {
 public:
  enum { IDD = 194 };
  explicit CDlgZoneT2(CWnd* pParent = nullptr);
};

// Tab "Lower" (template 167): LEVEL[1] of zones 1-4 (zone = 0-3).
class CDlgZoneT3 : public CDlgZoneLevelPage {
 public:
  enum { IDD = 167 };
  explicit CDlgZoneT3(CWnd* pParent = nullptr);
};

class CDlgZone : public CNormalDialog {
 public:
  enum { IDD = 144 };
  explicit CDlgZone(CWnd* pParent = nullptr);
  ~CDlgZone() override;

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnTcnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnOK() override;

  kt::DeviceConfig* m_pConfig = nullptr;
  kt::ZoneEventConfig* m_pZones = nullptr;  // the first of the opener's five
  int m_nPartition = 0;                     // 0 "Disable", 1-4 for 2-5 zones
  kt::ZoneEventConfig m_zones[kt::kZoneCount];
  CTabCtrl m_tab;  // 1021
  std::vector<std::unique_ptr<CTabDialog>> m_pages;
  int m_nCurPage = 0;
};
