// The one record that holds every setting of a KT2057 device.
//
// The record is copied with one block copy and compared with one byte
// comparison, so it must hold no pointer and no byte whose value is left to
// the compiler: every gap the alignment rules would leave is an explicit,
// named pad field (always zero), and DeviceConfigLayout.h proves at compile
// time that no implicit padding is left anywhere.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kt {

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using i16 = std::int16_t;
using i32 = std::int32_t;
using f64 = double;

constexpr int kPeerCount = 2;
constexpr int kAiCount = 4;
constexpr int kDiCount = 2;
constexpr int kOiCount = 4;
constexpr int kDoCount = 2;
constexpr int kZoneCount = 5;
constexpr int kStateCount = 2;  // OFF, ON
constexpr int kOperandCount = 8;
constexpr int kPenCount = 4;
constexpr int kCommentCount = 2;
constexpr int kMailAddressCount = 8;
constexpr int kMailFormCount = 4;

// ---- peers and channels ----

struct PeerConfig {
  u32 MODE;      // boolean
  u32 PROTOCOL;  // "MODBUSTCP", "SLMP"
  char IP[32];
  i32 PORT;
  i32 PERIOD;   // ms
  i32 TIMEOUT;  // s
  u32 ALMDO;    // mask of DO channels
};

struct AiScaleConfig {
  f64 ZERO;
  f64 SPAN;
  f64 GAIN;
};

struct AiChannelConfig {
  char NAME[49];
  char COMMENT[49];
  u8 pad1_[2];
  u32 REG;  // "None", "Ai", "C", "DEMO"
  u16 CHNO;
  u8 pad2_[2];
  u32 TYPE;  // "Percent", "Int", "Uint"
  AiScaleConfig SCALE;
  i16 PLACE;
  char UNIT[25];
  u8 pad3_[5];
};

struct DiChannelConfig {
  char NAME[49];
  char COMMENT[49];
  u8 pad1_[2];
  u32 REG;  // "None", "Di", "C", "DEMO"
  u16 CHNO;
  u8 pad2_[2];
  u32 INVERT;  // boolean
};

struct OiOperandConfig {
  u32 TYPE;  // "Const", "AI", "DI", "OI", "AI_AREA"
  u16 NO;
  u8 pad1_[2];
  f64 CONST;
};

struct OiParamConfig {
  OiOperandConfig X[kOperandCount];
  OiOperandConfig K[kOperandCount];
  OiOperandConfig A[kOperandCount];
};

struct OiChannelConfig {
  char NAME[49];
  char COMMENT[49];
  i16 PLACE;
  char UNIT[25];
  u8 pad1_[3];
  u32 TYPE;  // the 19 operations, "None" .. "Time"
  u8 pad2_[4];
  OiParamConfig PARAM;
};

struct DoChannelConfig {
  char NAME[49];
  char COMMENT[49];
  u8 pad1_[2];
  u32 REG;  // "None", "Do", "C", "DEMO"
  u16 CHNO;
  u8 pad2_[2];
  u32 INVERT;  // boolean
};

// ---- events ----

struct ZoneLimitConfig {
  f64 LIM;
  char MSG[97];
  u8 pad1_[3];
  u32 TREC;  // boolean
  u32 FORM;  // mask of mail forms
  u8 pad2_[4];
};

struct ZoneEventConfig {
  char NAME[49];
  u8 pad1_[7];
  ZoneLimitConfig LEVEL[2];  // [0] lower limit, [1] upper limit
  i32 DELAY;                 // 0.1 s
  u32 COLOR;                 // 0xRRGGBB
  u32 ALMDO;                 // mask of DO channels
  u32 RSTOI;                 // mask of OI channels
  u32 TRIG;                  // boolean
  u8 pad2_[4];
};

struct AnalogEventConfig {
  i16 NUM;
  u8 pad1_[6];
  ZoneEventConfig ZONE[kZoneCount];
};

struct DiStateEventConfig {
  char DISP[25];
  u8 pad1_[3];
  i32 DELAY;
  u32 ALMDO;
  u32 RSTOI;
  u32 COLOR;
  u32 TRIG;  // boolean
  char MSG[97];
  u8 pad2_[3];
  u32 TREC;  // boolean
  u32 FORM;  // mask of mail forms
};

struct DiEventConfig {
  DiStateEventConfig ZONE[kStateCount];
};

