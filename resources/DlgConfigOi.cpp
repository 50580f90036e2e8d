// Template 168: the editor's "OI" page (operation channels). The operation
// sub-dialog of the chosen kind lies over the frame 1174; the zone rows are
// below it, zone 1 at the top.
#include "DialogTemplate.h"

#include <vector>

namespace {
using namespace kt::res;

constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kEdit = WS_VISIBLE | WS_TABSTOP | WS_BORDER;
constexpr std::uint32_t kNumber = kEdit | ES_RIGHT;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
constexpr std::uint32_t kButton = WS_VISIBLE | WS_TABSTOP;

// Zone grid: header row, then one row per zone.
constexpr int kHeaderY = 274;
constexpr int kRowY = 286;
constexpr int kPitch = 18;
constexpr int kZoneX = 66, kNameX = 96, kDelayX = 176, kUnitX = 208, kSwatchX = 240, kColorX = 263, kLowerX = 282,
              kUpperX = 348, kDeadbandX = 412;

struct ZoneRow {
  const char* caption;
  int name, delay, swatch, color, upper, lower;  // -1: none
};
constexpr ZoneRow kZones[5] = {
    {"Zone 1", 1167, 1166, 1435, 1169, 1165, -1},   {"Zone 2", 1176, 1162, 1434, 1170, 1161, 1164},
    {"Zone 3", 1177, 1158, 1433, 1171, 1157, 1160}, {"Zone 4", 1178, 1154, 1432, 1172, 1153, 1156},
    {"Zone 5", 1179, 1150, 1431, 1331, -1, 1152},
};

std::vector<ControlTemplate> Controls() {
  std::vector<ControlTemplate> c = {
      {1144, Kind::ListBox, "", 7, 13, 50, 52, WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL},
      {-1, Kind::Static, "CH name", 66, 15, 90, 8, kLabel},
      {1145, Kind::Edit, "", 160, 13, 110, 12, kEdit},
      {-1, Kind::Static, "CH comment", 66, 31, 90, 8, kLabel},
      {1146, Kind::Edit, "", 160, 29, 110, 12, kEdit},
      {-1, Kind::Static, "Number of decimal places", 66, 47, 92, 8, kLabel},
      {1147, Kind::ComboDropDown, "", 160, 45, 40, 80, kCombo},
      {-1, Kind::Static, "Engineering unit", 66, 63, 90, 8, kLabel},
      {1148, Kind::Edit, "", 160, 61, 60, 12, kEdit},
      {-1, Kind::Static, "Function type", 66, 79, 90, 8, kLabel},
      {1175, Kind::ComboDropDown, "", 160, 77, 110, 160, kCombo},
      // The sub-dialog of the chosen kind is laid over this frame.
      {1174, Kind::Frame, "", 66, 95, 226, 150, WS_VISIBLE},
      {-1, Kind::Static, "Partitions", 66, 256, 50, 8, kLabel},
      {1149, Kind::ComboDropDown, "", 120, 254, 50, 80, kCombo},
      {1168, Kind::PushButton, "Event setting", 180, 253, 70, 14, kButton},
      {-1, Kind::Static, "Name", kNameX, kHeaderY, 70, 8, kLabel},
      {-1, Kind::Static, "Delay time", kDelayX, kHeaderY, 60, 8, kLabel},
      {-1, Kind::Static, "Color", kSwatchX, kHeaderY, 36, 8, kLabel},
      {-1, Kind::Static, "Lower limit", kLowerX, kHeaderY, 60, 8, kLabel},
      {-1, Kind::Static, "Upper limit", kUpperX, kHeaderY, 60, 8, kLabel},
  };
  for (int z = 0; z < 5; ++z) {
    const ZoneRow& r = kZones[z];
    const int y = kRowY + z * kPitch;
    c.push_back({-1, Kind::Static, r.caption, kZoneX, y + 2, 28, 8, kLabel});
    c.push_back({r.name, Kind::Edit, "", kNameX, y, 76, 12, kEdit});
    c.push_back({r.delay, Kind::Edit, "", kDelayX, y, 30, 12, kNumber});
    c.push_back({-1, Kind::Static, "* 0.1[s]", kUnitX, y + 2, 30, 8, kLabel});
    c.push_back({r.swatch, Kind::Frame, "", kSwatchX, y, 20, 12, WS_VISIBLE});
    c.push_back({r.color, Kind::PushButton, "...", kColorX, y, 14, 12, kButton});
    if (r.lower >= 0) c.push_back({r.lower, Kind::Edit, "", kLowerX, y, 60, 12, kNumber});
    if (r.upper >= 0) {
      c.push_back({r.upper, Kind::Edit, "", kUpperX, y, 60, 12, kNumber});
      // Between this zone's upper limit and the next zone's lower limit.
      c.push_back({-1, Kind::Static, "(Deadband)", kDeadbandX, y + 11, 50, 8, kLabel});
    }
  }
  return c;
}

// clang-format off
const DialogTemplate kConfigOi{168, "", 518, 422, WS_CHILD, "MS Shell Dlg", 8, Controls()};
KT_DIALOG_TEMPLATE(kConfigOi);
// clang-format on

}  // namespace
