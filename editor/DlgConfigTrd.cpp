#include "DlgConfigTrd.h"

#include "CopyPasteMenu.h"

#include <climits>

const CString g_strTrdErrors[6] = {
    QStringLiteral("Setting error: Samples"),      QStringLiteral("Setting error: Pre trigger"),
    QStringLiteral("Setting error: Post trigger"), QStringLiteral("Setting error: Upper limit"),
    QStringLiteral("Setting error: Lower limit"),  QStringLiteral("Setting error: Scaling 0% = 100%"),
};

namespace {

enum : int {
  kAutoStart = 1108,
  kAutoDeleteDisable = 1332,
  kAutoDeleteEnable = 1333,
  kSpeed = 1109,
  kEncode = 1118,
  kNormalMode = 1110,
  kSamples = 1111,
  kInterval = 1112,
  kHour = 1113,
  kWeek = 1114,
  kTrigMode = 1117,
  kPre = 1115,
  kPost = 1116,
  kPenList = 1125,
  kSource = 1119,
  kChannel = 1151,
  kPenSwatch = 1441,
  kPenColorButton = 1043,
  kUpper = 1120,
  kLower = 1121,
  kComment1 = 1460,
  kComment1Swatch = 1461,
  kComment2 = 1462,
  kComment2Swatch = 1463,
  kComment1ColorButton = 1122,
  kComment2ColorButton = 1123,
};

enum Source : int { kSourceNone = 0, kSourceAi = 1, kSourceDi = 2, kSourceOi = 3, kSourceDo = 4 };
enum NormalMode : int { kModeSamples = 0, kModeTime = 1 };
// Interval items.
enum : int { kInterval1Day = 7, kInterval1Week = 8 };

// The Interval items a storing rate allows, by the rate's item: a window of
// the list, both ends included.
struct IntervalWindow {
  int first, last;
};
constexpr IntervalWindow kIntervalWindows[] = {
    {2, 4},  // 100ms: 10min .. 1hour
    {3, 5},  // 500ms: 30min .. 6hour
    {4, 6},  // 1sec: 1hour .. 12hour
    {4, 7},  // 2sec: 1hour .. 1day
    {5, 7},  // 5sec
    {5, 7},  // 10sec
    {7, 8},  // 1min: 1day, 1week
    {7, 8},  // 2min
    {7, 9},  // 5min: 1day .. 1month
    {7, 9},  // 10min
    {7, 9},  // 30min
    {8, 9},  // 1hour: 1week, 1month
};

// Selects the item whose absolute index is the value (the first shown item
// when there is none).
void Select(CSelectCombo& combo, long long value) {
  combo.SetCurSel(value >= 0 && value <= INT_MAX ? static_cast<int>(value) : -1);
}

// The absolute index of the selection; 0 without one.

void AddItems(CSelectCombo& combo, std::initializer_list<const char*> items) {
  for (const char* item : items) combo.AddString(QString::fromLatin1(item));
}

}  // namespace

CDlgConfigTrd::CDlgConfigTrd(CWnd* pParent) : CTabDialog(IDD, pParent) {
  ON_CBN_SELCHANGE(kNormalMode, &CDlgConfigTrd::UpdateRecordControls);
  ON_CBN_SELCHANGE(kSpeed, &CDlgConfigTrd::UpdateRecordControls);
  ON_CBN_SELCHANGE(kInterval, &CDlgConfigTrd::UpdateRecordControls);
  ON_LBN_SELCHANGE(kPenList, &CDlgConfigTrd::OnSelchangeChannel);
  ON_CBN_SELCHANGE(kSource, &CDlgConfigTrd::OnSelchangeSource);
  ON_BN_CLICKED(kPenColorButton, &CDlgConfigTrd::OnBnClickedPenColor);
  ON_BN_CLICKED(kComment1ColorButton, &CDlgConfigTrd::OnBnClickedCommentColor1);
  ON_BN_CLICKED(kComment2ColorButton, &CDlgConfigTrd::OnBnClickedCommentColor2);
  ON_EN_UPDATE(kUpper, &CDlgConfigTrd::OnEnUpdateRange);
  ON_EN_UPDATE(kLower, &CDlgConfigTrd::OnEnUpdateRange);
  ON_COMMAND(ID_MENU_COPY, &CDlgConfigTrd::OnMenuCopy);
  ON_COMMAND(ID_MENU_PASTE, &CDlgConfigTrd::OnMenuPaste);
}

