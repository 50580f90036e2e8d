#include "OiParam.h"

#include <cmath>

namespace {

// Operand sources by TYPE.
const char* const kSources[] = {"Const", "AI", "DI", "OI", "AI_Zone"};
constexpr int kSourceCount = 5;
constexpr int kTypeDi = 2;

void Refill(CSelectCombo* pChannel, int type) {
  if (pChannel) pChannel->FillNumberedNames(OiChannelCount(type));
}

}  // namespace

int OiChannelCount(int type) { return type == kTypeDi ? 2 : 4; }

void ShowStoredValue(CInputNumberFloat& input, double value) { input.SetValue(value); }

void ShowStoredValue(CInputNumberUint& input, double value) {
  if (std::isfinite(value) && value > -1.0 && value < 4294967296.0) {
    input.SetValue(static_cast<UINT>(std::trunc(value)));
  } else {
    input.SetWindowText(CString());
  }
}

int StoredItemIndex(double value, int count) {
  if (!std::isfinite(value) || value <= -1.0 || value >= count) return -1;
  return static_cast<int>(std::trunc(value));
}

// ---------------------------------------------------------------------------
// COiSourceCombo

BOOL COiSourceCombo::OnChildNotify(UINT nCode) {
  const BOOL handled = CSelectCombo::OnChildNotify(nCode);
  // The report of a closed list (moves through the open list are swallowed
  // by the base).
  if (nCode == CBN_SELCHANGE && !handled && GetCurItem() != m_nShown) OnCbnSelchange();
  return handled;
}

// ---------------------------------------------------------------------------
// COiParam

void COiParam::Init(CSelectCombo* pChannel, CInputNumberFloat* pConstant) {
  m_pChannel = pChannel;
  m_pConstant = pConstant;
  for (const char* text : kSources) AddString(QString::fromLatin1(text));
  SetType(0);
  if (m_pChannel) m_pChannel->AddNumbers(CString(), 1, 4);
  if (m_pConstant) m_pConstant->SetRange(-1000000.0, 1000000.0, 0.0);
  if (m_pChannel) m_pChannel->EnableWindow(FALSE);
  if (m_pConstant) m_pConstant->EnableWindow(TRUE);
}

int COiParam::SetType(int type) {
  const int index = type >= 0 && type < kSourceCount ? type : 0;
  SetCurSel(index);
  m_nShown = index;
  // The states follow the source shown, so a TYPE without item never leaves
  // "Const" with an enabled channel box.
  if (m_pChannel) m_pChannel->EnableWindow(index != 0 ? TRUE : FALSE);
  if (m_pConstant) m_pConstant->EnableWindow(index == 0 ? TRUE : FALSE);
  return index;
}

void COiParam::SetParam(int type, std::uint16_t no, double constant) {
  SetType(type);
  OnCbnSelchange();
  if (m_pChannel) m_pChannel->SetCurSel(no);
  if (m_pConstant) ShowStoredValue(*m_pConstant, constant);
}

void COiParam::OnCbnSelchange() {
  const int type = GetCurItem();
  m_nShown = type;
  if (type <= 0) {
    if (m_pChannel) m_pChannel->EnableWindow(FALSE);
    if (m_pConstant) m_pConstant->EnableWindow(TRUE);
    return;
  }
  if (m_pChannel) m_pChannel->EnableWindow(TRUE);
  if (m_pConstant) {
    m_pConstant->EnableWindow(FALSE);
    m_pConstant->ResetIfDisabled();
  }
  Refill(m_pChannel, type);
}

// ---------------------------------------------------------------------------
// COiParamAiOi

void COiParamAiOi::Init(CSelectCombo* pChannel) {
  m_pChannel = pChannel;
  for (int i = 1; i < kSourceCount; ++i) AddString(QString::fromLatin1(kSources[i]));
  SetCurSel(0);
  m_nShown = 0;
  if (m_pChannel) {
    m_pChannel->AddNumbers(CString(), 1, 4);
    m_pChannel->EnableWindow(TRUE);
  }
}

void COiParamAiOi::SetParam(std::uint32_t type, std::uint16_t no) {
  SetCurSel(type >= 1 && type < kSourceCount ? static_cast<int>(type) - 1 : 0);
  OnCbnSelchange();
  if (m_pChannel) m_pChannel->SetCurSel(no);
}

void COiParamAiOi::GetParam(std::uint32_t* pType, std::uint16_t* pNo) {
  const int sel = GetCurItem();
  if (pType) *pType = sel < 0 ? 1u : static_cast<std::uint32_t>(sel) + 1u;
  if (pNo) {
    const int no = m_pChannel ? m_pChannel->GetCurItem() : 0;
    *pNo = static_cast<std::uint16_t>(no < 0 ? 0 : no);
  }
}

void COiParamAiOi::OnCbnSelchange() {
  const int sel = GetCurItem();
  m_nShown = sel;
  Refill(m_pChannel, sel < 0 ? 1 : sel + 1);
}
