// CDialog: dialogs built from the templates of resources/, modal (DoModal)
// or as hidden child windows (Create), with data exchange (DDX_Control).
#pragma once

#include "Wnd.h"

#include <QFont>

namespace kt::res {
struct DialogTemplate;
}

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
  CWnd* m_pDlgWnd;
};

// Binds rControl to the widget of control nIDC of the dialog (once; later
// exchanges leave the binding alone). A missing id is a programming error:
// the program stops with a message naming the id.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Builds the dialog, runs OnInitDialog, then the modal loop (or the modal
  // handler installed by a test); returns what EndDialog was given. The
  // widgets are gone when it returns.
  virtual INT_PTR DoModal();
  // Builds the dialog as a child window of pParentWnd and runs OnInitDialog.
  // It stays hidden unless its template has the visible style.
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();  // the base runs the data exchange (UpdateData(FALSE))
  virtual void OnOK();          // the base: UpdateData(TRUE), then EndDialog(IDOK)
  virtual void OnCancel();      // the base: EndDialog(IDCANCEL)
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);

  // Dialog units to pixels of this dialog's font.
  void MapDialogRect(CRect* rect) const;

  UINT GetTemplateId() const { return m_nIDTemplate; }
  BOOL IsModal() const { return m_bModal ? TRUE : FALSE; }
  // TRUE once EndDialog ran in the current modal run; GetModalResult is its value.
  BOOL IsEnded() const { return m_bEnded ? TRUE : FALSE; }
  INT_PTR GetModalResult() const { return m_nModalResult; }

  // IDOK/IDCANCEL reach OnOK/OnCancel unless the message map takes them.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 protected:
  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  friend struct DialogAccess;
  void Build(const kt::res::DialogTemplate& t, QWidget* host, bool child);
  void DestroyWidgets();
  // Enter and Escape typed in the dialog: TRUE when taken.
  bool HandleDialogKey(UINT vk);
  void FocusFirstControl();

  bool m_bModal = false;
  bool m_bEnded = false;
  INT_PTR m_nModalResult = -1;
};

// Extended dialog class of the framework: nothing more here.
using CDialogEx = CDialog;

namespace kt {

// The font of a dialog template on this system: a sans font of about the
// same size as the Windows face named in the template.
QFont DialogFont(const char* face, int pointSize);
// Average character width and height of a font: what dialog units scale by
// (x * cx / 4, y * cy / 8).
CSize DialogBaseUnits(const QFont& font);
CRect MapDialogRect(const QFont& font, const CRect& rect);

}  // namespace kt
