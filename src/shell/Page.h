#pragma once
#include "PageDeclarationError.h"
#include "PageField.h"
#include "PageList.h"
#include "PageRegistry.h"
#include "PageRequest.h"
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CMainDoc;
class CMainView;
class PageForm;
class PageWait;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The base of every page of the management window: a modeless child of the
// view that owns its requests (created once, with the page) and the fields,
// lists and buttons it declares. The shared cycle (refresh, busy test, save
// with validation and wait, status line) lives here; a page declares its
// fields and adds its own rules.
class CPage : public QWidget {
    Q_OBJECT
public:
    CPage(CMainView* view, const PageRow& row);
    ~CPage() override;

    const PageRow& Row() const { return row_; }
    CMainView* View() const { return view_; }
    CMainDoc* Document() const;

    // Reads every request marked for refresh (Access words first).
    virtual void Refresh();
    // True while one of the page's requests is in progress.
    virtual bool IsBusy() const;
    // A window command meant for one page (Save and Activate, Discard
    // Changes); true when this page carried it out.
    virtual bool HandleCommand(int commandId) {
        (void)commandId;
        return false;
    }
    // The page is being shown for `row` (pages shared by rows take their mode from it).
    virtual void ShownFor(const PageRow& row) { (void)row; }

    int RequestCount() const { return static_cast<int>(requests_.size()); }
    PageRequest& Request(int index) const { return *requests_.at(static_cast<size_t>(index)); }

    // What the page declared, in declaration order.
    struct Button {
        QString Group;
        QString Text;
        QPushButton* Control;
    };
    std::vector<PageField*> Fields() const;
    std::vector<PageList*> Lists() const;
    const std::vector<Button>& Buttons() const { return buttons_; }

    // The name a person knows a field by: its label without a trailing ":";
    // "GROUP/LABEL" where another field of the page has the same label.
    QString FieldName(const PageField& field) const;
    PageField* FindField(const QString& name) const;
    // Lists by label or group title; buttons by text or "GROUP/TEXT".
    PageList* FindList(const QString& name) const;
    QPushButton* FindButton(const QString& name) const;
    QString ButtonName(const Button& button) const;
    // The text of the field bound to this variable ("" when none).
    QString TextOf(const QString& variable) const;
    // Shows or hides a field with its label.
    void ShowField(PageField& field, bool shown);

    // Used by PageForm.
    template <typename Field>
    Field& Declare(PageRequest* request, const QString& variable, const QString& label) {
        auto field = std::make_unique<Field>(this, request, variable, label);
        Field& ref = *field;
        fields_.push_back(std::move(field));
        return ref;
    }
    PageList& DeclareList(const QString& label, const QString& group);
    QPushButton* DeclareButton(const QString& text, const QString& group, std::function<void()> onClick);
    void TieLabel(const PageField& field, QLabel* label);

    // The longest one wait of the page may take, in ms (its slowest request).
    int LongestWaitMs() const;

protected:
    PageRequest& AddRequest(const MibVariable* table, int32_t timeoutHundredths, const QString& label = {});
    // A group of fields in the page's column, in declaration order.
    PageForm& Form(const QString& title);
    // A list in the page's column.
    PageList& List(const QString& label);
    // A button in the row at the foot of the page.
    QPushButton* AddButton(const QString& text, std::function<void()> onClick);
    // A field that is never shown (values other rules use).
    template <typename Field>
    Field& Hidden(PageRequest& request, const QString& variable) {
        Field& field = Declare<Field>(&request, variable, variable);
        field.Widget()->hide();
        return field;
    }

    void PostStatus(const QString& text) const;
    PageWait& Wait() const;

    // The save sequence: every variable to Access 32, then `rules` marks the
    // meaningful ones (Access 6) and validates in the page's order; on
    // success the wait begins and the set is sent. The set's completion
    // posts the engine's message, calls `followUp` and ends the wait;
    // "Save OK!" follows only when the set succeeded.
    void Save(PageRequest& request, const std::function<bool()>& rules,
              const std::function<void(const RequestResult&)>& followUp = {});
    // Save of the declared fields of `request`: in declaration order, each
    // field that takes part is checked and marked written; then the page's
    // own `rules` run (they may mark further variables).
    void SaveFields(PageRequest& request, const std::function<bool()>& rules = {},
                    const std::function<void(const RequestResult&)>& followUp = {});

private:
    CMainView* view_;
    const PageRow& row_;
    std::vector<std::unique_ptr<PageRequest>> requests_;
    std::vector<std::unique_ptr<PageForm>> forms_;
    std::vector<std::unique_ptr<PageField>> fields_;
    std::vector<std::unique_ptr<PageList>> lists_;
    std::vector<Button> buttons_;
    std::map<const PageField*, QLabel*> labels_;
    QVBoxLayout* column_;
    QWidget* buttonRow_ = nullptr;
};
