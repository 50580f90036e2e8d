// Compile-time checks of the document records: they are filled in place by
// the readers and cleared with memset by their callers, and the readers cut
// texts at the field width minus the zero byte, so the widths are the
// documents' limits.
#include <iterator>
#include <type_traits>

#include "DeviceDocuments.h"

using namespace kt;

namespace {

template <typename T>
constexpr bool kPlainRecord = std::is_trivially_copyable_v<T>&& std::is_standard_layout_v<T>;

static_assert(kPlainRecord<DeviceInfo> && kPlainRecord<DeviceStatus> && kPlainRecord<SdInfo> &&
              kPlainRecord<MailSubjectList> && kPlainRecord<SystemLogEntry> && kPlainRecord<ComLogEntry> &&
              kPlainRecord<EventLogEntry>);

// Longest text each field keeps, in bytes.
static_assert(sizeof SystemLogEntry{}.Message - 1 == 31);
static_assert(sizeof ComLogEntry{}.Type - 1 == 15 && sizeof ComLogEntry{}.Result - 1 == 15 &&
              sizeof ComLogEntry{}.FormFile - 1 == 31 && sizeof ComLogEntry{}.Message - 1 == 31);
static_assert(sizeof EventLogEntry{}.Type - 1 == 15 && sizeof EventLogEntry{}.Name - 1 == 48 &&
              sizeof EventLogEntry{}.Comment - 1 == 48 && sizeof EventLogEntry{}.Coller - 1 == 15 &&
              sizeof EventLogEntry{}.Message - 1 == 96);
static_assert(sizeof MailSubjectList{}.SUBJECT[0] - 1 == 96 && std::size(MailSubjectList{}.SUBJECT) == 4);
static_assert(sizeof SdInfo{}.Sd - 1 == 15 && sizeof SdInfo{}.SPACE - 1 == 31 && sizeof SdInfo{}.SIZE - 1 == 31);
static_assert(std::size(DeviceInfo{}.MAC) == 6 && std::size(DeviceInfo{}.DNS2) == 4);

}  // namespace
