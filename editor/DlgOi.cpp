#include "DlgOi.h"

#include "DeviceConfig.h"

#include <array>
#include <cmath>

const CString g_strOiAnasumUnitItems[4] = {QStringLiteral("Minute"), QStringLiteral("Hour"), QStringLiteral("Day"),
                                           CString()};
const CString g_strOiTimeItems[6] = {QStringLiteral("Month"),  QStringLiteral("Day"),    QStringLiteral("Hour"),
                                     QStringLiteral("Minute"), QStringLiteral("Second"), QStringLiteral("Day of week")};

namespace {

constexpr int kConst = 0;
constexpr int kAi = 1;

// Rows of each kind, from the top.
constexpr OiOperandRow kAddRows[] = {
    {'K', 1, 1181, 1186, 1179, kConst, 0.0}, {'X', 1, 1189, 1190, 1185, kAi, 0.0},
    {'K', 2, 1182, 1187, 1180, kConst, 0.0}, {'X', 2, 1192, 1193, 1191, kAi, 0.0},
    {'K', 3, 1184, 1188, 1183, kConst, 0.0}, {'X', 3, 1195, 1196, 1194, kAi, 0.0},
    {'A', 0, 1198, 1199, 1197, kConst, 0.0},
};
constexpr OiOperandRow kMulRows[] = {
    {'K', 1, 1201, 1208, 1215, kConst, 1.0}, {'X', 1, 1202, 1209, 1219, kAi, 0.0},
    {'A', 1, 1203, 1210, 1216, kConst, 0.0}, {'K', 2, 1204, 1212, 1217, kConst, 1.0},
    {'X', 2, 1205, 1211, 1218, kAi, 0.0},    {'A', 2, 1206, 1213, 1220, kConst, 0.0},
    {'A', 0, 1207, 1214, 1221, kConst, 0.0},
};
// The divisor's inputs default to 1 so that a fresh division is defined.
constexpr OiOperandRow kDivRows[] = {
    {'K', 1, 1223, 1230, 1237, kConst, 1.0}, {'X', 1, 1224, 1231, 1238, kAi, 1.0},
    {'A', 1, 1225, 1232, 1239, kConst, 0.0}, {'K', 2, 1226, 1233, 1240, kConst, 1.0},
    {'X', 2, 1227, 1234, 1241, kAi, 1.0},    {'A', 2, 1228, 1235, 1242, kConst, 0.0},
    {'A', 0, 1229, 1236, 1243, kConst, 0.0},
};
constexpr OiOperandRow kSqrtRows[] = {{'K', 1, 1245, 1247, 1249, kConst, 1.0}, {'X', 1, 1246, 1248, 1250, kAi, 0.0}};
constexpr OiOperandRow kMovaveRows[] = {{'X', 1, 1253, 1255, 1257, kAi, 0.0}};
constexpr OiOperandRow kDelayRows[] = {{'X', 1, 1260, 1262, 1264, kAi, 0.0}};
constexpr OiOperandRow kExpRows[] = {{'X', 1, 1266, 1267, 1268, kAi, 0.0}};
constexpr OiOperandRow kLogRows[] = {{'X', 1, 1270, 1271, 1272, kAi, 0.0}};
constexpr OiOperandRow kLnRows[] = {{'X', 1, 1273, 1274, 1275, kAi, 0.0}};
constexpr OiOperandRow kMaxRows[] = {{'X', 1, 1276, 1277, 1278, kAi, 0.0}};
constexpr OiOperandRow kMinRows[] = {{'X', 1, 1279, 1280, 1281, kAi, 0.0}};
constexpr OiOperandRow kPowRows[] = {{'K', 1, 1288, 1289, 1290, kConst, 0.0}, {'X', 1, 1291, 1292, 1293, kAi, 0.0}};
constexpr OiOperandRow kFRows[] = {
    {'X', 1, 1298, 1299, 1300, kAi, 0.0},
    {'K', 1, 1301, 1302, 1303, kConst, 120.0},
    {'K', 2, 1296, 1297, 1295, kConst, 10.0},
};
constexpr OiOperandRow kAlogRows[] = {{'X', 1, 1304, 1305, 1306, kAi, 0.0}};
constexpr OiOperandRow kScaRows[] = {
    {'X', 1, 1311, 1312, 1313, kAi, 1.0},        {'K', 1, 1314, 1315, 1316, kConst, 0.0},
    {'K', 2, 1317, 1318, 1319, kConst, 10000.0}, {'K', 3, 1305, 1306, 1304, kConst, 0.0},
    {'K', 4, 1309, 1310, 1308, kConst, 100.0},
};

constexpr double kConstantLimit = 1000000.0;

// Writes a constant field: the operand becomes a constant of that value.
void StoreConstant(kt::OiOperandConfig& op, double value) {
  op.TYPE = 0;
  op.CONST = value;
}

int SelectedIndex(const CComboBox& combo) { return combo.GetCurSel(); }
int SelectedIndex(const CSelectCombo& combo) { return combo.GetCurItem(); }

}  // namespace

