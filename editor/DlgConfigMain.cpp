#include "DlgConfigMain.h"

#include "AppPreferences.h"
#include "ComPorts.h"
#include "ConfigPages.h"
#include "DlgCom.h"
#include "HttpClient.h"
#include "JsonWriter.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

const CString g_strConfigMainMessages[6] = {
    QStringLiteral("CFG File(*.json)|*.json||"),
    QStringLiteral("Cannot open file."),
    QStringLiteral("File saved."),
    QStringLiteral("Cannot save file."),
    QStringLiteral("Completed."),
    QStringLiteral("Are you sure you want to discard the settings?"),
};

namespace {

constexpr int kIdTab = 1013;
constexpr int kIdSave = 1012;
constexpr int kIdUpload = 1014;
constexpr int kIdCom = 1011;
constexpr int kIdCheckMessage = 1157;
constexpr UINT kStrTitle = 102;
const char kDefaultFileName[] = "kt2057cfg.json";

}  // namespace

namespace kt {

SaveFileResult SaveDocumentFile(const QString& path, const char* data, qint64 length) {
  // A target that exists but may not be written is refused as such, not
  // replaced behind the user's back.
  const QFileInfo info(path);
  if (info.exists() && (!info.isFile() || !info.isWritable())) return SaveFileResult::CannotOpen;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return SaveFileResult::CannotOpen;
  if (file.write(data, length) != length) {
    file.cancelWriting();  // the temporary file goes; the target stays as it was
    return SaveFileResult::CannotSave;
  }
  return file.commit() ? SaveFileResult::Saved : SaveFileResult::CannotSave;
}

}  // namespace kt

CDlgConfigMain::CDlgConfigMain() : CNormalDialog(IDD, nullptr) {
  std::memset(&m_config, 0, sizeof m_config);
  std::memset(&m_savedConfig, 0, sizeof m_savedConfig);
  ON_NOTIFY(TCN_SELCHANGE, kIdTab, &CDlgConfigMain::OnTcnSelchangeTab);
  ON_BN_CLICKED(kIdUpload, &CDlgConfigMain::OnUpload);
  ON_BN_CLICKED(kIdSave, &CDlgConfigMain::OnSaveFile);
  ON_BN_CLICKED(kIdCom, &CDlgConfigMain::OnCom);
  ON_BN_CLICKED(IDOK, &CDlgConfigMain::OnQuit);
  ON_BN_CLICKED(kIdCheckMessage, &CDlgConfigMain::OnCheckMessage);
}

// The pages go first: their windows are children of the tab control.
CDlgConfigMain::~CDlgConfigMain() { m_pages.clear(); }

void CDlgConfigMain::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdTab, m_tab);
  DDX_Control(pDX, kIdCom, m_btnCom);
}

BOOL CDlgConfigMain::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();
  SetRedraw(FALSE);

  // Taken before any page exists: the record exactly as it was handed over.
  m_savedConfig = m_config;
  SetWindowText(LoadString(kStrTitle));

  const auto table = ConfigPageTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    m_tab.InsertItem(static_cast<int>(i), QString::fromUtf8(table[i].label));
  }

  // The pages cover the tab control's display area, reaching 2 pixels
  // further left and down.
  CRect rect;
  m_tab.GetClientRect(&rect);
  m_tab.AdjustRect(FALSE, &rect);
  rect.left -= 2;
  rect.bottom += 2;

  for (const ConfigPageEntry& entry : table) {
    std::unique_ptr<CTabDialog> page(entry.create(&m_tab));
    page->m_pConfig = &m_config;
    page->Create(entry.templateId, &m_tab);  // loads the record into the controls
    page->MoveWindow(rect, TRUE);
    if (QWidget* w = page->GetSafeHwnd()) w->setAutoFillBackground(false);  // let the tab frame show
    m_pages.push_back(std::move(page));
  }

  m_tab.SetCurSel(0);
  m_nCurPage = 0;
  if (!m_pages.empty()) {
    m_pages[0]->ShowWindow(SW_SHOW);
    // Like every page when it is shown: a disabled input that holds a value
    // out of range goes back to its default instead of trapping the user.
    m_pages[0]->RefreshControls();
  }

  CheckDlgButton(kIdCheckMessage, kt::ActivePreferences().m_bTagMessage ? BST_CHECKED : BST_UNCHECKED);
  UpdateComTooltip();

  SetRedraw(TRUE);
  Invalidate(TRUE);
  return TRUE;
}

void CDlgConfigMain::UpdateComTooltip() {
  const kt::ComPortMap ports = kt::EnumComPorts();
  // m_nCom is bounded to 1..256, so this index cannot overflow.
  m_btnCom.SetTooltipText(kt::GetComPortName(ports, kt::ActivePreferences().m_nCom - 1));
}

