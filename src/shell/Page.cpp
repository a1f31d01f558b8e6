#include "Page.h"
#include "MainView.h"
#include "PageForm.h"
#include "PageWait.h"
#include "StatusPost.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString Plain(const QString& label) {
    QString text = label.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}
}  // namespace

CPage::CPage(CMainView* view, const PageRow& row)
    : QWidget(view), view_(view), row_(row), column_(new QVBoxLayout(this)) {
    setObjectName(QString::fromLatin1(row.PageClass));
    column_->addStretch(1);
}

// Requests go while the page is whole: their destruction waits for
// outstanding completions, which then reach neither the page's handlers nor
// its fields (unbound first).
CPage::~CPage() {
    for (auto& request : requests_)
        request->OnGot = request->OnSet = nullptr;
    lists_.clear();
    fields_.clear();
    requests_.clear();
}

CMainDoc* CPage::Document() const { return view_->Document(); }

PageRequest& CPage::AddRequest(const MibVariable* table, int32_t timeoutHundredths, const QString& label) {
    requests_.push_back(std::make_unique<PageRequest>(this, PageTable::Of(table), timeoutHundredths, label));
    return *requests_.back();
}

PageForm& CPage::Form(const QString& title) {
    forms_.push_back(std::make_unique<PageForm>(this, this, title));
    column_->insertWidget(column_->count() - 1, forms_.back()->Box());   // above the stretch
    return *forms_.back();
}

PageList& CPage::List(const QString& label) {
    PageList& list = DeclareList(label, {});
    column_->insertWidget(column_->count() - 1, list.View(), 1);
    return list;
}

PageList& CPage::DeclareList(const QString& label, const QString& group) {
    lists_.push_back(std::make_unique<PageList>(this, label.isEmpty() ? group : label));
    return *lists_.back();
}

QPushButton* CPage::AddButton(const QString& text, std::function<void()> onClick) {
    if (!buttonRow_) {
        buttonRow_ = new QWidget(this);
        auto* row = new QHBoxLayout(buttonRow_);
        row->setContentsMargins(0, 0, 0, 0);
        row->addStretch(1);
        column_->addWidget(buttonRow_);
    }
    QPushButton* button = DeclareButton(text, {}, std::move(onClick));
    button->setParent(buttonRow_);
    buttonRow_->layout()->addWidget(button);
    return button;
}

QPushButton* CPage::DeclareButton(const QString& text, const QString& group, std::function<void()> onClick) {
    auto* button = new QPushButton(text, this);
    button->setMinimumWidth(80);
    connect(button, &QPushButton::clicked, this, [onClick = std::move(onClick)] {
        if (onClick)
            onClick();
    });
    buttons_.push_back({group, text, button});
    return button;
}

void CPage::TieLabel(const PageField& field, QLabel* label) { labels_[&field] = label; }

void CPage::ShowField(PageField& field, bool shown) {
    field.Widget()->setVisible(shown);
    const auto it = labels_.find(&field);
    if (it != labels_.end())
        it->second->setVisible(shown);
}

std::vector<PageField*> CPage::Fields() const {
    std::vector<PageField*> fields;
    for (const auto& f : fields_)
        fields.push_back(f.get());
    return fields;
}

std::vector<PageList*> CPage::Lists() const {
    std::vector<PageList*> lists;
    for (const auto& l : lists_)
        lists.push_back(l.get());
    return lists;
}

QString CPage::FieldName(const PageField& field) const {
    const QString plain = Plain(field.Label());
    for (const auto& other : fields_) {
        if (other.get() != &field && Plain(other->Label()) == plain)
            return field.Group().isEmpty() ? plain : field.Group() + QLatin1Char('/') + plain;
    }
    return plain;
}

PageField* CPage::FindField(const QString& name) const {
    for (const auto& field : fields_) {
        if (FieldName(*field) == name)
            return field.get();
    }
    return nullptr;
}

PageList* CPage::FindList(const QString& name) const {
    for (const auto& list : lists_) {
        if (Plain(list->Label()) == name)
            return list.get();
    }
    return nullptr;
}

QString CPage::ButtonName(const Button& button) const {
    for (const Button& other : buttons_) {
        if (other.Control != button.Control && other.Text == button.Text && !button.Group.isEmpty())
            return button.Group + QLatin1Char('/') + button.Text;
    }
    return button.Text;
}

QPushButton* CPage::FindButton(const QString& name) const {
    for (const Button& button : buttons_) {
        if (ButtonName(button) == name)
            return button.Control;
    }
    return nullptr;
}

QString CPage::TextOf(const QString& variable) const {
    for (const auto& field : fields_) {
        if (field->Request() && field->Variable() == variable)
            return field->Text();
    }
    return {};
}

int CPage::LongestWaitMs() const {
    int longest = 0;
    for (const auto& request : requests_)
        longest = qMax(longest, request->LongestWaitMs());
    return longest;
}

void CPage::Refresh() {
    for (auto& request : requests_) {
        if (!request->ReadOnRefresh)
            continue;
        request->SetAccessAll(request->RefreshAccess);
        request->StartRead();
    }
}

bool CPage::IsBusy() const {
    for (const auto& request : requests_) {
        if (request && request->Busy())
            return true;
    }
    return false;
}

void CPage::PostStatus(const QString& text) const { StatusText::Post(text); }

PageWait& CPage::Wait() const { return view_->Wait(); }

void CPage::Save(PageRequest& request, const std::function<bool()>& rules,
                 const std::function<void(const RequestResult&)>& followUp) {
    request.SetAccessAll(SnmpAccess::Invalid);
    if (rules && !rules())
        return;
    Wait().BeginWait(false);
    request.OnSet = [this, &request, followUp](const RequestResult& result) {
        PostStatus(StatusText::Format(true, result.Message, request.Variables.Label));
        if (followUp)
            followUp(result);
        Wait().EndWait(false, result.Status == 0);
    };
    if (!request.StartWrite())
        Wait().EndWait(false, false);
}

void CPage::SaveFields(PageRequest& request, const std::function<bool()>& rules,
                       const std::function<void(const RequestResult&)>& followUp) {
    Save(
        request,
        [this, &request, rules] {
            for (const auto& field : fields_) {
                if (field->Request() != &request || !field->TakesPartInSave())
                    continue;
                if (!field->Validate())
                    return false;
                request.Variables.Entry(field->VariableIndex()).Access = SnmpAccess::ReadWrite;
            }
            return !rules || rules();
        },
        followUp);
}
