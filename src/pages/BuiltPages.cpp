#include "BuiltPages.h"
#include "AdminPage.h"
#include "ApArrayPage.h"
#include "ClientInfoPage.h"
#include "ConfigFilePage.h"
#include "DateTimePage.h"
#include "DeviceInfoPage.h"
#include "DhcpServerPage.h"
#include "FilterPage.h"
#include "FirmwarePage.h"
#include "GroupingPage.h"
#include "InformationPage.h"
#include "IntrusionPage.h"
#include "LanPage.h"
#include "LogPage.h"
#include "MultiSsidPage.h"
#include "PerformancePage.h"
#include "QosPage.h"
#include "RadiusServerPage.h"
#include "SchedulePage.h"
#include "StatsPage.h"
#include "SystemPage.h"
#include "TrafficControlPage.h"
#include "VlanPage.h"
#include "WdsInfoPage.h"
#include "WirelessPage.h"
#include "shell/PageRegistry.h"

namespace BuiltPages {
namespace {
template <typename Page>
CPage* Make(CMainView* view, const PageRow& row) {
    return new Page(view, row);
}
}  // namespace

// Once per process: a factory a test put in place of a page stays until the
// test puts the previous one back.
void Install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    PageRegistry::SetFactory("CInformationPage", &Make<CInformationPage>);
    PageRegistry::SetFactory("CLanPage", &Make<CLanPage>);
    PageRegistry::SetFactory("CDhcpServerPage", &Make<CDhcpServerPage>);
    PageRegistry::SetFactory("CAdminPage", &Make<CAdminPage>);
    PageRegistry::SetFactory("CPerformancePage", &Make<CPerformancePage>);
    PageRegistry::SetFactory("CFilterPage", &Make<CFilterPage>);
    PageRegistry::SetFactory("CGroupingPage", &Make<CGroupingPage>);
    PageRegistry::SetFactory("CWirelessPage", &Make<CWirelessPage>);
    PageRegistry::SetFactory("CMultiSsidPage", &Make<CMultiSsidPage>);
    PageRegistry::SetFactory("CDateTimePage", &Make<CDateTimePage>);
    PageRegistry::SetFactory("CLogPage", &Make<CLogPage>);
    PageRegistry::SetFactory("CDeviceInfoPage", &Make<CDeviceInfoPage>);
    PageRegistry::SetFactory("CStatsPage", &Make<CStatsPage>);
    PageRegistry::SetFactory("CClientInfoPage", &Make<CClientInfoPage>);
    PageRegistry::SetFactory("CWdsInfoPage", &Make<CWdsInfoPage>);
    PageRegistry::SetFactory("CSchedulePage", &Make<CSchedulePage>);
    PageRegistry::SetFactory("CVlanPage", &Make<CVlanPage>);
    PageRegistry::SetFactory("CRadiusServerPage", &Make<CRadiusServerPage>);
    PageRegistry::SetFactory("CIntrusionPage", &Make<CIntrusionPage>);
    PageRegistry::SetFactory("CTrafficControlPage", &Make<CTrafficControlPage>);
    PageRegistry::SetFactory("CApArrayPage", &Make<CApArrayPage>);
    PageRegistry::SetFactory("CQosPage", &Make<CQosPage>);
    PageRegistry::SetFactory("CFirmwarePage", &Make<CFirmwarePage>);
    PageRegistry::SetFactory("CConfigFilePage", &Make<CConfigFilePage>);
    PageRegistry::SetFactory("CSystemPage", &Make<CSystemPage>);
}
}  // namespace BuiltPages