CTabDialog* CDlgConfigMain::CurrentPage() const {
  if (m_nCurPage < 0 || m_nCurPage >= static_cast<int>(m_pages.size())) return nullptr;
  return m_pages[static_cast<std::size_t>(m_nCurPage)].get();
}

void CDlgConfigMain::OnTcnSelchangeTab(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  const int sel = m_tab.GetCurSel();
  if (sel < 0 || sel >= static_cast<int>(m_pages.size()) || !m_pages[static_cast<std::size_t>(sel)]) return;
  if (sel != m_nCurPage) {
    CTabDialog* leaving = CurrentPage();
    if (leaving && leaving->StorePage(TRUE) != 1) {
      m_tab.SetCurSel(m_nCurPage);
      return;
    }
  }
  SetRedraw(FALSE);
  for (std::size_t i = 0; i < m_pages.size(); ++i) {
    CTabDialog* page = m_pages[i].get();
    if (static_cast<int>(i) == sel) {
      page->ShowWindow(SW_SHOW);
      page->RefreshControls();
      page->SetFocus();
    } else {
      page->ShowWindow(SW_HIDE);
    }
  }
  SetRedraw(TRUE);
  Invalidate(TRUE);
  m_nCurPage = sel;
}

BOOL CDlgConfigMain::CheckAllPages() {
  for (const auto& page : m_pages) {
    if (!page->CheckSettings(TRUE)) return FALSE;
  }
  return TRUE;
}

void CDlgConfigMain::PrepareAllPages() {
  for (const auto& page : m_pages) page->PrepareSave();
}

BOOL CDlgConfigMain::StoreAndCheck() {
  CTabDialog* page = CurrentPage();
  if (page && page->StorePage(TRUE) != 1) return FALSE;
  if (!CheckAllPages()) return FALSE;
  PrepareAllPages();
  return TRUE;
}

void CDlgConfigMain::OnSaveFile() {
  if (!StoreAndCheck()) return;

  const QString initial = m_strFilePath.isEmpty() ? QString::fromLatin1(kDefaultFileName) : m_strFilePath;
  CFileDialog dlg(FALSE, QStringLiteral("json"), initial, OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR,
                  g_strConfigMainMessages[0], nullptr, 0, TRUE);
  // The read file's path is offered once, whatever the dialog's outcome.
  m_strFilePath.clear();

  auto buffer = std::make_unique_for_overwrite<char[]>(kt::kJsonConfigBufferSize);
  const int length = kt::JsonWriteConfig(&m_config, buffer.get(), kt::kJsonConfigBufferSize);
  if (dlg.DoModal() != IDOK) return;

  switch (kt::SaveDocumentFile(dlg.GetPathName(), buffer.get(), length)) {
    case kt::SaveFileResult::CannotOpen: AfxMessageBox(g_strConfigMainMessages[1], MB_ICONERROR); break;
    case kt::SaveFileResult::CannotSave: AfxMessageBox(g_strConfigMainMessages[3], MB_ICONERROR); break;
    case kt::SaveFileResult::Saved:
      AfxMessageBox(g_strConfigMainMessages[2], MB_ICONINFORMATION);
      m_savedConfig = m_config;
      break;
  }
}

void CDlgConfigMain::OnUpload() {
  if (!StoreAndCheck()) return;

  auto buffer = std::make_unique<char[]>(kt::kJsonConfigBufferSize);  // zero-filled
  const int length = kt::JsonWriteConfig(&m_config, buffer.get(), kt::kJsonConfigBufferSize);
  QByteArray answer;
  const kt::HttpResult result = kt::HttpPostConfig(QStringLiteral("?type=config"), buffer.get(), length, answer);
  if (result == kt::HTTP_RESULT_OK) {
    AfxMessageBox(g_strConfigMainMessages[4], MB_ICONINFORMATION);
  } else if (result != kt::HTTP_RESULT_LOGIN_CANCELLED) {
    kt::ShowHttpResult(result);
  }
}

void CDlgConfigMain::OnQuit() {
  CTabDialog* page = CurrentPage();
  const BOOL stored = page ? page->StorePage(FALSE) : TRUE;
  const bool same = std::memcmp(&m_config, &m_savedConfig, sizeof m_config) == 0;
  if (stored == 1 && same) {
    CDialog::OnOK();
    return;
  }
  if (AfxMessageBox(g_strConfigMainMessages[5], MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL) return;
  CDialog::OnOK();
}

void CDlgConfigMain::OnCom() {
  CDlgCom dlg(this);
  dlg.DoModal();
  UpdateComTooltip();
}

void CDlgConfigMain::OnCheckMessage() {
  const int checked = IsDlgButtonChecked(kIdCheckMessage) == BST_CHECKED ? 1 : 0;
  kt::ActivePreferences().m_bTagMessage = checked;
  kt::WriteProfileInt(QString::fromLatin1(kt::kProfileSection), QString::fromLatin1(kt::kProfileTagMessage), checked);
}
