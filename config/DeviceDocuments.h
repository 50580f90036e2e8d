// Records of the device's small documents: its identity ("/info.json"),
// recording state ("/status.json"), the three logs ("/log_system.json",
// "/log_com.json", "/log_event.json"), the subjects of its mail forms
// ("/mail.json") and its memory card ("/sdinfo.json").
//
// Plain data filled in place by the readers below. Texts are UTF-8 ending in
// a zero byte; each field is named by its key in the document.
#pragma once

#include <cstddef>

#include "DeviceConfig.h"

namespace kt {

constexpr int kLogEntryCount = 32;  // entries a log reader fills
constexpr int kLogTimeCount = 7;    // year, month, day, hour, minute, second, millisecond
constexpr int kMailSubjectCount = 4;

// "/info.json"
struct DeviceInfo {
  u32 MAJ;  // firmware version major.minor.sub, 0..65535 each
  u32 MIN;
  u32 SUB;
  u32 CPU;  // processor firmware version
  u8 MAC[6];
  u8 IPADDRESS[4];  // first octet first
  u8 SUBNETMASK[4];
  u8 DEFAULTGATEWAY[4];
  u8 DNS1[4];
  u8 DNS2[4];
};

// Recording states of DeviceStatus::Rec, as the device reports them.
constexpr u32 kRecStop = 0;   // "stop"
constexpr u32 kRecStart = 1;  // "start"
constexpr u32 kRecTrig = 2;   // "trig"

// "/status.json"
struct DeviceStatus {
  u32 Rec;  // kRecStop, kRecStart or kRecTrig
  u32 Sd;   // 0 when the device reports its memory card "ON", else 1
};

// An entry of "/log_system.json".
struct SystemLogEntry {
  u16 Time[kLogTimeCount];
  char Message[32];
};

// An entry of "/log_com.json".
struct ComLogEntry {
  u16 Time[kLogTimeCount];
  char Type[16];
  u16 Count;  // 0..4
  char Result[16];
  char FormFile[32];
  char Message[32];
};

// An entry of "/log_event.json".
struct EventLogEntry {
  u16 Time[kLogTimeCount];
  char Type[16];
  u16 No;  // 0..4
  char Name[49];
  char Comment[49];
  char Coller[16];
  char Message[97];
};

// "/mail.json": the subjects of mail forms 1 to 4.
struct MailSubjectList {
  char SUBJECT[kMailSubjectCount][97];
};

// "/sdinfo.json"
struct SdInfo {
  char Sd[16];     // card state, "ON" when a card is present
  char SPACE[32];  // free space in bytes, as text
  char SIZE[32];   // capacity in bytes, as text
};

// ---- readers (over the configuration reader's cursor, JsonCursor.h) ----
//
// Each reads `length` bytes of UTF-8 `text` (no zero byte needed) and fills
// the record in place, leaving fields whose key is missing or mistyped as the
// caller set them. The log readers fill exactly kLogEntryCount entries
// starting at `entries`. The result is the configuration reader's flags:
// 4 (not JSON, record untouched) from every reader; otherwise 0, except that
// the info reader can set 1 and 2 and the status reader 1.
u32 JsonReadInfo(DeviceInfo* info, const char* text, std::size_t length);
u32 JsonReadStatus(DeviceStatus* status, const char* text, std::size_t length);
u32 JsonReadSystemLog(SystemLogEntry* entries, const char* text, std::size_t length);
u32 JsonReadComLog(ComLogEntry* entries, const char* text, std::size_t length);
u32 JsonReadEventLog(EventLogEntry* entries, const char* text, std::size_t length);
u32 JsonReadMail(MailSubjectList* mail, const char* text, std::size_t length);
u32 JsonReadSdInfo(SdInfo* sd, const char* text, std::size_t length);

}  // namespace kt