kt::OiOperandConfig& OiOperand(kt::OiParamConfig& block, char group, int index) {
  switch (group) {
    case 'X': return block.X[index];
    case 'K': return block.K[index];
    default: return block.A[index];
  }
}

// ---------------------------------------------------------------------------
// CDlgOiOperands

CDlgOiOperands::CDlgOiOperands(UINT nIDTemplate, std::span<const OiOperandRow> rows)
    : CSubDialogChild(nIDTemplate, nullptr), m_rowSpecs(rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) m_rows.push_back(std::make_unique<Row>());
}

void CDlgOiOperands::DoDataExchange(CDataExchange* pDX) {
  CSubDialogChild::DoDataExchange(pDX);
  for (std::size_t i = 0; i < m_rowSpecs.size(); ++i) {
    DDX_Control(pDX, m_rowSpecs[i].idSource, m_rows[i]->source);
    DDX_Control(pDX, m_rowSpecs[i].idChannel, m_rows[i]->channel);
    DDX_Control(pDX, m_rowSpecs[i].idConstant, m_rows[i]->constant);
  }
  BindFields(pDX);
}

BOOL CDlgOiOperands::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();
  for (auto& row : m_rows) row->source.Init(&row->channel, &row->constant);
  InitFields();
  return TRUE;
}

CDlgOiOperands::Row* CDlgOiOperands::FindRow(char group, int index) {
  for (std::size_t i = 0; i < m_rowSpecs.size(); ++i) {
    if (m_rowSpecs[i].group == group && m_rowSpecs[i].index == index) return m_rows[i].get();
  }
  return nullptr;
}

void CDlgOiOperands::LoadParam(kt::OiParamConfig* pBlock) {
  for (std::size_t i = 0; i < m_rowSpecs.size(); ++i) {
    const OiOperandRow& rowSpec = m_rowSpecs[i];
    COiParam& source = m_rows[i]->source;
    if (pBlock) {
      const kt::OiOperandConfig& op = OiOperand(*pBlock, rowSpec.group, rowSpec.index);
      // A TYPE beyond int shows "Const" like any other TYPE without item.
      const int type = op.TYPE <= 0x7fffffffu ? static_cast<int>(op.TYPE) : -1;
      source.SetParam(type, op.NO, op.CONST);
    } else {
      // Like a stored operand on channel 1, so that a channel source also
      // offers its own channel numbers.
      source.SetParam(rowSpec.defaultType, 0, rowSpec.defaultConstant);
    }
  }
  LoadFields(pBlock);
}

void CDlgOiOperands::StoreParam(kt::OiParamConfig* pBlock) {
  if (!pBlock) return;
  for (std::size_t i = 0; i < m_rowSpecs.size(); ++i) {
    const OiOperandRow& rowSpec = m_rowSpecs[i];
    const Row& row = *m_rows[i];
    kt::OiOperandConfig& op = OiOperand(*pBlock, rowSpec.group, rowSpec.index);
    const int type = SelectedIndex(row.source);
    const int no = SelectedIndex(row.channel);
    op.TYPE = static_cast<kt::u32>(type < 0 ? 0 : type);
    op.NO = static_cast<kt::u16>(no < 0 ? 0 : no);
    op.CONST = row.constant.m_dValue;
  }
  StoreFields(*pBlock);
}

// ---------------------------------------------------------------------------
// The kinds made of operand rows only