void CDlgConfigTrd::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kAutoStart, m_comboAutoStart);
  DDX_Control(pDX, kAutoDeleteDisable, m_radioAutoDeleteDisable);
  DDX_Control(pDX, kAutoDeleteEnable, m_radioAutoDeleteEnable);
  DDX_Control(pDX, kSpeed, m_comboSpeed);
  DDX_Control(pDX, kEncode, m_comboEncode);
  DDX_Control(pDX, kNormalMode, m_comboNormalMode);
  DDX_Control(pDX, kSamples, m_editSamples);
  DDX_Control(pDX, kInterval, m_comboInterval);
  DDX_Control(pDX, kHour, m_comboHour);
  DDX_Control(pDX, kWeek, m_comboWeek);
  DDX_Control(pDX, kTrigMode, m_comboTrigMode);
  DDX_Control(pDX, kPre, m_editPre);
  DDX_Control(pDX, kPost, m_editPost);
  DDX_Control(pDX, kPenList, m_listPen);
  DDX_Control(pDX, kSource, m_comboSource);
  DDX_Control(pDX, kChannel, m_comboChannel);
  DDX_Control(pDX, kUpper, m_editUpper);
  DDX_Control(pDX, kLower, m_editLower);
  DDX_Control(pDX, kComment1, m_editComment[0]);
  DDX_Control(pDX, kComment2, m_editComment[1]);
}

BOOL CDlgConfigTrd::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();

  // The item index is the stored value.
  AddItems(m_comboAutoStart, {"Stop", "Normal record", "Trigger record"});
  AddItems(m_comboSpeed,
           {"100ms", "500ms", "1sec", "2sec", "5sec", "10sec", "1min", "2min", "5min", "10min", "30min", "1hour"});
  AddItems(m_comboEncode, {"TRD", "CSV(UTF-8)", "CSV(Shift-JIS)"});
  AddItems(m_comboNormalMode, {"Samples", "Time"});
  AddItems(m_comboInterval, {"3min", "5min", "10min", "30min", "1hour", "6hour", "12hour", "1day", "1week", "1month"});
  for (int h = 0; h < 24; ++h) m_comboHour.AddString(QString::number(h));
  AddItems(m_comboWeek, {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
  AddItems(m_comboTrigMode, {"Level", "Edge"});
  AddItems(m_comboSource, {"None", "AI", "DI", "OI", "DO"});

  // The order of adding is the order of the reports.
  m_editSamples.SetRange(1000, 50000, 2000);
  m_errors.Add(&m_editSamples, g_strTrdErrors[0]);
  m_editPre.SetRange(0, 100, 100);
  m_errors.Add(&m_editPre, g_strTrdErrors[1]);
  m_editPost.SetRange(1, 100, 100);
  m_errors.Add(&m_editPost, g_strTrdErrors[2]);
  m_editUpper.SetRange(-1000000.0, 1000000.0, 100.0);
  m_errors.Add(&m_editUpper, g_strTrdErrors[3]);
  m_editLower.SetRange(-1000000.0, 1000000.0, 0.0);
  m_errors.Add(&m_editLower, g_strTrdErrors[4]);

  m_listPen.m_nCommandId = ID_CHANNEL_MENU;
  m_listPen.AddNumbers(QStringLiteral("PEN"), 1, kt::kPenCount);

  for (CInputStringJis& comment : m_editComment) comment.SetMaxLength(32);

  m_nCurPen = 0;
  m_nCurSource = 0;
  LoadSettings(0);
  UpdateRecordControls();
  // The enabled states first: the source change below does nothing while
  // the shown pen's range is empty, and the pen's controls must still match
  // its source.
  UpdatePenControls();
  OnSelchangeSource();

  m_editUpper.m_pOwner = this;
  m_editUpper.m_pfnHighlight = &CDlgConfigTrd::IsPenRangeEmpty;
  m_editLower.m_pOwner = this;
  m_editLower.m_pfnHighlight = &CDlgConfigTrd::IsPenRangeEmpty;
  return TRUE;
}

BOOL CDlgConfigTrd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_CHANNEL_MENU && HIWORD(wParam) == 0 && lParam != 0) {
    const CPoint point = *reinterpret_cast<const CPoint*>(lParam);
    // The clicked pen is shown first (when the shown one may be left).
    OnSelchangeChannel();
    const BOOL bCopy = CheckControls(FALSE);
    const BOOL bPaste = m_nCopyFilled == 1;
    if (bCopy || bPaste) CCopyPasteMenu(this).Track(point.x, point.y, bCopy, bPaste);
    return TRUE;
  }
  return CTabDialog::OnCommand(wParam, lParam);
}

