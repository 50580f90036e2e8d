// The channel-page pattern shared by the editor's pages that show one
// channel (AI, DI, DO, OI) at a time, chosen in a list at their left:
//
//   - switching channels checks the shown channel (a failed check keeps it
//     shown and selected), stores it, then loads the new one;
//   - a right click on the list switches first, then offers "Copy" (when the
//     shown channel passes its check), "Paste" and, where the page counts
//     addresses on, "Paste(+1)" (when something was copied);
//   - storing the page (leaving the tab, saving, uploading) ends a copy.
//
// A page derives from CChannelPage, binds m_listChannel (not listed) and
// fills it, keeps its number inputs in m_errors, and provides the hooks
// below. The page's own copy buffer is a struct of whole records with an
// int `filled` (0 empty, 1 filled); see PointChannelCopy below.
#pragma once

#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "NormalDialog.h"
#include "SelectCombo.h"
#include "SelectList.h"
#include "SlmpDevice.h"

class CChannelPage : public CTabDialog {
 public:
  // bPastePlus: the menu offers "Paste(+1)" besides "Paste".
  CChannelPage(UINT nIDTemplate, CWnd* pParent, BOOL bPastePlus);

  // --- what each page provides --------------------------------------------
  // The page's checks of the shown channel; messages only with bShowError.
  BOOL CheckControls(BOOL bShowError) override = 0;
  // Controls to record for channel i, without checks.
  virtual void StoreChannel(int i) = 0;
  // Prepares the controls that depend on channel i's record, before it is
  // loaded (channel numbers of its source, ...). Default: nothing.
  virtual void PrepareChannel(int i);
  // Record to controls for channel i.
  virtual void LoadChannel(int i) = 0;
  // The enabling rules for the shown channel.
  void UpdateControls() override = 0;
  // "Copy": fills the copy buffer from channel i of the record (already
  // stored) and marks it filled.
  virtual void CopyChannel(int i) = 0;
  // "Paste" (bNext FALSE) or the record part of "Paste(+1)" (bNext TRUE):
  // writes the copy buffer into channel i of the record.
  virtual void PasteChannel(int i, BOOL bNext) = 0;
  // "Paste(+1)" only: counts the shown addresses on by one, after the pasted
  // channel was loaded. Default: nothing.
  virtual void IncrementAddresses();
  // "Paste(+1)" only: after channel i was stored again, the buffer takes it
  // as the base of the next "Paste(+1)". Default: nothing.
  virtual void RenewCopy(int i);
  virtual BOOL IsCopyFilled() const = 0;
  virtual void EmptyCopy() = 0;

  // --- the pattern ---------------------------------------------------------
  // The first steps of every channel page's OnInitDialog: the dialog's own,
  // the select-only combo boxes, and the list's right click, which asks for
  // the channel menu.
  BOOL OnInitDialog() override;
  // The last step: channel 0 shown, with its enabled states.
  void ShowFirstChannel();
  // Stores the shown channel (after the checks passed) and empties the copy
  // buffer.
  void StoreSettings() override;
  // LBN_SELCHANGE of the list (and the first step of the right click).
  void OnSelchangeChannel();
  // Commands ID_CHANNEL_MENU (106) and the menu's 101, 102, 103; everything
  // else goes to the message map.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  void OnChannelMenu(const CPoint& ptScreen);
  void OnChannelCopy();
  void OnChannelPaste();
  void OnChannelPasteNext();
  // The steps both pastes share: the copy into the shown channel, which is
  // then shown with its enabled states. FALSE, doing nothing, with nothing
  // copied.
  BOOL PasteShown(BOOL bNext);

  CSelectList m_listChannel;
  int m_nCurChannel = 0;
  BOOL m_bPastePlus;
};

// The copy buffer of a channel that reads or writes a Modbus and an SLMP
// point (AI, DI, DO): the channel, its events, and its points both as copied
// ("Paste") and as the next "Paste(+1)" writes them.
template <class Channel, class Events>
struct PointChannelCopy {
  // The parts of one channel in the record.
  struct Parts {
    Channel& channel;
    Events& events;
    kt::ModbusPointConfig& modbus;
    kt::SlmpPointConfig& slmp;
  };

  int filled = 0;
  Channel channel{};
  Events events{};
  kt::ModbusPointConfig copiedModbus{};
  kt::SlmpPointConfig copiedSlmp{};
  kt::ModbusPointConfig nextModbus{};
  kt::SlmpPointConfig nextSlmp{};

