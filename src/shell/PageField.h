#pragma once
#include "FieldCheck.h"
#include "ValueBinding.h"
#include <QString>
#include <functional>
#include <vector>

class CPage;
class PageRequest;
class QWidget;
class ValueMap;

// One control of a page declared with what it shows: the request variable it
// binds (checked when the page is built), its label, its checks with the
// page's messages, and when Save writes it. Each kind of control is a
// subclass; the widget is a child of the page.
class PageField : public ValueBinding {
public:
    // `request` may be null for a field that the page fills itself.
    PageField(CPage* page, PageRequest* request, const QString& variable, const QString& label);
    ~PageField() override;
    PageField(const PageField&) = delete;
    PageField& operator=(const PageField&) = delete;

    CPage* Page() const { return page_; }
    PageRequest* Request() const { return request_; }
    int VariableIndex() const { return index_; }
    QString Variable() const;
    const QString& Label() const { return label_; }
    // The title of the group the field is laid out in ("" when none).
    const QString& Group() const { return group_; }
    void SetGroup(const QString& group) { group_ = group; }

    virtual QWidget* Widget() const = 0;
    // The kind of control, for listings ("edit", "combo", ...).
    virtual const char* KindName() const = 0;
    // True when the control shows its own label (a check box).
    virtual bool LabelsItself() const { return false; }
    // What the field shows, as a person reads it.
    virtual QString Text() const = 0;
    // The text as it is on the screen (a secret edit shows one '*' a character).
    virtual QString ShownText() const { return Text(); }
    // Shows a text (an enumerated value as its value-map text).
    virtual void SetText(const QString& text) = 0;
    // Types or chooses `text` as a person would; false, with the reason,
    // when the control cannot take it.
    virtual bool Enter(const QString& text, QString* why) = 0;
    // Whether Save may write the field at all (static texts are not written).
    virtual bool Writes() const { return true; }
    // A failed check: the message box, then the control made ready for
    // correction (an edit's text selected and focused).
    virtual void Reject(const QString& message);

    // Declaration, in the page's order.
    PageField& Check(FieldCheck check);
    PageField& WrittenWhen(std::function<bool()> condition);
    PageField& NeverWritten();

    // Whether the current settings make Save write this field.
    bool TakesPartInSave() const;
    // Runs the checks in order; after the first failure the field is
    // rejected and false returned.
    bool Validate();

    void ToControl(const MibVariableEntry& entry) override;
    void FromControl(MibVariableEntry& entry) override;

protected:
    // The value map of the bound variable, or nullptr.
    const ValueMap* Map() const;

private:
    CPage* page_;
    PageRequest* request_;
    int index_ = -1;
    QString label_;
    QString group_;
    std::vector<FieldCheck> checks_;
    std::function<bool()> writtenWhen_;
    bool neverWritten_ = false;
};
