// Push buttons of the kit: CButtonTooltip carries a tooltip (the "COM"
// buttons); CSelectButton is the pages' plain push button.
#pragma once

#include "Platform.h"

#include <memory>

class CButtonTooltip : public CButton {
 public:
  CButtonTooltip();
  ~CButtonTooltip() override;

  // The first call makes the tooltip (parent: the button's parent, shown
  // even when the window is inactive) with the button as its one tool;
  // later calls replace the text.
  void SetTooltipText(const CString& text);
  // The tooltip's text; empty before the first SetTooltipText.
  CString GetTooltipText() const;

  void OnMouseMove(CPoint point) override;
  void OnMouseLeave() override;

  std::unique_ptr<CToolTipCtrl> m_pToolTip;
};

class CSelectButton : public CButton {};
