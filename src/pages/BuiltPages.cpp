#include "BuiltPages.h"
#include "InformationPage.h"
#include "ClientInfoPage.h"
#include "DateTimePage.h"
#include "DeviceInfoPage.h"
#include "LogPage.h"
#include "StatsPage.h"
#include "WdsInfoPage.h"
#include "shell/PageRegistry.h"

namespace BuiltPages {
namespace {
template <typename Page>
CPage* Make(CMainView* view, const PageRow& row) {
    return new Page(view, row);
}
}  // namespace

void Install() {
    PageRegistry::SetFactory("CInformationPage", &Make<CInformationPage>);
    PageRegistry::SetFactory("CDateTimePage", &Make<CDateTimePage>);
    PageRegistry::SetFactory("CLogPage", &Make<CLogPage>);
    PageRegistry::SetFactory("CDeviceInfoPage", &Make<CDeviceInfoPage>);
    PageRegistry::SetFactory("CStatsPage", &Make<CStatsPage>);
    PageRegistry::SetFactory("CClientInfoPage", &Make<CClientInfoPage>);
    PageRegistry::SetFactory("CWdsInfoPage", &Make<CWdsInfoPage>);
}
}  // namespace BuiltPages
