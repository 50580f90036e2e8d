#include "ConfigPages.h"

#include "DlgConfigCom.h"
#include "DlgConfigAi.h"
#include "DlgConfigLog.h"
#include "DlgConfigOi.h"

namespace {

template <class Page>
CTabDialog* MakePage(CWnd* pParent) {
  return new Page(pParent);
}

// Tab order: COM.1, COM.2, C, AI, DI, OI, DO, Trend, Log, Disp, Mail.
const ConfigPageEntry kPages[] = {
    {"COM.1", CDlgConfigCom::IDD, &MakePage<CDlgConfigCom>},
    {"AI", CDlgConfigAi::IDD, &MakePage<CDlgConfigAi>},
    {"OI", CDlgConfigOi::IDD, &MakePage<CDlgConfigOi>},
    {"Log", CDlgConfigLog::IDD, &MakePage<CDlgConfigLog>},
};

}  // namespace

std::span<const ConfigPageEntry> ConfigPageTable() { return kPages; }
