// The pages' channel lists: a right click selects the item under it and
// tells the page (command m_nCommandId, the screen point in lParam), which
// then opens its copy/paste menu there.
#pragma once

#include "Platform.h"

// The command the pages give their channel lists.
inline constexpr UINT ID_CHANNEL_MENU = 106;

class CSelectList : public CListBox {
 public:
  CSelectList() = default;

  // prefix + start, prefix + start+1, ...; then selects the first item.
  void AddNumbers(const CString& prefix, int start, int count);

  BOOL OnMouseDown(UINT nButton, CPoint point, BOOL bDoubleClick) override;

  CPoint m_ptMenu;        // the last right click, screen coordinates
  UINT m_nCommandId = 0;  // sent on a right click; 0: none
};