  void Copy(const Parts& from) {
    Renew(from);
    copiedModbus = from.modbus;
    copiedSlmp = from.slmp;
    filled = 1;
  }
  // After "Paste(+1)": the pasted channel, with its counted-up points, is
  // what the next one starts from.
  void Renew(const Parts& from) {
    channel = from.channel;
    events = from.events;
    nextModbus = from.modbus;
    nextSlmp = from.slmp;
  }
  void Paste(const Parts& to, BOOL bNext) const {
    to.channel = channel;
    to.events = events;
    to.modbus = bNext ? nextModbus : copiedModbus;
    to.slmp = bNext ? nextSlmp : copiedSlmp;
  }
};

// The Modbus and SLMP point inputs that the AI, DI and DO pages share: the
// unit identifier, the register address and the device address with their
// ranges and messages (appended to the page's error list in that order), the
// device types of the page's table and the radix selector of the address.
// The Modbus point kind is each page's own (items and codes), but it is
// enabled with the other Modbus inputs.
struct PointInputs {
  CInputNumberInt& unitId;
  CInputNumberInt& registerNo;
  CInputNumberMulti& deviceAddress;
  CInputNumberMultiForm& radix;
  CSelectCombo& deviceType;
  CSelectCombo& pointKind;
};
void InitPointInputs(const PointInputs& inputs, PageErrorList& errors, const kt::SlmpDeviceInfo* table);
// Shows a channel's points (all but the Modbus function code, which each page
// shows its own way). A device code the table does not know shows no device
// (yellow while enabled) and stays in the record until the user picks one.
void LoadPointInputs(const PointInputs& inputs, const kt::SlmpDeviceInfo* table, const kt::ModbusPointConfig& modbus,
                     const kt::SlmpPointConfig& slmp);
// Stores them back: the register address is shown from 1, stored from 0.
void StorePointInputs(const PointInputs& inputs, const kt::SlmpDeviceInfo* table, kt::ModbusPointConfig& modbus,
                      kt::SlmpPointConfig& slmp);
// "Paste(+1)": the next register and device address.
void IncrementPointAddresses(const PointInputs& inputs);

// The source of an AI, DI or DO channel (on the DO page its destination),
// whose items "None", the page's own kind, "C" and "Demo" are the record's
// REG, and the "Channel" list of the numbers within it (the record's CHNO).
struct SourceInputs {
  CSelectCombo& source;
  CSelectCombo& channel;
  // The source item shown, so that a list closed on it again changes nothing.
  int& shown;
  // The numbers the page's own kind offers; "C" offers one per peer.
  int ownCount;
};
// Empties "Channel"; the own kind and "C" fill it with their numbers, the
// first selected.
void FillChannelNumbers(const SourceInputs& inputs, int source);
// CBN_SELCHANGE of the source. FALSE when the list closed on the source shown,
// which keeps the channel number; else "Channel" is filled for the new source
// and TRUE asks the page to refresh.
BOOL ChangeSource(const SourceInputs& inputs);
// Shows a channel's REG and CHNO; a number only for the own kind and "C".
void LoadSource(const SourceInputs& inputs, kt::u32 reg, kt::u16 chno);
// Stores them back: an unselected source is "None", and CHNO is 0 where no
// number applies.
void StoreSource(const SourceInputs& inputs, kt::u32& reg, kt::u16& chno);
// The enabling rules of the source's controls, after DisableAllControls:
// "Channel" for the own kind and "C"; for "C" on an enabled peer the point
// inputs of the peer's protocol (the unit identifier only where the peer's
// Modbus type gives each channel its own). FALSE for "None", which enables
// nothing further on the page.
BOOL EnableSourceInputs(const SourceInputs& source, const PointInputs& points, const kt::DeviceConfig& cfg);

// The cross-page check of the AI, DI and DO pages: every channel on an SLMP
// peer names a device of its table. The message names the first channel that
// does not ("AI2\r\n" + message).
BOOL CheckSlmpDeviceTypes(const kt::DeviceConfig& cfg, kt::SlmpChannelKind kind, const char* prefix,
                          const CString& message, BOOL bShowError);

