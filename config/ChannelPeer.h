// Which communication peer a channel talks to, and with which protocol.
//
// A channel whose source (or destination) is "C" names its peer by CHNO:
// 0 for C1, 1 for C2. CHNO comes from documents and pastes, so it can hold
// any 16-bit value; every lookup of C[], SLMP.C[] or MODBUS.C[] through a
// channel goes through PeerIndexOf so that a stray number means "no peer"
// instead of reading past the peer arrays.
#pragma once

#include "DeviceConfig.h"

namespace kt {

// Values of a channel's REG (AI, DI, DO): "None", the own kind, "C", "Demo".
constexpr u32 kRegNone = 0;
constexpr u32 kRegLocal = 1;
constexpr u32 kRegPeer = 2;
constexpr u32 kRegDemo = 3;

// Values of C[p].PROTOCOL.
constexpr u32 kProtocolModbusTcp = 0;
constexpr u32 kProtocolSlmp = 1;

// Values of SLMP.C[p].TYPE: the frame form the peer uses.
constexpr u32 kSlmpFrame16 = 0;
constexpr u32 kSlmpFrame32 = 1;

constexpr int kNoPeer = -1;

// The peer index that CHNO numbers, or kNoPeer when it numbers none.
int PeerIndexOf(u32 chno);

// True when CHNO numbers a peer that speaks SLMP / Modbus/TCP. A CHNO that
// numbers no peer is neither.
bool IsSlmpPeer(const DeviceConfig& config, u32 chno);
bool IsModbusPeer(const DeviceConfig& config, u32 chno);

// The peer a channel with this REG and CHNO reads from or writes to:
// kNoPeer unless REG is "C" and CHNO numbers a peer.
int ChannelPeerIndex(u32 reg, u32 chno);

}  // namespace kt
