#include "ConfigPages.h"

#include "DlgConfigAi.h"
#include "DlgConfigC.h"
#include "DlgConfigCom.h"
#include "DlgConfigCom2.h"
#include "DlgConfigDi.h"
#include "DlgConfigDo.h"
#include "DlgConfigDsp.h"
#include "DlgConfigLog.h"
#include "DlgConfigMail.h"
#include "DlgConfigOi.h"
#include "DlgConfigTrd.h"

namespace {

template <class Page>
CTabDialog* MakePage(CWnd* pParent) {
  return new Page(pParent);
}

// Tab order: COM.1, COM.2, C, AI, DI, OI, DO, Trend, Log, Disp, Mail.
const ConfigPageEntry kPages[] = {
    {"COM.1", CDlgConfigCom::IDD, &MakePage<CDlgConfigCom>},  {"COM.2", CDlgConfigCom2::IDD, &MakePage<CDlgConfigCom2>},
    {"C", CDlgConfigC::IDD, &MakePage<CDlgConfigC>},          {"AI", CDlgConfigAi::IDD, &MakePage<CDlgConfigAi>},
    {"DI", CDlgConfigDi::IDD, &MakePage<CDlgConfigDi>},       {"OI", CDlgConfigOi::IDD, &MakePage<CDlgConfigOi>},
    {"DO", CDlgConfigDo::IDD, &MakePage<CDlgConfigDo>},       {"Trend", CDlgConfigTrd::IDD, &MakePage<CDlgConfigTrd>},
    {"Log", CDlgConfigLog::IDD, &MakePage<CDlgConfigLog>},    {"Disp", CDlgConfigDsp::IDD, &MakePage<CDlgConfigDsp>},
    {"Mail", CDlgConfigMail::IDD, &MakePage<CDlgConfigMail>},
};

}  // namespace

std::span<const ConfigPageEntry> ConfigPageTable() { return kPages; }
