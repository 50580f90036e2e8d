// Dialog bases of every page and dialog that holds kit controls, and the
// page protocol the editor window drives.
//
//   CNormalDialog    remembers the controls its data exchange binds, so a
//                    dialog can disable them all, ask whether every number
//                    input is valid, and make its combo boxes select-only.
//   CTabDialog       a page of the editor (or a zone page): Enter and Escape
//                    do nothing; StorePage / RefreshControls / PrepareSave /
//                    CheckSettings are the only ways in.
//   CSubDialogChild  an operation sub-dialog of the OI page: Enter and Escape
//                    do nothing; CheckParam / LoadParam / StoreParam.
//   CSubDialogParent hosts the sub-dialogs over a placeholder control of its
//                    page and shows one at a time.
//   PageErrorList    each number input of a page with the message shown when
//                    it holds no acceptable value; Check walks them in order.
//   kt::LoadSwitch / kt::StoreSwitch
//                    a switch of the record on a pair of radio buttons.
#pragma once

#include "InputNumber.h"
#include "Platform.h"
#include "SelectCombo.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kt {
struct DeviceConfig;
struct OiParamConfig;
}  // namespace kt

class PageErrorList {
 public:
  void Add(CInputNumber* pControl, const CString& message);
  // The walk: at the first control (in the order of adding) that holds no
  // acceptable value, shows its message in an error box when bShowError,
  // and fails. TRUE when every control is valid.
  BOOL Check(BOOL bShowError) const;
  // ResetIfDisabled on every control, in order.
  void ResetDisabledInputs() const;

  std::vector<CInputNumber*> m_controls;  // non-owning
  std::vector<CString> m_messages;        // the message of the control at the same position
};

class CNormalDialog : public CDialogEx {
 public:
  CNormalDialog() : CDialogEx(0, nullptr) {}
  explicit CNormalDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : CDialogEx(nIDTemplate, pParent) {}

  // Binds the control to dialog item nID, then lists it: in m_controls
  // unless bNoList is TRUE, and in m_numberInputs / m_selectCombos by its
  // run-time class whatever bNoList says. Call it from DoDataExchange for
  // every kit control.
  void DDX_Control(CDataExchange* pDX, int nID, CWnd& control, BOOL bNoList = FALSE);
  // Disables every control of m_controls, in order.
  void DisableAllControls();
  // Makes every combo box of m_selectCombos select-only.
  void InitSelectCombos();
  // The data exchange (which fills the lists), then InitSelectCombos.
  BOOL OnInitDialog() override;
  // FALSE when any number input holds no acceptable value (TRUE for none).
  BOOL AllNumbersValid();

  // The dialog's own checks of its controls, messages only with bShowError:
  // by default the walk of m_errors; a dialog with cross-field rules checks
  // them after it.
  virtual BOOL CheckControls(BOOL bShowError);
  // Derives the enabled states of the controls from the selections.
  virtual void UpdateControls();
  // UpdateControls, then the disabled inputs of m_errors that hold no
  // acceptable value back to their defaults; the focus stays where it was.
  void RefreshKeepingFocus();

  // Non-owning, in the order of the data exchange.
  std::vector<CWnd*> m_controls;
  std::vector<CInputNumber*> m_numberInputs;
  std::vector<CSelectCombo*> m_selectCombos;
  // The number inputs with their messages, in the order they are checked.
  PageErrorList m_errors;
};

class CTabDialog : public CNormalDialog {
 public:
  using CNormalDialog::CNormalDialog;

  // Checks the page's controls (CheckControls) and, only when they pass,
  // copies their values into the record (StoreSettings). TRUE when stored.
  // Messages only with bShowError.
  virtual BOOL StorePage(BOOL bShowError);
  // RefreshKeepingFocus, then the page is repainted.
  virtual void RefreshControls();
  // Copies the controls' values into the record, after the checks passed.
  virtual void StoreSettings();
  // Computes derived values of the record just before it is written.
  virtual void PrepareSave();
  // Cross-checks the stored settings against the rest of the record.
  virtual BOOL CheckSettings(BOOL bShowError);

  // Enter and Escape never close a page.
  void OnOK() override {}
  void OnCancel() override {}

  // The record the page edits; set by its owner before the page's window
  // exists.
  kt::DeviceConfig* m_pConfig = nullptr;
};

class CSubDialogChild : public CNormalDialog {
 public:
  using CNormalDialog::CNormalDialog;

  // Checks beyond the number inputs' own validity.
  virtual BOOL CheckParam();
  // Shows the parameters of the block; nullptr shows the defaults.
  virtual void LoadParam(kt::OiParamConfig* pBlock);
  // Writes the shown parameters into the block (after the checks passed).
  virtual void StoreParam(kt::OiParamConfig* pBlock);

  void OnOK() override {}
  void OnCancel() override {}
};

struct SubDialogEntry {
  int kind;
  std::unique_ptr<CDialog> pDialog;
};

// Bound with DDX_Control to a placeholder control of its page; the children
// are created as child dialogs of the page over the placeholder's place.
class CSubDialogParent : public CNormalDialog {
 public:
  CSubDialogParent() = default;
  ~CSubDialogParent() override;

  // Takes ownership of pChild (made on the heap by the page), creates its
  // window from the template as a child of the page, hidden, over the
  // placeholder.
  void AddChild(int kind, UINT nIDTemplate, CDialog* pChild);
  // Hides the current child and shows the first one of that kind (none when
  // no such kind was added).
  void ShowChild(int kind);

  CDialog* m_pCurrent = nullptr;
  CRect m_rcChild;  // in the page's client coordinates; empty until the first AddChild
  std::vector<SubDialogEntry> m_children;
};

namespace kt {

// A switch of the record on a radio pair ("Disable"/"Enable", "Fixed"/
// "Variable"): the value 1 checks the second button, any other value the
// first; stored back as 1 when the second is checked, else 0.
void LoadSwitch(CButton& off, CButton& on, std::uint32_t value);
std::uint32_t StoreSwitch(const CButton& on);
// The same for a pair of plain dialog items of dlg, by their ids.
void LoadSwitch(CWnd& dlg, int offId, int onId, std::uint32_t value);
std::uint32_t StoreSwitch(const CWnd& dlg, int onId);

// The colour dialog over parent, opened on `initial` with `flags`; on OK the
// chosen colour goes into `color`. TRUE when one was chosen.
BOOL PickColor(CWnd* parent, COLORREF initial, DWORD flags, COLORREF& color);
// Paints a colour swatch (a frame static of dlg) as a solid block of colour.
void PaintSwatch(CDC& dc, CWnd& dlg, CWnd& swatch, COLORREF color);

}  // namespace kt
