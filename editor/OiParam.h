// Operand selectors of the operation sub-dialogs.
//
// An operand row is three controls: a source combo box (a COiParam), a
// channel combo box and a constant input. The source keeps the other two in
// step: "Const" enables the constant, a channel source enables the channel
// box and refills it with that source's channel numbers. The source's item
// index is the operand's TYPE, the channel's item index its NO.
//
// COiParamAiOi is the source of an operand that must be a channel ("AI",
// "DI", "OI", "AI_Zone" = TYPE 1-4), without a constant.
#pragma once

#include "InputNumber.h"
#include "SelectCombo.h"

#include <cstdint>

// What both sources share: the row's channel box, and the source shown. A
// closed list whose selection is the source shown changes nothing, so the
// operand's channel stays as it is.
class COiSourceCombo : public CSelectCombo {
 public:
  // The user's choice of another source than the one shown.
  virtual void OnCbnSelchange() = 0;

  BOOL OnChildNotify(UINT nCode) override;

  CSelectCombo* m_pChannel = nullptr;  // not owned
  int m_nShown = -1;
};

class COiParam : public COiSourceCombo {
 public:
  // Call once the three controls are bound.
  void Init(CSelectCombo* pChannel, CInputNumberFloat* pConstant);
  // Selects the source (item 0 "Const" when type is no item) and sets the
  // enabled states; returns the item selected. Neither refills the channel
  // box nor changes the constant.
  int SetType(int type);
  // Shows one operand.
  void SetParam(int type, std::uint16_t no, double constant);
  void OnCbnSelchange() override;

  CInputNumberFloat* m_pConstant = nullptr;  // not owned
};

class COiParamAiOi : public COiSourceCombo {
 public:
  void Init(CSelectCombo* pChannel);
  void SetParam(std::uint32_t type, std::uint16_t no);
  // TYPE 1-4 (1 when nothing is selected) and the channel's item index.
  void GetParam(std::uint32_t* pType, std::uint16_t* pNo);
  void OnCbnSelchange() override;
};

// Number of channels a source item offers: 2 for "DI", else 4 (item
// indexes of COiParam; COiParamAiOi passes its index + 1).
int OiChannelCount(int type);

// Shows a stored value in a number input, never what the input showed
// before: a value the input cannot hold (out of range, too many digits) is
// shown as it is, invalid; one without a text (not a number, infinite)
// leaves it empty and invalid.
void ShowStoredValue(CInputNumberFloat& input, double value);
// The same for a whole-number input: the value truncated towards zero; a
// value that no unsigned 32-bit number holds leaves it empty and invalid.
void ShowStoredValue(CInputNumberUint& input, double value);

// The index of a list item stored as a real number: its whole part when
// that is 0..count-1, else -1.
int StoredItemIndex(double value, int count);
