#include "MainView.h"
#include "CaptionStrip.h"
#include "DeviceSettings.h"
#include "Page.h"
#include "PageWait.h"
#include "snmp/ErrorCatalog.h"
#include "snmp/SnmpSession.h"
#include <QApplication>

namespace {
CMainView* gView = nullptr;
}

CMainView::CMainView(CMainDoc* document, QWidget* parent)
    : QWidget(parent), document_(document), wait_(new PageWait(this)) {
    setObjectName(QStringLiteral("CMainView"));
    resize(100, 100);
}

CMainView::~CMainView() {
    // Pages go while the view is whole. A page's requests wait for their
    // completions and let events run meanwhile, in which the busy test or the
    // layout may walk the pages: each page leaves the map before it is deleted.
    while (!pages_.empty()) {
        const auto first = pages_.begin();
        CPage* page = first->second;
        pages_.erase(first);
        delete page;
    }
    if (gView == this)
        gView = nullptr;
}

CMainView* CMainView::Instance() { return gView; }

void CMainView::InitialUpdate(const WindowSettings& settings) {
    ErrorCatalog::LoadCatalogs(settings.CatalogFolder);
    DeviceSettings::SetFixed(settings);
    DeviceTarget target = SnmpSession::DefaultTarget();
    target.Address = settings.DeviceIpAddress;
    target.Port = settings.SnmpPort;
    target.AddressSpare.clear();
    target.WriteCommunity = settings.WriteCommunity;
    target.ReadCommunity = settings.ReadCommunity;
    SnmpSession::SetDefaultTarget(target);
    strings_.clear();
    gView = this;
    caption_ = new CaptionStrip(this);
    for (const PageRow& row : PageRegistry::Rows()) {
        if (pages_.count(row.PageClass))
            continue;
        if (PageFactory factory = PageRegistry::Factory(row.PageClass)) {
            CPage* page = factory(this, row);
            page->hide();
            pages_[row.PageClass] = page;
        }
    }
    Layout();
    if (CPage* info = InformationPage())
        info->show();
    SetCaption(QString::fromLatin1(PageRegistry::InformationLabel));
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void CMainView::SetCaption(const QString& text) {
    if (caption_)
        caption_->SetText(text);
}

QString CMainView::CaptionText() const { return caption_ ? caption_->Text() : QString(); }

QRect CMainView::CaptionRect() const { return {0, 0, width(), CaptionStrip::kHeight}; }

QRect CMainView::PageRect() const {
    return {0, CaptionStrip::kHeight, width(), qMax(0, height() - CaptionStrip::kHeight)};
}

CPage* CMainView::PageFor(const PageRow& row) const {
    const auto it = pages_.find(row.PageClass);
    return it == pages_.end() ? nullptr : it->second;
}

CPage* CMainView::PageByLabel(const QString& label) const {
    const PageRow* row = PageRegistry::FindByLabel(label);
    return row ? PageFor(*row) : nullptr;
}

CPage* CMainView::InformationPage() const {
    return PageByLabel(QString::fromLatin1(PageRegistry::InformationLabel));
}

std::vector<CPage*> CMainView::Pages() const {
    std::vector<CPage*> pages;
    for (const auto& [name, page] : pages_)
        pages.push_back(page);
    return pages;
}

bool CMainView::BusyCheck() const {
    for (const auto& [name, page] : pages_) {
        if (page->IsBusy())
            return true;
    }
    return false;
}

void CMainView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CMainView::Layout() {
    if (caption_)
        caption_->setGeometry(CaptionRect());
    for (auto& [name, page] : pages_)
        page->setGeometry(PageRect());
}
