// The seventeen operation sub-dialogs of the OI page. Each edits the
// operands of one operation kind in a channel's parameter block: one row
// (source, channel, constant) per operand, plus the kind's own fields.
// The page creates them all over its frame and shows the one of the chosen
// kind; LoadParam(nullptr) shows the kind's defaults.
//
// The rows are described by a table per kind; CDlgOiOperands binds, loads
// and stores them, and a kind adds its own fields through the three hooks.
#pragma once

#include "NormalDialog.h"
#include "OiParam.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kt {
struct OiOperandConfig;
struct OiParamConfig;
}  // namespace kt

// "Time unit" items of the analog accumulation, ending in an empty entry.
extern const CString g_strOiAnasumUnitItems[4];
// "K1" items of the time operation.
extern const CString g_strOiTimeItems[6];

// One operand row: which operand ('X', 'K' or 'A' and its index), the ids of
// its source, channel and constant, and its default.
struct OiOperandRow {
  char group;
  int index;
  int idSource;
  int idChannel;
  int idConstant;
  int defaultType;  // 0 "Const", 1 "AI", ...
  double defaultConstant;
};

// The operand of the block that a row edits.
kt::OiOperandConfig& OiOperand(kt::OiParamConfig& block, char group, int index);

class CDlgOiOperands : public CSubDialogChild {
 public:
  struct Row {
    COiParam source;
    CSelectCombo channel;
    CInputNumberFloat constant;
  };

  CDlgOiOperands(UINT nIDTemplate, std::span<const OiOperandRow> rows);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void LoadParam(kt::OiParamConfig* pBlock) override;
  void StoreParam(kt::OiParamConfig* pBlock) override;

  // The row of an operand, nullptr when the kind has none.
  Row* FindRow(char group, int index);

  std::span<const OiOperandRow> m_rowSpecs;
  std::vector<std::unique_ptr<Row>> m_rows;  // in the order of m_rowSpecs

 protected:
  virtual void BindFields(CDataExchange*) {}
  virtual void InitFields() {}
  // pBlock null: the defaults.
  virtual void LoadFields(const kt::OiParamConfig*) {}
  virtual void StoreFields(kt::OiParamConfig&) {}
};

#define KT_OI_DIALOG(Name, idd)        \
  class Name : public CDlgOiOperands { \
   public:                             \
    enum { IDD = idd };                \
    Name();                            \
  };

KT_OI_DIALOG(CDlgOiAdd, 192)
KT_OI_DIALOG(CDlgOiMul, 188)
KT_OI_DIALOG(CDlgOiDiv, 191)
KT_OI_DIALOG(CDlgOiSqrt, 172)
KT_OI_DIALOG(CDlgOiExp, 175)
KT_OI_DIALOG(CDlgOiLog, 176)
KT_OI_DIALOG(CDlgOiLn, 190)
KT_OI_DIALOG(CDlgOiMax, 189)
KT_OI_DIALOG(CDlgOiMin, 179)
KT_OI_DIALOG(CDlgOiPow, 181)
KT_OI_DIALOG(CDlgOiF, 182)
KT_OI_DIALOG(CDlgOiAlog, 183)

#undef KT_OI_DIALOG

// "Moving average": x, and N (4..64 samples of 100 ms) in K1.
class CDlgOiMovave : public CDlgOiOperands {
 public:
  enum { IDD = 173 };
  CDlgOiMovave();
  CComboBox m_comboCount;  // 1252

 protected:
  void BindFields(CDataExchange* pDX) override;
  void InitFields() override;
  void LoadFields(const kt::OiParamConfig* pBlock) override;
  void StoreFields(kt::OiParamConfig& block) override;
};

// "Delay buffer": G, T (whole seconds) in K1, K in K2.
class CDlgOiDelay : public CDlgOiOperands {
 public:
  enum { IDD = 174 };
  CDlgOiDelay();
  CInputNumberUint m_editTime;   // 1263
  CInputNumberFloat m_editGain;  // 1265

 protected:
  void BindFields(CDataExchange* pDX) override;
  void InitFields() override;
  void LoadFields(const kt::OiParamConfig* pBlock) override;
  void StoreFields(kt::OiParamConfig& block) override;
};

// "Analog accumulation": a channel input in X1 (its constant untouched),
// counter rate K1, time unit K2, low-end cutout K3.
class CDlgOiAnasum : public CDlgOiOperands {
 public:
  enum { IDD = 180 };
  CDlgOiAnasum();
  COiParamAiOi m_comboInput;       // 1283
  CSelectCombo m_comboInputNo;     // 1284
  CInputNumberFloat m_editRate;    // 1286
  CSelectCombo m_comboUnit;        // 1285
  CInputNumberFloat m_editCutout;  // 1257

 protected:
  void BindFields(CDataExchange* pDX) override;
  void InitFields() override;
  void LoadFields(const kt::OiParamConfig* pBlock) override;
  void StoreFields(kt::OiParamConfig& block) override;
};

// "Scaling": X1 mapped from K1..K2 onto K3..K4; refuses equal span ends.
class CDlgOiSca : public CDlgOiOperands {
 public:
  enum { IDD = 184 };
  CDlgOiSca();
  BOOL CheckParam() override;
};

// "Time": which part of the clock, in K1.
class CDlgOiTime : public CDlgOiOperands {
 public:
  enum { IDD = 187 };
  CDlgOiTime();
  CComboBox m_comboPart;  // 1464

 protected:
  void BindFields(CDataExchange* pDX) override;
  void InitFields() override;
  void LoadFields(const kt::OiParamConfig* pBlock) override;
  void StoreFields(kt::OiParamConfig& block) override;
};
