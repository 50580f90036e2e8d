// The editor window (template 134): the tabbed pages over one DeviceConfig,
// "Save file", "Upload to device" and "Quit".
//
// The window owns the record every page edits (m_config) and a snapshot of
// it (m_savedConfig) taken when it opens and renewed by each successful
// save; "Quit" asks before it drops changes that differ from the snapshot.
// The pages are created once, as hidden children of the tab control, and
// exactly one is shown.
#pragma once

#include "ButtonTooltip.h"
#include "DeviceConfig.h"
#include "NormalDialog.h"

#include <memory>
#include <vector>

class CDlgConfigMain : public CNormalDialog {
 public:
  enum { IDD = 134 };
  CDlgConfigMain();
  ~CDlgConfigMain() override;

  void DoDataExchange(CDataExchange* pDX) override;
  // Snapshot, title, tabs and pages; page 0 shown.
  BOOL OnInitDialog() override;

  // Stores the page being left (with its messages); a refusal keeps the old
  // tab selected.
  void OnTcnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSaveFile();
  void OnUpload();
  void OnQuit();
  // Hidden "COM" button: the port dialog, then its tooltip again.
  void OnCom();
  // Hidden check box 1157: the tag-message preference.
  void OnCheckMessage();

  // CheckSettings(TRUE) on every page in tab order, up to the first refusal.
  BOOL CheckAllPages();
  // PrepareSave on every page in tab order.
  void PrepareAllPages();

  CTabCtrl m_tab;
  kt::DeviceConfig m_config;
  CString m_strFilePath;  // offered once by the next "Save file"
  kt::DeviceConfig m_savedConfig;
  int m_nCurPage = 0;
  std::vector<std::unique_ptr<CTabDialog>> m_pages;  // in tab order
  CButtonTooltip m_btnCom;

 private:
  void UpdateComTooltip();
  // Stores the shown page with its messages, cross-checks every page and
  // lets them prepare: the common start of saving and uploading.
  BOOL StoreAndCheck();
  CTabDialog* CurrentPage() const;
};

// "CFG File(*.json)|*.json||", "Cannot open file.", "File saved.",
// "Cannot save file.", "Completed.",
// "Are you sure you want to discard the settings?".
extern const CString g_strConfigMainMessages[6];

namespace kt {

enum class SaveFileResult { Saved, CannotOpen, CannotSave };

// Writes length bytes to path through a temporary file beside it that
// replaces the target only once everything was written: a failure leaves an
// existing file as it was.
SaveFileResult SaveDocumentFile(const QString& path, const char* data, qint64 length);

}  // namespace kt
