#include "ConfigPages.h"

#include "DlgConfigC.h"
#include "DlgConfigCom.h"
#include "DlgConfigDi.h"
#include "DlgConfigDo.h"
#include "DlgConfigAi.h"
#include "DlgConfigLog.h"

namespace {

template <class Page>
CTabDialog* MakePage(CWnd* pParent) {
  return new Page(pParent);
}

// Tab order: COM.1, COM.2, C, AI, DI, OI, DO, Trend, Log, Disp, Mail.
const ConfigPageEntry kPages[] = {
    {"COM.1", CDlgConfigCom::IDD, &MakePage<CDlgConfigCom>},
    {"C", CDlgConfigC::IDD, &MakePage<CDlgConfigC>},
    {"AI", CDlgConfigAi::IDD, &MakePage<CDlgConfigAi>},
    {"DI", CDlgConfigDi::IDD, &MakePage<CDlgConfigDi>},
    {"DO", CDlgConfigDo::IDD, &MakePage<CDlgConfigDo>},
    {"Log", CDlgConfigLog::IDD, &MakePage<CDlgConfigLog>},
};

}  // namespace

std::span<const ConfigPageEntry> ConfigPageTable() { return kPages; }
