#include "DlgConfigMail.h"

#include "DlgConfigMailAccount.h"
#include "DlgConfigMailAddrlist.h"
#include "DlgConfigMailForm.h"
#include "DlgConfigSelect.h"

#include <cstring>

namespace {

enum : int {
  kAddressList = 1003,
  kAccount = 1004,
  kOnes = 1079,
  kTemplateNo = 1080,
  kSelectTemplate = 1174,
  kFirstDay = 1175,
  kFirstWeekday = 1206,
  kFirstHour = 1213,
  kFirstTens = 1237,
  kTemplateSetting = 1243,
};

constexpr int kOnesCount = 10;

template <std::size_t N>
void LoadBits(CButton (&boxes)[N], kt::u32 mask) {
  for (std::size_t i = 0; i < N; ++i) boxes[i].SetCheck((mask >> i) & 1u ? BST_CHECKED : BST_UNCHECKED);
}

// Only the boxes' bits: whatever else the record held is dropped.
template <std::size_t N>
kt::u32 StoreBits(const CButton (&boxes)[N]) {
  kt::u32 mask = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (boxes[i].GetCheck() == BST_CHECKED) mask |= kt::u32{1} << i;
  }
  return mask;
}

}  // namespace

CDlgConfigMail::CDlgConfigMail(CWnd* pParent) : CTabDialog(IDD, pParent) {
  ON_BN_CLICKED(kAccount, &CDlgConfigMail::OnBnClickedAccount);
  ON_BN_CLICKED(kAddressList, &CDlgConfigMail::OnBnClickedAddressList);
  ON_BN_CLICKED(kSelectTemplate, &CDlgConfigMail::OnBnClickedSelectTemplate);
  ON_BN_CLICKED(kTemplateSetting, &CDlgConfigMail::OnBnClickedTemplateSetting);
}

void CDlgConfigMail::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  for (int i = 0; i < kDayCount; ++i) DDX_Control(pDX, kFirstDay + i, m_checkDay[i]);
  for (int i = 0; i < kWeekdayCount; ++i) DDX_Control(pDX, kFirstWeekday + i, m_checkWeekday[i]);
  for (int i = 0; i < kHourCount; ++i) DDX_Control(pDX, kFirstHour + i, m_checkHour[i]);
  for (int i = 0; i < kTensCount; ++i) DDX_Control(pDX, kFirstTens + i, m_checkTens[i]);
  DDX_Control(pDX, kOnes, m_comboOnes);
  DDX_Control(pDX, kTemplateNo, m_comboTemplate);
}

BOOL CDlgConfigMail::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();
  for (int i = 0; i < kOnesCount; ++i) m_comboOnes.AddString(QString::number(i));
  for (int i = 1; i <= kt::kMailFormCount; ++i) m_comboTemplate.AddString(QString::number(i));
  m_comboTemplate.SetCurSel(0);
  LoadSettings();
  return TRUE;
}

void CDlgConfigMail::LoadSettings() {
  std::memcpy(m_address, m_pConfig->MAIL.A, sizeof m_address);
  m_smtp = m_pConfig->SMTP;
  const kt::MailScheduleConfig& reg = m_pConfig->MAIL.REG;
  m_nTemplateMask = reg.FORM;
  LoadBits(m_checkDay, reg.EXECTIME.DAY);
  LoadBits(m_checkWeekday, reg.EXECTIME.WEEK);
  LoadBits(m_checkHour, reg.EXECTIME.HOUR);
  LoadBits(m_checkTens, reg.EXECTIME.MIN);
  m_comboOnes.SetCurSel(0);
  if (reg.EXECTIME.OFFSET < kOnesCount) m_comboOnes.SetCurSel(reg.EXECTIME.OFFSET);
}

void CDlgConfigMail::StoreSettings() {
  std::memcpy(m_pConfig->MAIL.A, m_address, sizeof m_address);
  m_pConfig->SMTP = m_smtp;
  kt::MailScheduleConfig& reg = m_pConfig->MAIL.REG;
  reg.FORM = m_nTemplateMask;
  reg.EXECTIME.DAY = StoreBits(m_checkDay);
  reg.EXECTIME.WEEK = static_cast<kt::u8>(StoreBits(m_checkWeekday));
  reg.EXECTIME.HOUR = StoreBits(m_checkHour);
  reg.EXECTIME.MIN = static_cast<kt::u8>(StoreBits(m_checkTens));
  reg.EXECTIME.OFFSET = static_cast<kt::u8>(m_comboOnes.GetCurItemOrZero());
}

void CDlgConfigMail::OnBnClickedAccount() {
  CDlgConfigMailAccount dlg(this);
  dlg.m_pConfig = m_pConfig;
  dlg.m_pSmtp = &m_smtp;
  dlg.m_strTitle = QStringLiteral("Account setting");
  if (dlg.DoModal() == IDOK) Invalidate(TRUE);
}

void CDlgConfigMail::OnBnClickedAddressList() {
  CDlgConfigMailAddrlist dlg(this);
  dlg.m_pAddress = m_address;
  if (dlg.DoModal() == IDOK) Invalidate(TRUE);
}

void CDlgConfigMail::OnBnClickedSelectTemplate() {
  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = QStringLiteral("Mail template selection");
  dlg.m_masks[0] = m_nTemplateMask;
  dlg.AddChannelRows(m_pConfig->MAIL.F);
  if (dlg.DoModal() == IDOK) m_nTemplateMask = dlg.m_masks[0];
}

void CDlgConfigMail::OnBnClickedTemplateSetting() {
  CDlgConfigMailForm dlg(this);
  dlg.m_pConfig = m_pConfig;
  dlg.m_pForm = &m_pConfig->MAIL.F[m_comboTemplate.GetCurItemOrZero()];
  // The rows as this page holds them, not yet written to the record.
  std::memcpy(dlg.m_address, m_address, sizeof m_address);
  dlg.m_strTitle = QStringLiteral("Mail template setting");
  if (dlg.DoModal() == IDOK) Invalidate(TRUE);
}
