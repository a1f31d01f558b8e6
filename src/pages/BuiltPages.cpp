#include "BuiltPages.h"
#include "ConfigFilePage.h"
#include "FirmwarePage.h"
#include "InformationPage.h"
#include "SystemPage.h"
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
    PageRegistry::SetFactory("CFirmwarePage", &Make<CFirmwarePage>);
    PageRegistry::SetFactory("CConfigFilePage", &Make<CConfigFilePage>);
    PageRegistry::SetFactory("CSystemPage", &Make<CSystemPage>);
}
}  // namespace BuiltPages