void CDlgConfigTrd::OnPaint() {
  CPaintDC dc(this);
  const struct {
    int id;
    COLORREF color;
  } swatches[] = {{kPenSwatch, m_penColor}, {kComment1Swatch, m_commentColor[0]}, {kComment2Swatch, m_commentColor[1]}};
  for (const auto& s : swatches) {
    CWnd* swatch = GetDlgItem(s.id);
    if (swatch) kt::PaintSwatch(dc, *this, *swatch, s.color);
  }
}

void CDlgConfigTrd::StoreSettings() { StorePen(m_nCurPen); }

void CDlgConfigTrd::RefreshControls() {
  UpdateControls();
  Invalidate(TRUE);
  m_comboAutoStart.SetFocus();
}

BOOL CDlgConfigTrd::CheckControls(BOOL bShowError) {
  if (!m_errors.Check(bShowError)) return FALSE;
  if (IsPenRangeEmpty()) {
    if (bShowError) AfxMessageBox(g_strTrdErrors[5], MB_ICONERROR);
    return FALSE;
  }
  return TRUE;
}

BOOL CDlgConfigTrd::IsPenRangeEmpty() {
  // A DI or DO pen has no range: its limits are not checked.
  if (!m_editUpper.IsWindowEnabled()) return FALSE;
  return m_editUpper.m_dValue == m_editLower.m_dValue ? TRUE : FALSE;
}

void CDlgConfigTrd::LoadSettings(int pen) {
  const kt::TrendConfig& trend = m_pConfig->TREND;
  Select(m_comboAutoStart, trend.ASTART);
  m_radioAutoDeleteEnable.SetCheck(trend.ADEL == 1 ? BST_CHECKED : BST_UNCHECKED);
  m_radioAutoDeleteDisable.SetCheck(trend.ADEL == 1 ? BST_UNCHECKED : BST_CHECKED);
  Select(m_comboSpeed, trend.SPEED);
  Select(m_comboEncode, trend.RECENC);
  Select(m_comboNormalMode, trend.NORMAL.MODE);
  m_editSamples.SetValue(trend.NORMAL.SAMPLES);
  Select(m_comboInterval, trend.NORMAL.TRANS);
  Select(m_comboHour, trend.NORMAL.HOUR);
  Select(m_comboWeek, trend.NORMAL.WEEK);
  Select(m_comboTrigMode, trend.TRIG.MODE);
  m_editPre.SetValue(trend.TRIG.PRE);
  m_editPost.SetValue(trend.TRIG.PST);

  LoadPen(pen);

  for (int i = 0; i < kt::kCommentCount; ++i) {
    kt::LoadText(m_editComment[i], m_pConfig->CMT[i].MSG);
    m_commentColor[i] = kt::SwapRedBlue(m_pConfig->CMT[i].COLOR);
  }
}