struct DoStateDisplayConfig {
  char DISP[25];
  u8 pad1_[3];
  u32 COLOR;
};

struct DoDisplayConfig {
  DoStateDisplayConfig ZONE[kStateCount];
};

struct AlarmConfig {
  AnalogEventConfig AI[kAiCount];
  DiEventConfig DI[kDiCount];
  AnalogEventConfig OI[kOiCount];
  DoDisplayConfig DO[kDoCount];
};

// ---- Modbus and SLMP points ----

struct ModbusPeerConfig {
  u32 TYPE;  // "FIX", "VAR"
  u8 NODE;
  u8 pad1_[3];
};

struct ModbusPointConfig {
  u8 NODE;
  u8 TYPE;  // function code
  u8 pad1_[2];
  i32 NO;
};

struct ModbusConfig {
  ModbusPeerConfig C[kPeerCount];
  ModbusPointConfig AI[kAiCount];
  ModbusPointConfig DI[kDiCount];
  ModbusPointConfig DO[kDoCount];
};

struct SlmpPeerConfig {
  u8 NETWORK;
  u8 STATION;
  u16 CPU;
  u32 TYPE;  // "16", "32"
};

struct SlmpPointConfig {
  u32 NO;
  u32 CODE;
  u32 COMMAND;
  u32 SUB;
};

struct SlmpConfig {
  SlmpPeerConfig C[kPeerCount];
  SlmpPointConfig AI[kAiCount];
  SlmpPointConfig DI[kDiCount];
  SlmpPointConfig DO[kDoCount];
};

// ---- recording, display and services ----

struct TrendNormalConfig {
  u32 MODE;  // "Samples", "Time"
  i32 SAMPLES;
  u32 TRANS;  // "3m" .. "1mon"
  i32 HOUR;
  i32 WEEK;
};

struct TrendTrigConfig {
  u32 MODE;  // "Level", "Edge"
  i32 PRE;
  i32 PST;
};

struct TrendConfig {
  u32 ASTART;  // "Stop", "Start", "Trig"
  u32 SPEED;   // "100ms" .. "1h"
  u32 RECENC;  // "TRD", "CSV_UTF8", "CSV_SJIS"
  TrendNormalConfig NORMAL;
  TrendTrigConfig TRIG;
  u32 ADEL;  // boolean
};

struct PenRangeConfig {
  f64 UPPER;
  f64 LOWER;
};

struct PenConfig {
  u32 CH_TYPE;  // "None", "AI", "DI", "OI", "DO"
  u16 CH_NO;
  u8 pad1_[2];
  u32 COLOR;
  u8 pad2_[4];
  PenRangeConfig RANGE;
};

struct CommentConfig {
  char MSG[97];
  u8 pad1_[3];
  u32 COLOR;
};

struct LogSwitchConfig {
  u32 EVE;  // boolean
  u32 SYS;  // boolean
  u32 COM;  // boolean
};

struct LogConfig {
  LogSwitchConfig LOG;
  u32 ENCODE;  // "UTF8", "SJIS"
};

struct DisplayAutoStartConfig {
  u32 WAKEUP;  // "TREND" .. "LOGCOM"
  u32 TYPE;    // "None", "AI", "DI", "OI", "DO"
  u16 CH;
  u8 pad1_[2];
};

struct DisplayFlickerConfig {
  u32 AI[kAiCount];
  u32 DI[kDiCount];
  u32 OI[kOiCount];
};

struct DisplayPageConfig {
  u32 TREND;
  u32 EVENT;
  u32 COMMENT;
  u32 OVERVIEW;
  u32 AI;
  u32 DI;
  u32 OI;
  u32 DO;
  u32 LOGEVE;
  u32 LOGSYS;
  u32 LOGCOM;
};

struct DisplayAutoScreenConfig {
  u32 MODE;      // boolean
  i32 START;     // s
  i32 INTERVAL;  // s
  DisplayPageConfig PAGE;
};

struct DisplayConfig {
  DisplayAutoStartConfig AUTOSTART;
  i32 SCREENSAVER;  // min
  DisplayFlickerConfig FLICKER;
  DisplayAutoScreenConfig AUTOSCREEN;
  u32 LANGUAGE;  // "JAPANESE", "ENGLISH"
  u32 BLIGHT;    // "1" .. "5"
};

struct SntpExecTimeConfig {
  i32 HOUR;
  i32 MIN;
};