// The base of the AI, DI and DO pages, whose channel reads (on the DO page
// writes) the device's own kind, a point of a communication peer over
// Modbus/TCP or SLMP, or demo values. It keeps the copy buffer of whole
// channels ("Paste(+1)" counts the shown point addresses on), follows the
// source with the channel numbers, shows and stores the source and the
// points, and checks the device type. The page binds the inputs and names
// them in Source and Points, and names the record parts of a channel.
template <class Channel, class Events>
class CPointChannelPage : public CChannelPage {
 public:
  using CopyBuffer = PointChannelCopy<Channel, Events>;
  using Parts = typename CopyBuffer::Parts;

  // kind: the page's SLMP device table. deviceTypeError: the message of a
  // device type the table does not know.
  CPointChannelPage(UINT nIDTemplate, CWnd* pParent, kt::SlmpChannelKind kind, const CString& deviceTypeError)
      : CChannelPage(nIDTemplate, pParent, TRUE), m_kind(kind), m_deviceTypeError(deviceTypeError) {}

  // --- what each page provides --------------------------------------------
  virtual Parts PartsOf(int i) = 0;
  virtual SourceInputs Source() = 0;
  virtual PointInputs Points() = 0;
  // Record to controls and back for what is the page's own, after the name,
  // the comment, the source and the points.
  virtual void LoadOwn(const Parts& parts) = 0;
  virtual void StoreOwn(const Parts& parts) = 0;

  // As every channel page, then the point inputs, on the page's device table.
  BOOL OnInitDialog() override {
    CChannelPage::OnInitDialog();
    InitPointInputs(Points(), m_errors, DeviceTable());
    return TRUE;
  }

  // --- channel-page hooks ---------------------------------------------------
  // The number inputs, then the device type, whose message is shown with
  // bShowError. A page with more rules checks them after these.
  BOOL CheckControls(BOOL bShowError) override {
    if (!m_errors.Check(bShowError)) return FALSE;
    if (Points().deviceType.CheckSelection()) return TRUE;
    if (bShowError) AfxMessageBox(m_deviceTypeError, MB_ICONERROR);
    return FALSE;
  }
  void PrepareChannel(int i) override { FillChannelNumbers(Source(), static_cast<int>(PartsOf(i).channel.REG)); }
  void CopyChannel(int i) override { m_copy.Copy(PartsOf(i)); }
  void PasteChannel(int i, BOOL bNext) override { m_copy.Paste(PartsOf(i), bNext); }
  void IncrementAddresses() override { IncrementPointAddresses(Points()); }
  void RenewCopy(int i) override { m_copy.Renew(PartsOf(i)); }
  BOOL IsCopyFilled() const override { return m_copy.filled != 0; }
  void EmptyCopy() override { m_copy.filled = 0; }

  void PrepareSave() override { kt::DeriveSlmpCommands(*m_pConfig, m_kind); }

  const kt::SlmpDeviceInfo* DeviceTable() const { return kt::SlmpDeviceTableFor(m_kind); }
  // A channel's name, comment, source, its number and its points (all but
  // the Modbus point kind, which each page shows its own way), then the
  // page's own.
  void LoadChannel(int i) final {
    const Parts parts = PartsOf(i);
    kt::LoadText(m_editName, parts.channel.NAME);
    kt::LoadText(m_editComment, parts.channel.COMMENT);
    LoadSource(Source(), parts.channel.REG, parts.channel.CHNO);
    LoadPointInputs(Points(), DeviceTable(), parts.modbus, parts.slmp);
    LoadOwn(parts);
  }
  void StoreChannel(int i) final {
    const Parts parts = PartsOf(i);
    kt::StoreText(m_editName, parts.channel.NAME);
    kt::StoreText(m_editComment, parts.channel.COMMENT);
    StoreSource(Source(), parts.channel.REG, parts.channel.CHNO);
    StorePointInputs(Points(), DeviceTable(), parts.modbus, parts.slmp);
    StoreOwn(parts);
  }

  // CBN_SELCHANGE of the source, and of the controls that only change the
  // enabled states.
  void OnSelchangeSource() {
    if (ChangeSource(Source())) RefreshControls();
  }
  void OnSelchangeRefresh() { RefreshControls(); }

  CopyBuffer m_copy;
  int m_nShownSource = -1;  // see SourceInputs::shown
  CInputStringJis m_editName;
  CInputStringJis m_editComment;

 private:
  kt::SlmpChannelKind m_kind;
  const CString& m_deviceTypeError;
};
