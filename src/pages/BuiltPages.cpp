#include "BuiltPages.h"
#include "InformationPage.h"
#include "MultiSsidPage.h"
#include "WirelessPage.h"
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
    PageRegistry::SetFactory("CWirelessPage", &Make<CWirelessPage>);
    PageRegistry::SetFactory("CMultiSsidPage", &Make<CMultiSsidPage>);
}
}  // namespace BuiltPages
