#include "BuiltPages.h"
#include "ApArrayPage.h"
#include "InformationPage.h"
#include "IntrusionPage.h"
#include "QosPage.h"
#include "RadiusServerPage.h"
#include "SchedulePage.h"
#include "TrafficControlPage.h"
#include "VlanPage.h"
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
    PageRegistry::SetFactory("CSchedulePage", &Make<CSchedulePage>);
    PageRegistry::SetFactory("CVlanPage", &Make<CVlanPage>);
    PageRegistry::SetFactory("CRadiusServerPage", &Make<CRadiusServerPage>);
    PageRegistry::SetFactory("CIntrusionPage", &Make<CIntrusionPage>);
    PageRegistry::SetFactory("CTrafficControlPage", &Make<CTrafficControlPage>);
    PageRegistry::SetFactory("CApArrayPage", &Make<CApArrayPage>);
    PageRegistry::SetFactory("CQosPage", &Make<CQosPage>);
}
}  // namespace BuiltPages
