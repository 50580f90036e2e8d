// SLMP device tables and the command pairs derived from them.
//
// A channel fed by (or writing to) an SLMP peer names a device of the
// controller by device code and address. The device also needs the SLMP
// command and subcommand for that kind of device in the frame form of the
// peer ("16" or "32"); the tool keeps the supported devices in fixed tables
// and fills SLMP.AI/DI/DO[i].COMMAND and SUB from them when settings are
// saved.
//
// Each table ends with a row whose name is empty and whose code and commands
// are 0. Row order is the order in which the pages list the names, so a list
// position is a row index.
#pragma once

#include <span>

#include "DeviceConfig.h"

namespace kt {

// SLMP commands and subcommands.
constexpr u32 kSlmpCmdBatchRead = 0x0401;
constexpr u32 kSlmpCmdRandomRead = 0x0403;
constexpr u32 kSlmpCmdRandomWrite = 0x1402;
constexpr u32 kSlmpSubWord = 0x0000;
constexpr u32 kSlmpSubBit = 0x0001;
constexpr u32 kSlmpSubWord32 = 0x0002;
constexpr u32 kSlmpSubBit32 = 0x0003;

struct SlmpDeviceInfo {
  const char* name;  // SLMP mnemonic shown to the user; "" on the end row
  u32 code;          // SLMP device code; 0 on the end row
  u32 command32;     // pair used when the peer's TYPE is "32"
  u32 sub32;
  u32 command16;  // pair used when the peer's TYPE is "16"
  u32 sub16;
};

// Word devices read by AI channels (11 rows + end row).
extern const SlmpDeviceInfo SlmpWordDevicesRead[12];
// Bit devices read by DI channels (22 rows + end row).
extern const SlmpDeviceInfo SlmpBitDevicesRead[23];
// Bit devices written by DO channels: the names and codes of
// SlmpBitDevicesRead with the random-write pairs (22 rows + end row).
extern const SlmpDeviceInfo SlmpBitDevicesWrite[23];
// Kept beside the others but used by no channel kind yet: the word devices
// with the long timer/counter/index devices, and the word devices for writing.
extern const SlmpDeviceInfo SlmpWordDevicesReadEx[16];
extern const SlmpDeviceInfo SlmpWordDevicesWrite[12];

// The rows of a table before its end row.
std::span<const SlmpDeviceInfo> SlmpDeviceRows(const SlmpDeviceInfo* table);

// The row index of the device with this code, or -1 when the table has none
// (a code of 0 is never found). Pages show -1 as "no selection", never as
// the first device.
int FindSlmpDeviceRow(const SlmpDeviceInfo* table, u32 code);

// The six command lookups. Each sets (command, sub) to the pair of the first
// row whose code equals `code` and returns true; when no row matches it sets
// both to 0 and returns false. A code of 0 always gives (0, 0).
bool FindSlmpAiCommand16(u32 code, u32& command, u32& sub);
bool FindSlmpDiCommand16(u32 code, u32& command, u32& sub);
bool FindSlmpDoCommand16(u32 code, u32& command, u32& sub);
bool FindSlmpAiCommand32(u32 code, u32& command, u32& sub);
bool FindSlmpDiCommand32(u32 code, u32& command, u32& sub);
bool FindSlmpDoCommand32(u32 code, u32& command, u32& sub);

// ---- what the AI, DI and DO pages do with the tables ----

enum class SlmpChannelKind { Ai, Di, Do };

// The table whose names a page of this kind lists and whose codes it accepts:
// SlmpWordDevicesRead (AI), SlmpBitDevicesRead (DI), SlmpBitDevicesWrite (DO).
const SlmpDeviceInfo* SlmpDeviceTableFor(SlmpChannelKind kind);

// Save-time derivation of the command pairs, for every channel of `kind`.
// A channel whose REG is "C" and whose CHNO numbers a peer that speaks SLMP
// gets COMMAND and SUB from the lookup of its kind: the "16" pair when the
// peer's SLMP TYPE is "16", the "32" pair when it is "32", (0, 0) for any
// other TYPE or a code absent from the table. Every other channel (another
// source, a Modbus/TCP peer, a CHNO that numbers no peer) keeps its pair.
void DeriveSlmpCommands(DeviceConfig& config, SlmpChannelKind kind);

// The first channel of `kind` that reads from an SLMP peer (REG "C", CHNO
// numbering a peer whose PROTOCOL is SLMP, whatever its MODE) with a device
// code that is not in the kind's table; -1 when every channel passes.
int FindUnknownSlmpDevice(const DeviceConfig& config, SlmpChannelKind kind);

}  // namespace kt