void CDlgConfigTrd::LoadPen(int pen) {
  const kt::PenConfig& p = m_pConfig->PEN[pen];
  Select(m_comboSource, p.CH_TYPE);
  m_nCurSource = m_comboSource.GetCurItemOrZero();
  FillPenChannels();
  if (p.CH_TYPE != kSourceNone) Select(m_comboChannel, p.CH_NO);
  m_penColor = kt::SwapRedBlue(p.COLOR);
  m_editUpper.SetValue(p.RANGE.UPPER);
  m_editLower.SetValue(p.RANGE.LOWER);
}

void CDlgConfigTrd::StorePen(int pen) {
  kt::TrendConfig& trend = m_pConfig->TREND;
  trend.ASTART = m_comboAutoStart.GetCurItemOrZero();
  trend.ADEL = m_radioAutoDeleteEnable.GetCheck() == BST_CHECKED ? 1 : 0;
  trend.SPEED = m_comboSpeed.GetCurItemOrZero();
  trend.RECENC = m_comboEncode.GetCurItemOrZero();
  trend.NORMAL.MODE = m_comboNormalMode.GetCurItemOrZero();
  trend.NORMAL.SAMPLES = m_editSamples.m_nValue;
  trend.NORMAL.TRANS = m_comboInterval.GetCurItemOrZero();
  trend.NORMAL.HOUR = m_comboHour.GetCurItemOrZero();
  trend.NORMAL.WEEK = m_comboWeek.GetCurItemOrZero();
  trend.TRIG.MODE = m_comboTrigMode.GetCurItemOrZero();
  trend.TRIG.PRE = m_editPre.m_nValue;
  trend.TRIG.PST = m_editPost.m_nValue;

  kt::PenConfig& p = m_pConfig->PEN[pen];
  p.CH_TYPE = m_comboSource.GetCurItemOrZero();
  // A pen without source keeps its channel number; one whose source was just
  // chosen while no channel was listed starts at the first channel.
  if (p.CH_TYPE != kSourceNone) p.CH_NO = static_cast<kt::u16>(m_comboChannel.GetCurItemOrZero());
  p.COLOR = kt::SwapRedBlue(m_penColor);
  p.RANGE.UPPER = m_editUpper.m_dValue;
  p.RANGE.LOWER = m_editLower.m_dValue;

  for (int i = 0; i < kt::kCommentCount; ++i) {
    kt::CommentConfig& cmt = m_pConfig->CMT[i];
    kt::StoreText(m_editComment[i], cmt.MSG);
    cmt.COLOR = kt::SwapRedBlue(m_commentColor[i]);
  }
}

void CDlgConfigTrd::FillPenChannels() {
  m_comboChannel.ClearItems();
  m_comboChannel.ResetContent();
  switch (m_comboSource.GetCurItemOrZero()) {
    case kSourceAi: m_comboChannel.FillAiChannels(m_pConfig->AI); break;
    case kSourceDi: m_comboChannel.FillDiChannels(m_pConfig->DI); break;
    case kSourceOi: m_comboChannel.FillOiChannels(m_pConfig->OI); break;
    case kSourceDo: m_comboChannel.FillDoChannels(m_pConfig->DO); break;
    default: break;
  }
}

void CDlgConfigTrd::UpdateControls() {
  CWnd* focus = CWnd::GetFocus();
  const int channel = m_comboChannel.GetCurItemOrZero();
  FillPenChannels();
  if (m_comboChannel.GetCount() > 0) m_comboChannel.SetCurSel(channel);
  m_errors.ResetDisabledInputs();
  if (focus) focus->SetFocus();
}

void CDlgConfigTrd::UpdatePenControls() {
  for (int id : {kChannel, kPenSwatch, kPenColorButton, kUpper, kLower}) GetDlgItem(id)->EnableWindow(FALSE);
  const int source = m_comboSource.GetCurItemOrZero();
  if (source == kSourceNone) return;
  for (int id : {kChannel, kPenSwatch, kPenColorButton}) GetDlgItem(id)->EnableWindow(TRUE);
  // Only analog values have a range.
  if (source == kSourceAi || source == kSourceOi) {
    m_editUpper.EnableWindow(TRUE);
    m_editLower.EnableWindow(TRUE);
  }
}

