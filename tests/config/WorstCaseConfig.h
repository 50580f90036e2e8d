// A record in which every field holds a value other than its default, inside
// the range the reader accepts: texts at full width of multi-byte characters
// and every byte that needs an escape, enumerations at the last name of their
// slice, integers and masks at their extremes, reals with three decimals.
// Elements of one array differ from each other.
#pragma once

#include "DeviceConfig.h"

namespace kt::test {

void FillWorstCaseConfig(DeviceConfig* config);

}  // namespace kt::test