struct SntpConfig {
  u32 MODE;  // boolean
  char SERVER[65];
  u8 pad1_[3];
  SntpExecTimeConfig EXECTIME;
};

struct WebAdminConfig {
  char LOGIN[33];
  char PASSWORD[33];
};

struct WebConfig {
  u32 MODE;  // boolean
  i32 PORT;
  char GUEST_LOGIN[33];     // kept in the record only, never in the document
  char GUEST_PASSWORD[33];  // kept in the record only, never in the document
  WebAdminConfig ADMIN;
};

struct ModbusServerConfig {
  u32 MODE;  // boolean
  i32 PORT;
  i32 LINGER;  // s
};

struct SmtpConfig {
  u32 MODE;  // boolean
  char SERVER[65];
  char LOGIN[65];
  char PASSWORD[65];
  u8 pad1_[1];
  i32 PORT;
  u32 OVERSSL;   // boolean
  u32 STARTTLS;  // boolean
  u32 ALMDO;     // mask of DO channels
};

struct MailAddressConfig {
  char NAME[49];
  char ADDR[65];
};

struct MailAddInfConfig {
  u32 FACTOR;  // boolean
  u32 AI;
  u32 DI;
  u32 OI;
  u32 DO;
};

struct MailFormConfig {
  char SUBJECT[97];
  char BODY[385];
  u8 pad1_[2];
  u32 A;  // mask of MAIL.A entries
  MailAddInfConfig ADDINF;
};

struct MailExecTimeConfig {
  u32 DAY;  // bit d-1 = day d
  u8 WEEK;  // bit 0 Sun .. bit 6 Sat
  u8 pad1_[3];
  u32 HOUR;   // bit h = hour h
  u8 MIN;     // bit t = minutes t0..t9
  u8 OFFSET;  // units digit of the minute
  u8 pad2_[2];
};

struct MailScheduleConfig {
  u32 FORM;  // mask of mail forms
  MailExecTimeConfig EXECTIME;
};

struct MailConfig {
  MailAddressConfig A[kMailAddressCount];
  MailFormConfig F[kMailFormCount];
  MailScheduleConfig REG;
};

struct FtpAccountConfig {
  u32 EXPLICIT;  // boolean
  char SERVER[65];
  u8 pad1_[3];
  i32 PORT;
  char LOGIN[33];
  char PASSWORD[33];
  u8 pad2_[2];
  u32 PASV;  // boolean
  char SUBDIR[65];
  u8 pad3_[3];
  u32 ALMDO;  // mask of DO channels
};

struct FtpClientConfig {
  u32 MODE;  // boolean
  FtpAccountConfig ACC;
};

struct FtpServerConfig {
  u32 MODE;  // boolean
  i32 PORT;
  char LOGIN[33];
  char PASSWORD[33];
  u8 pad1_[2];
};

// ---- the whole record ----

struct DeviceConfig {
  PeerConfig C[kPeerCount];
  AiChannelConfig AI[kAiCount];
  DiChannelConfig DI[kDiCount];
  OiChannelConfig OI[kOiCount];
  DoChannelConfig DO[kDoCount];
  AlarmConfig ALARM;
  ModbusConfig MODBUS;
  SlmpConfig SLMP;
  TrendConfig TREND;
  PenConfig PEN[kPenCount];
  CommentConfig CMT[kCommentCount];
  LogConfig LOG;
  DisplayConfig DISP;
  SntpConfig SNTP;
  WebConfig WEB;
  ModbusServerConfig MODTD;
  SmtpConfig SMTP;
  MailConfig MAIL;
  FtpClientConfig FTPC;
  FtpServerConfig FTPD;
  u8 RESERVED[138];
  u8 pad1_[6];
};

// Sets every byte of the record to zero, then every factory default.
void InitDeviceConfig(DeviceConfig* config);

// Bounded text copy into a record field: at most N-1 bytes of src, then zero
// bytes up to the end of the field.
void CopyText(char* dst, std::size_t size, const char* src);
template <std::size_t N>
inline void CopyText(char (&dst)[N], const char* src) {
  CopyText(dst, N, src);
}

// The record keeps a colour as 0xRRGGBB, the screen as 0x00BBGGRR: red and
// blue change places, the same swap either way. Colours have 24 bits (the
// document refuses more), so nothing lives in the top byte.
constexpr u32 SwapRedBlue(u32 color) { return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu); }

}  // namespace kt
