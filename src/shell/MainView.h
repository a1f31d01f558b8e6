#pragma once
#include "PageRegistry.h"
#include "WindowSettings.h"
#include <QStringList>
#include <QWidget>
#include <map>
#include <string>

class CaptionStrip;
class CMainDoc;
class CPage;
class PageWait;

// The view: the caption strip over the page rectangle, and every page,
// created at the initial update and moved whenever the view is resized.
class CMainView : public QWidget {
    Q_OBJECT
public:
    CMainView(CMainDoc* document, QWidget* parent);
    ~CMainView() override;

    // The module-wide view, or nullptr.
    static CMainView* Instance();

    // Loads the catalogs, points the default target at the device, creates
    // the pages and shows the Information page.
    void InitialUpdate(const WindowSettings& settings);

    CMainDoc* Document() const { return document_; }
    CaptionStrip* Caption() const { return caption_; }
    void SetCaption(const QString& text);
    QString CaptionText() const;
    QRect CaptionRect() const;
    QRect PageRect() const;

    // The page of a registry row (the filter rows share one), or nullptr when
    // that page is not built.
    CPage* PageFor(const PageRow& row) const;
    CPage* PageByLabel(const QString& label) const;
    CPage* InformationPage() const;
    std::vector<CPage*> Pages() const;

    // True when any page has a request in progress.
    bool BusyCheck() const;
    PageWait& Wait() const { return *wait_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Layout();

    CMainDoc* document_;
    CaptionStrip* caption_ = nullptr;
    PageWait* wait_;
    std::map<std::string, CPage*> pages_;   // by page class
    QStringList strings_;
};
