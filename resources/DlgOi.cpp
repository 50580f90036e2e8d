// Templates 172-192: the operation sub-dialogs of the OI page. Each shows its
// formula at the top and one row per operand (caption, source, channel,
// constant), then the kind's own fields.
#include "DialogTemplate.h"

#include <initializer_list>

namespace {
using namespace kt::res;

constexpr int kWidth = 226;
constexpr int kHeight = 150;
constexpr int kTop = 36;    // first row
constexpr int kPitch = 15;  // row to row
constexpr std::uint32_t kLabel = WS_VISIBLE;
constexpr std::uint32_t kInput = WS_VISIBLE | WS_TABSTOP;
constexpr std::uint32_t kCombo = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;

struct Row {
  const char* caption;
  int source, channel, constant;
};

// Formula, rows from kTop, then the extra controls.
std::vector<ControlTemplate> Body(const char* formula, std::initializer_list<Row> rows,
                                  std::initializer_list<ControlTemplate> extra = {}, int formulaWidth = 210) {
  std::vector<ControlTemplate> out;
  out.push_back({-1, Kind::Static, formula, 8, 6, formulaWidth, 26, kLabel | SS_CENTER});
  int y = kTop;
  for (const Row& r : rows) {
    out.push_back({-1, Kind::Static, r.caption, 8, y + 2, 24, 8, kLabel});
    // Combo box heights are those of the dropped lists.
    out.push_back({r.source, Kind::ComboDropDown, "", 34, y, 56, 80, kCombo});
    out.push_back({r.channel, Kind::ComboDropDown, "", 94, y, 36, 80, kCombo});
    out.push_back({r.constant, Kind::Edit, "", 136, y, 80, 12, kInput | ES_RIGHT});
    y += kPitch;
  }
  out.insert(out.end(), extra);
  return out;
}

DialogTemplate Sub(int id, std::vector<ControlTemplate> controls) {
  return DialogTemplate{id, "", kWidth, kHeight, WS_CHILD, "MS Shell Dlg", 8, std::move(controls)};
}

constexpr int Y(int row) { return kTop + row * kPitch; }

// clang-format off
const DialogTemplate kOiAdd = Sub(192, Body("Y = K1·X1 + K2·X2 + K3·X3 + A0",
                                            {{"K1", 1181, 1186, 1179},
                                             {"X1", 1189, 1190, 1185},
                                             {"K2", 1182, 1187, 1180},
                                             {"X2", 1192, 1193, 1191},
                                             {"K3", 1184, 1188, 1183},
                                             {"X3", 1195, 1196, 1194},
                                             {"A0", 1198, 1199, 1197}}));
KT_DIALOG_TEMPLATE(kOiAdd);

const DialogTemplate kOiMul = Sub(188, Body("Y = (K1·X1 + A1)·(K2·X2 + A2) + A0",
                                            {{"K1", 1201, 1208, 1215},
                                             {"X1", 1202, 1209, 1219},
                                             {"A1", 1203, 1210, 1216},
                                             {"K2", 1204, 1212, 1217},
                                             {"X2", 1205, 1211, 1218},
                                             {"A2", 1206, 1213, 1220},
                                             {"A0", 1207, 1214, 1221}}));
KT_DIALOG_TEMPLATE(kOiMul);

const DialogTemplate kOiDiv = Sub(191, Body("K1·X1 + A1\nY = ───────────── + A0\nK2·X2 + A2",
                                            {{"K1", 1223, 1230, 1237},
                                             {"X1", 1224, 1231, 1238},
                                             {"A1", 1225, 1232, 1239},
                                             {"K2", 1226, 1233, 1240},
                                             {"X2", 1227, 1234, 1241},
                                             {"A2", 1228, 1235, 1242},
                                             {"A0", 1229, 1236, 1243}}));
KT_DIALOG_TEMPLATE(kOiDiv);

const DialogTemplate kOiSqrt =
    Sub(172, Body("Y = 10·K1·√X1", {{"K1", 1245, 1247, 1249}, {"X1", 1246, 1248, 1250}}));
KT_DIALOG_TEMPLATE(kOiSqrt);

const DialogTemplate kOiMovave = Sub(173, Body("Y = ( Σ x(n), n = 0 … N−1 ) / N", {{"x", 1253, 1255, 1257}},
                                               {
                                                   {-1, Kind::Static, "N", 8, Y(1) + 2, 24, 8, kLabel},
                                                   {1252, Kind::ComboDropList, "", 34, Y(1), 56, 80, kCombo},
                                                   {-1, Kind::Static, "× 100ms", 94, Y(1) + 2, 50, 8, kLabel},
                                               }));
KT_DIALOG_TEMPLATE(kOiMovave);

const DialogTemplate kOiDelay = Sub(174, Body("G(s) = K / (1 + T·s)", {{"G", 1260, 1262, 1264}},
                                              {
                                                  {-1, Kind::Static, "T", 8, Y(1) + 2, 24, 8, kLabel},
                                                  {1263, Kind::Edit, "", 34, Y(1), 56, 12, kInput | ES_RIGHT},
                                                  {-1, Kind::Static, "sec(0-100)", 94, Y(1) + 2, 60, 8, kLabel},
                                                  {-1, Kind::Static, "K", 8, Y(2) + 2, 24, 8, kLabel},
                                                  {1265, Kind::Edit, "", 34, Y(2), 80, 12, kInput | ES_RIGHT},
                                              }));
KT_DIALOG_TEMPLATE(kOiDelay);

const DialogTemplate kOiExp = Sub(175, Body("Y = e^(X1(n))", {{"X1", 1266, 1267, 1268}}));
KT_DIALOG_TEMPLATE(kOiExp);
const DialogTemplate kOiLog = Sub(176, Body("Y = log(X1)", {{"X1", 1270, 1271, 1272}}));
KT_DIALOG_TEMPLATE(kOiLog);
const DialogTemplate kOiLn = Sub(190, Body("Y = ln(X1)", {{"X1", 1273, 1274, 1275}}));
KT_DIALOG_TEMPLATE(kOiLn);
const DialogTemplate kOiMax = Sub(189, Body("Y = MAX(X1(n))", {{"X1", 1276, 1277, 1278}}));
KT_DIALOG_TEMPLATE(kOiMax);
const DialogTemplate kOiMin = Sub(179, Body("Y = MIN(X1(n))", {{"X1", 1279, 1280, 1281}}));
KT_DIALOG_TEMPLATE(kOiMin);

// The input is a channel: a source and a channel box, no constant.
const DialogTemplate kOiAnasum = Sub(
    180, Body("Y = Σ x(n), n = 0 … N", {},
              {
                  {-1, Kind::Static, "Input", 8, Y(0) + 2, 70, 8, kLabel},
                  {1283, Kind::ComboDropDown, "", 80, Y(0), 56, 80, kCombo},
                  {1284, Kind::ComboDropDown, "", 140, Y(0), 36, 80, kCombo},
                  {-1, Kind::Static, "Counter rate", 8, Y(1) + 2, 70, 8, kLabel},
                  {1286, Kind::Edit, "", 80, Y(1), 80, 12, kInput | ES_RIGHT},
                  {-1, Kind::Static, "Time unit", 8, Y(2) + 2, 70, 8, kLabel},
                  {1285, Kind::ComboDropDown, "", 80, Y(2), 56, 80, kCombo},
                  {-1, Kind::Static, "Low-end cutout(%)", 8, Y(3) + 2, 70, 8, kLabel},
                  {1257, Kind::Edit, "", 80, Y(3), 80, 12, kInput | ES_RIGHT},
                  {-1, Kind::Static, "%", 164, Y(3) + 2, 20, 8, kLabel},
              }));
KT_DIALOG_TEMPLATE(kOiAnasum);

const DialogTemplate kOiPow = Sub(181, Body("Y = X1^K1", {{"K1", 1288, 1289, 1290}, {"X1", 1291, 1292, 1293}}));
KT_DIALOG_TEMPLATE(kOiPow);

const DialogTemplate kOiF =
    Sub(182, Body("F = Σ 10^((X1 − K1) / K2)",
                  {{"X1", 1298, 1299, 1300}, {"K1", 1301, 1302, 1303}, {"K2", 1296, 1297, 1295}},
                  {{-1, Kind::Static, "X1: Input\nK1: Ref temp(deg.C)\nK2: Z value", 128, 4, 94, 28, kLabel}},
                  118));
KT_DIALOG_TEMPLATE(kOiF);

const DialogTemplate kOiAlog = Sub(183, Body("Y = 10^X1", {{"X1", 1304, 1305, 1306}}));
KT_DIALOG_TEMPLATE(kOiAlog);

const DialogTemplate kOiSca =
    Sub(184, Body("Y = K3 + (K4 − K3)·(X1 − K1) / (K2 − K1)\nX1: K1 … K2   ⟶   Y: K3 … K4",
                  {{"X1", 1311, 1312, 1313},
                   {"K1", 1314, 1315, 1316},
                   {"K2", 1317, 1318, 1319},
                   {"K3", 1305, 1306, 1304},
                   {"K4", 1309, 1310, 1308}}));
KT_DIALOG_TEMPLATE(kOiSca);

const DialogTemplate kOiTime = Sub(187, Body("MM/DD hh:mm:ss", {},
                                             {
                                                 {-1, Kind::Static, "K1", 8, Y(0) + 2, 24, 8, kLabel},
                                                 {1464, Kind::ComboDropList, "", 34, Y(0), 70, 80, kCombo},
                                             }));
KT_DIALOG_TEMPLATE(kOiTime);

// clang-format on
}  // namespace