CDlgOiAdd::CDlgOiAdd() : CDlgOiOperands(IDD, kAddRows) {}
CDlgOiMul::CDlgOiMul() : CDlgOiOperands(IDD, kMulRows) {}
CDlgOiDiv::CDlgOiDiv() : CDlgOiOperands(IDD, kDivRows) {}
CDlgOiSqrt::CDlgOiSqrt() : CDlgOiOperands(IDD, kSqrtRows) {}
CDlgOiExp::CDlgOiExp() : CDlgOiOperands(IDD, kExpRows) {}
CDlgOiLog::CDlgOiLog() : CDlgOiOperands(IDD, kLogRows) {}
CDlgOiLn::CDlgOiLn() : CDlgOiOperands(IDD, kLnRows) {}
CDlgOiMax::CDlgOiMax() : CDlgOiOperands(IDD, kMaxRows) {}
CDlgOiMin::CDlgOiMin() : CDlgOiOperands(IDD, kMinRows) {}
CDlgOiPow::CDlgOiPow() : CDlgOiOperands(IDD, kPowRows) {}
CDlgOiF::CDlgOiF() : CDlgOiOperands(IDD, kFRows) {}
CDlgOiAlog::CDlgOiAlog() : CDlgOiOperands(IDD, kAlogRows) {}

// ---------------------------------------------------------------------------
// CDlgOiMovave

namespace {
constexpr int kSampleCounts[] = {4, 8, 16, 32, 64};
}

CDlgOiMovave::CDlgOiMovave() : CDlgOiOperands(IDD, kMovaveRows) {}

void CDlgOiMovave::BindFields(CDataExchange* pDX) { DDX_Control(pDX, 1252, m_comboCount); }

void CDlgOiMovave::InitFields() {
  for (int count : kSampleCounts) m_comboCount.AddString(QString::number(count));
  m_comboCount.SetCurSel(0);
}

void CDlgOiMovave::LoadFields(const kt::OiParamConfig* pBlock) {
  int item = 0;
  if (pBlock) {
    const double value = pBlock->K[1].CONST;
    for (int i = 1; i < static_cast<int>(std::size(kSampleCounts)); ++i) {
      if (std::isfinite(value) && std::trunc(value) == kSampleCounts[i]) item = i;
    }
  }
  m_comboCount.SetCurSel(item);
}

void CDlgOiMovave::StoreFields(kt::OiParamConfig& block) {
  const int item = SelectedIndex(m_comboCount);
  const bool known = item >= 0 && item < static_cast<int>(std::size(kSampleCounts));
  StoreConstant(block.K[1], known ? kSampleCounts[item] : kSampleCounts[0]);
}

// ---------------------------------------------------------------------------
// CDlgOiDelay

CDlgOiDelay::CDlgOiDelay() : CDlgOiOperands(IDD, kDelayRows) {}

void CDlgOiDelay::BindFields(CDataExchange* pDX) {
  DDX_Control(pDX, 1263, m_editTime);
  DDX_Control(pDX, 1265, m_editGain);
}

void CDlgOiDelay::InitFields() {
  m_editTime.SetRange(0, 100, 0);
  m_editGain.SetRange(-kConstantLimit, kConstantLimit, 1.0);
}

void CDlgOiDelay::LoadFields(const kt::OiParamConfig* pBlock) {
  if (pBlock) {
    ShowStoredValue(m_editTime, pBlock->K[1].CONST);
    ShowStoredValue(m_editGain, pBlock->K[2].CONST);
  } else {
    m_editTime.SetValue(0);
    m_editGain.SetValue(1.0);
  }
}

void CDlgOiDelay::StoreFields(kt::OiParamConfig& block) {
  StoreConstant(block.K[1], static_cast<double>(m_editTime.m_nValue));
  StoreConstant(block.K[2], m_editGain.m_dValue);
}

// ---------------------------------------------------------------------------
// CDlgOiAnasum

CDlgOiAnasum::CDlgOiAnasum() : CDlgOiOperands(IDD, {}) {}

void CDlgOiAnasum::BindFields(CDataExchange* pDX) {
  DDX_Control(pDX, 1283, m_comboInput);
  DDX_Control(pDX, 1284, m_comboInputNo);
  DDX_Control(pDX, 1286, m_editRate);
  DDX_Control(pDX, 1285, m_comboUnit);
  DDX_Control(pDX, 1257, m_editCutout);
}

