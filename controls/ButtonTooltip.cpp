#include "ButtonTooltip.h"

CButtonTooltip::CButtonTooltip() = default;

CButtonTooltip::~CButtonTooltip() = default;

void CButtonTooltip::SetTooltipText(const CString& text) {
  if (!m_pToolTip) {
    m_pToolTip = std::make_unique<CToolTipCtrl>();
    m_pToolTip->Create(GetParent(), TTS_ALWAYSTIP);
    m_pToolTip->AddTool(this, text);
    return;
  }
  m_pToolTip->UpdateTipText(text, this);
}

CString CButtonTooltip::GetTooltipText() const {
  return m_pToolTip ? m_pToolTip->GetText(const_cast<CButtonTooltip*>(this)) : CString();
}

void CButtonTooltip::OnMouseMove(CPoint) {
  if (m_pToolTip) m_pToolTip->Popup();
}

void CButtonTooltip::OnMouseLeave() {
  if (m_pToolTip) m_pToolTip->Pop();
}
