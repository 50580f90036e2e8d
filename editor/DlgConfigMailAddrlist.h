// "Address list" (template 159): the eight mail recipients, each a name and
// an address, edited on a copy that OK writes over the caller's rows. A
// right click on the row numbers copies one row and pastes it over another.
#pragma once

#include "DeviceConfig.h"
#include "InputString.h"
#include "NormalDialog.h"
#include "SelectList.h"

class CDlgConfigMailAddrlist : public CNormalDialog {
 public:
  enum { IDD = 159 };
  explicit CDlgConfigMailAddrlist(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  // Rows of the working copy into the edits, all eight at once.
  void ShowPage(int nRow);
  // Edits into the working copy; a text that does not fit leaves its field
  // empty.
  void StoreRows();

  void OnLbnSelchangeList();
  void OnMenuCopy();
  void OnMenuPaste();

  kt::MailAddressConfig m_address[kt::kMailAddressCount]{};
  // The caller's eight rows; set before DoModal.
  kt::MailAddressConfig* m_pAddress = nullptr;
  int m_nCurRow = 0;
  int m_nCopyBuffer = 0;  // 1 when m_copyBuffer holds a row
  kt::MailAddressConfig m_copyBuffer{};

  CSelectList m_listRow;                                   // 1260
  CStatic m_staticRow[kt::kMailAddressCount];              // 1268, 1261-1267
  CInputString m_editName[kt::kMailAddressCount];          // 1244, 1246, ... 1258
  CInputStringAscii m_editAddress[kt::kMailAddressCount];  // 1245, 1247, ... 1259

 private:
  // Makes the list's selection the current row when it differs and the
  // rows pass their check.
  void ChangeRow();
};