void CDlgConfigTrd::UpdateRecordControls() {
  for (int id : {kSamples, kInterval, kHour, kWeek}) GetDlgItem(id)->EnableWindow(FALSE);
  const int mode = m_comboNormalMode.GetCurItemOrZero();
  if (mode == kModeSamples) {
    m_editSamples.EnableWindow(TRUE);
  } else if (mode == kModeTime) {
    m_comboInterval.EnableWindow(TRUE);
    const int speed = m_comboSpeed.GetCurSel() < 0 ? -1 : m_comboSpeed.GetCurItemOrZero();
    if (speed >= 0 && speed < static_cast<int>(std::size(kIntervalWindows))) {
      m_comboInterval.ShowRange(kIntervalWindows[speed].first, kIntervalWindows[speed].last);
    } else {
      m_comboInterval.ShowAll();
    }
    const int interval = m_comboInterval.GetCurItemOrZero();
    if (interval >= kInterval1Day) m_comboHour.EnableWindow(TRUE);
    if (interval == kInterval1Week) m_comboWeek.EnableWindow(TRUE);
  }
  m_errors.ResetDisabledInputs();
}

void CDlgConfigTrd::OnSelchangeChannel() {
  const int pen = m_listPen.GetCurSel();
  if (pen < 0 || pen >= kt::kPenCount || pen == m_nCurPen) return;
  const CString* error = nullptr;
  if (!m_editUpper.m_bValid) {
    error = &g_strTrdErrors[3];
  } else if (!m_editLower.m_bValid) {
    error = &g_strTrdErrors[4];
  } else if (IsPenRangeEmpty()) {
    error = &g_strTrdErrors[5];
  }
  if (error) {
    AfxMessageBox(*error, MB_ICONERROR);
    m_listPen.SetCurSel(m_nCurPen);
    return;
  }
  StorePen(m_nCurPen);
  LoadSettings(pen);
  UpdatePenControls();
  UpdateControls();
  Invalidate(TRUE);
  m_nCurPen = pen;
}

void CDlgConfigTrd::OnSelchangeSource() {
  const int source = m_comboSource.GetCurItemOrZero();
  if (IsPenRangeEmpty()) {
    if (source != m_nCurSource) {
      m_comboSource.SetCurSel(m_nCurSource);
      AfxMessageBox(g_strTrdErrors[5], MB_ICONERROR);
    }
    return;
  }
  m_nCurSource = source;
  StorePen(m_nCurPen);
  LoadSettings(m_nCurPen);
  UpdateControls();
  UpdatePenControls();
}

void CDlgConfigTrd::ChooseColor(COLORREF& color) {
  if (kt::PickColor(this, color, 0, color)) Invalidate(TRUE);
}

void CDlgConfigTrd::OnBnClickedPenColor() { ChooseColor(m_penColor); }
void CDlgConfigTrd::OnBnClickedCommentColor1() { ChooseColor(m_commentColor[0]); }
void CDlgConfigTrd::OnBnClickedCommentColor2() { ChooseColor(m_commentColor[1]); }

void CDlgConfigTrd::OnEnUpdateRange() {
  // The emptiness of the range is a matter of both inputs.
  m_editUpper.Invalidate(TRUE);
  m_editLower.Invalidate(TRUE);
}

void CDlgConfigTrd::OnMenuCopy() {
  StorePen(m_nCurPen);
  m_copyPen = m_pConfig->PEN[m_nCurPen];
  m_nCopyFilled = 1;
}

void CDlgConfigTrd::OnMenuPaste() {
  // Only the pen: unsaved edits elsewhere on the page stay as they are.
  m_pConfig->PEN[m_nCurPen] = m_copyPen;
  LoadPen(m_nCurPen);
  UpdatePenControls();
  Invalidate(TRUE);
}
