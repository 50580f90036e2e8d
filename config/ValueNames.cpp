#include "ValueNames.h"

namespace kt {

namespace {

// clang-format off
constexpr const char* kNames[] = {
    // -10: channel kind
    "None", "AI", "DI", "OI", "DO",
    // -5: level (no field)
    "H", "M", "L",
    // -2: display language
    "JAPANESE", "ENGLISH",
    // 0: booleans
    "Disable", "Enable",
    // 2: trend record encoding
    "TRD", "CSV_UTF8", "CSV_SJIS",
    // 5: operand kind
    "Const", "AI", "DI", "OI", "AI_AREA",
    // 10: Modbus unit identifier
    "FIX", "VAR",
    // 12: trend transfer interval
    "3m", "5m", "10m", "30m", "1h", "6h", "12h", "1d", "1w", "1mon",
    // 22: DI source
    "None", "Di", "C", "DEMO",
    // 26: trend storing mode
    "Samples", "Time",
    // 28: wake-up view
    "TREND", "EVENT", "COMMENT", "OVERVIEW", "DIGITAL", "LOGEVE", "LOGSYS", "LOGCOM",
    // 36: backlight
    "1", "2", "3", "4", "5",
    // 41: trend auto start
    "Stop", "Start", "Trig",
    // 44: DO source
    "None", "Do", "C", "DEMO",
    // 48: operation
    "None", "Add", "Mul", "Div", "Sqrt", "Movave", "Delay", "Exp", "Log", "Ln", "Max", "Min",
    "Anasum", "Pow", "F", "Alog", "Sca", "Limit", "Time",
    // 67: AI source
    "None", "Ai", "C", "DEMO",
    // 71: AI value type
    "Percent", "Int", "Uint",
    // 74: trend storing rate
    "100ms", "500ms", "1s", "2s", "5s", "10s", "1m", "2m", "5m", "10m", "30m", "1h",
    // 86: trigger mode
    "Level", "Edge",
    // 88: SLMP command set
    "16", "32",
    // 90: peer protocol
    "MODBUSTCP", "SLMP",
    // 92: log encoding
    "UTF8", "SJIS",
};
// clang-format on

static_assert(sizeof kNames / sizeof kNames[0] == kValueNameCount, "one name for every index");

}  // namespace

const char* const* const ValueNameTable = kNames - kValueNameFirst;

const char* ValueName(long long index) {
  if (index < kValueNameFirst || index > kValueNameLast) return nullptr;
  return kNames[index - kValueNameFirst];
}

}  // namespace kt
