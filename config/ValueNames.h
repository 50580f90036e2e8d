// Names under which enumerated settings appear in the configuration document.
//
// One table of 104 names numbered -10 to 93 ("Disable" and "Enable" are 0 and
// 1). Every enumerated field uses the slice that starts at its own base index:
// value v of the field is written as entry base + v. The reader searches from
// the base to the last entry, so the order of the whole table matters, unused
// slice -5 included.
#pragma once

namespace kt {

inline constexpr int kValueNameFirst = -10;
inline constexpr int kValueNameLast = 93;
inline constexpr int kValueNameCount = kValueNameLast - kValueNameFirst + 1;  // 104

// Indexed from kValueNameFirst to kValueNameLast: ValueNameTable[-10] is "None".
extern const char* const* const ValueNameTable;

// Entry `index`, or nullptr outside -10..93.
const char* ValueName(long long index);

// Base indexes of the slices.
inline constexpr int kVnChannelKind = -10;  // "None", "AI", "DI", "OI", "DO"
inline constexpr int kVnLevel = -5;         // "H", "M", "L" (no field)
inline constexpr int kVnLanguage = -2;      // "JAPANESE", "ENGLISH"
inline constexpr int kVnBool = 0;           // "Disable", "Enable"
inline constexpr int kVnRecEncode = 2;      // "TRD", "CSV_UTF8", "CSV_SJIS"
inline constexpr int kVnOperand = 5;        // "Const", "AI", "DI", "OI", "AI_AREA"
inline constexpr int kVnModbusUnit = 10;    // "FIX", "VAR"
inline constexpr int kVnTrendTrans = 12;    // "3m" .. "1mon"
inline constexpr int kVnDiSource = 22;      // "None", "Di", "C", "DEMO"
inline constexpr int kVnTrendMode = 26;     // "Samples", "Time"
inline constexpr int kVnWakeup = 28;        // "TREND" .. "LOGCOM"
inline constexpr int kVnBacklight = 36;     // "1" .. "5"
inline constexpr int kVnAutoStart = 41;     // "Stop", "Start", "Trig"
inline constexpr int kVnDoSource = 44;      // "None", "Do", "C", "DEMO"
inline constexpr int kVnOperation = 48;     // "None" .. "Limit", "Time"
inline constexpr int kVnAiSource = 67;      // "None", "Ai", "C", "DEMO"
inline constexpr int kVnAiType = 71;        // "Percent", "Int", "Uint"
inline constexpr int kVnTrendSpeed = 74;    // "100ms" .. "1h"
inline constexpr int kVnTrigMode = 86;      // "Level", "Edge"
inline constexpr int kVnSlmpType = 88;      // "16", "32"
inline constexpr int kVnProtocol = 90;      // "MODBUSTCP", "SLMP"
inline constexpr int kVnLogEncode = 92;     // "UTF8", "SJIS"

}  // namespace kt
