#pragma once
#include "Page.h"
#include <QGroupBox>

class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// A group of a page laid out as rows of "Label :" and control; check boxes
// take a whole row. Its title names the group for fields that share a label
// with another group's.
class PageForm {
public:
    PageForm(CPage* page, QWidget* parent, const QString& title);

    QGroupBox* Box() const { return box_; }
    const QString& Title() const { return title_; }

    // A field bound to a variable of `request`.
    template <typename Field>
    Field& Add(PageRequest& request, const QString& variable, const QString& label) {
        return Place(page_->Declare<Field>(&request, variable, label));
    }
    // A field the page fills itself.
    template <typename Field>
    Field& Add(const QString& label) {
        return Place(page_->Declare<Field>(nullptr, QString(), label));
    }
    PageList& List(const QString& label);
    // A button of this group; the driver names it "TITLE/TEXT".
    QPushButton* Button(const QString& text, std::function<void()> onClick);

private:
    template <typename Field>
    Field& Place(Field& field) {
        PlaceField(field);
        return field;
    }
    void PlaceField(PageField& field);

    CPage* page_;
    QString title_;
    QGroupBox* box_;
    QVBoxLayout* column_ = nullptr;
    QGridLayout* grid_;
    QHBoxLayout* buttons_ = nullptr;
};
