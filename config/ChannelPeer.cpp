#include "ChannelPeer.h"

namespace kt {

int PeerIndexOf(u32 chno) { return chno < static_cast<u32>(kPeerCount) ? static_cast<int>(chno) : kNoPeer; }

bool IsSlmpPeer(const DeviceConfig& config, u32 chno) {
  const int p = PeerIndexOf(chno);
  return p != kNoPeer && config.C[p].PROTOCOL == kProtocolSlmp;
}

bool IsModbusPeer(const DeviceConfig& config, u32 chno) {
  const int p = PeerIndexOf(chno);
  return p != kNoPeer && config.C[p].PROTOCOL == kProtocolModbusTcp;
}

int ChannelPeerIndex(u32 reg, u32 chno) { return reg == kRegPeer ? PeerIndexOf(chno) : kNoPeer; }

}  // namespace kt
