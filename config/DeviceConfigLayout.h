// Compile-time proof that the settings record has no implicit padding.
//
// std::bit_cast of a value-initialised object into bytes is only a constant
// expression when every byte of the object belongs to a member: a padding
// byte is indeterminate, and reading it stops constant evaluation. So each
// static_assert below fails to compile as soon as a struct gains a gap that
// is not an explicit pad field.
#pragma once

#include <array>
#include <bit>
#include <type_traits>

#include "DeviceConfig.h"

namespace kt::layout {

template <class T>
consteval bool HasNoPadding() {
  const auto bytes = std::bit_cast<std::array<unsigned char, sizeof(T)>>(T{});
  unsigned sum = 0;
  for (unsigned char b : bytes) sum += b;
  return sum == 0;
}

template <class T>
constexpr bool IsPlainRecord =
    std::is_trivially_copyable_v<T>&& std::is_standard_layout_v<T>&& std::is_trivially_default_constructible_v<T>;

#define KT_CHECK_RECORD(T)                                   \
  static_assert(IsPlainRecord<T>, #T " must be plain data"); \
  static_assert(HasNoPadding<T>(), #T " has implicit padding; add a pad field")

KT_CHECK_RECORD(PeerConfig);
KT_CHECK_RECORD(AiChannelConfig);
KT_CHECK_RECORD(DiChannelConfig);
KT_CHECK_RECORD(OiOperandConfig);
KT_CHECK_RECORD(OiChannelConfig);
KT_CHECK_RECORD(DoChannelConfig);
KT_CHECK_RECORD(ZoneLimitConfig);
KT_CHECK_RECORD(ZoneEventConfig);
KT_CHECK_RECORD(AnalogEventConfig);
KT_CHECK_RECORD(DiStateEventConfig);
KT_CHECK_RECORD(DoStateDisplayConfig);
KT_CHECK_RECORD(AlarmConfig);
KT_CHECK_RECORD(ModbusPeerConfig);
KT_CHECK_RECORD(ModbusPointConfig);
KT_CHECK_RECORD(SlmpPeerConfig);
KT_CHECK_RECORD(SlmpPointConfig);
KT_CHECK_RECORD(TrendConfig);
KT_CHECK_RECORD(PenConfig);
KT_CHECK_RECORD(CommentConfig);
KT_CHECK_RECORD(LogConfig);
KT_CHECK_RECORD(DisplayConfig);
KT_CHECK_RECORD(SntpConfig);
KT_CHECK_RECORD(WebConfig);
KT_CHECK_RECORD(ModbusServerConfig);
KT_CHECK_RECORD(SmtpConfig);
KT_CHECK_RECORD(MailAddressConfig);
KT_CHECK_RECORD(MailFormConfig);
KT_CHECK_RECORD(MailScheduleConfig);
KT_CHECK_RECORD(MailConfig);
KT_CHECK_RECORD(FtpClientConfig);
KT_CHECK_RECORD(FtpServerConfig);
// The whole record last: it would catch a gap between sub-records, too.
KT_CHECK_RECORD(DeviceConfig);

#undef KT_CHECK_RECORD

}  // namespace kt::layout