void CDlgOiAnasum::InitFields() {
  m_comboInput.Init(&m_comboInputNo);
  m_editRate.SetRange(-kConstantLimit, kConstantLimit, 10000.0);
  for (const CString& text : g_strOiAnasumUnitItems) {
    if (text.isEmpty()) break;
    m_comboUnit.AddString(text);
  }
  m_comboUnit.SetCurSel(0);
  m_editCutout.SetRange(0.0, 120.0, 0.0);
}

void CDlgOiAnasum::LoadFields(const kt::OiParamConfig* pBlock) {
  if (pBlock) {
    m_comboInput.SetParam(pBlock->X[1].TYPE, pBlock->X[1].NO);
    ShowStoredValue(m_editRate, pBlock->K[1].CONST);
    const int unit = StoredItemIndex(pBlock->K[2].CONST, static_cast<int>(m_comboUnit.m_items.size()));
    m_comboUnit.SetCurSel(unit < 0 ? 0 : unit);
    ShowStoredValue(m_editCutout, pBlock->K[3].CONST);
  } else {
    m_comboInput.SetParam(1, 0);
    m_editRate.SetValue(10000.0);
    m_comboUnit.SetCurSel(0);
    m_editCutout.SetValue(0.0);
  }
}

void CDlgOiAnasum::StoreFields(kt::OiParamConfig& block) {
  m_comboInput.GetParam(&block.X[1].TYPE, &block.X[1].NO);
  StoreConstant(block.K[1], m_editRate.m_dValue);
  const int unit = SelectedIndex(m_comboUnit);
  StoreConstant(block.K[2], unit < 0 ? 0.0 : static_cast<double>(unit));
  StoreConstant(block.K[3], m_editCutout.m_dValue);
}

// ---------------------------------------------------------------------------
// CDlgOiSca

CDlgOiSca::CDlgOiSca() : CDlgOiOperands(IDD, kScaRows) {}

BOOL CDlgOiSca::CheckParam() {
  struct Pair {
    int first;
    int second;
    const char* message;
  };
  static constexpr Pair kPairs[] = {{1, 2, "K1 = K2"}, {3, 4, "K3 = K4"}};
  const auto same = [this](const Pair& pair, bool constants) {
    const Row* a = FindRow('K', pair.first);
    const Row* b = FindRow('K', pair.second);
    if (!a || !b) return false;
    if (constants) {
      return a->constant.IsWindowEnabled() && b->constant.IsWindowEnabled() &&
             a->constant.m_dValue == b->constant.m_dValue;
    }
    return a->channel.IsWindowEnabled() && b->channel.IsWindowEnabled() &&
           SelectedIndex(a->source) == SelectedIndex(b->source) &&
           SelectedIndex(a->channel) == SelectedIndex(b->channel);
  };
  // Equal constants first, then equal channels.
  for (bool constants : {true, false}) {
    for (const Pair& pair : kPairs) {
      if (same(pair, constants)) {
        AfxMessageBox(QString::fromLatin1(pair.message), MB_ICONWARNING);
        return FALSE;
      }
    }
  }
  return TRUE;
}

// ---------------------------------------------------------------------------
// CDlgOiTime

CDlgOiTime::CDlgOiTime() : CDlgOiOperands(IDD, {}) {}

void CDlgOiTime::BindFields(CDataExchange* pDX) { DDX_Control(pDX, 1464, m_comboPart); }

void CDlgOiTime::InitFields() {
  for (const CString& text : g_strOiTimeItems) m_comboPart.AddString(text);
  m_comboPart.SetCurSel(0);
}

void CDlgOiTime::LoadFields(const kt::OiParamConfig* pBlock) {
  const int item = pBlock ? StoredItemIndex(pBlock->K[1].CONST, static_cast<int>(std::size(g_strOiTimeItems))) : 0;
  m_comboPart.SetCurSel(item < 0 ? 0 : item);
}

void CDlgOiTime::StoreFields(kt::OiParamConfig& block) {
  const int item = SelectedIndex(m_comboPart);
  block.K[1].TYPE = 0;
  block.K[1].NO = 0;
  block.K[1].pad1_[0] = 0;
  block.K[1].pad1_[1] = 0;
  block.K[1].CONST = item < 0 ? 0.0 : static_cast<double>(item);
}
