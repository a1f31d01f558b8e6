#pragma once
#include <QString>
#include <functional>
#include <vector>

class CPage;
class PageField;
class PageForm;
class QPushButton;

// Rows of a page's group that carry their own buttons: a path with its
// "Browse" and "Upload" beside it, a sentence with the button that does it.
namespace FormRows {

// A button at the end of the row of `field`. The driver names it
// "GROUP/TEXT" where the page has another button with the same text.
QPushButton* ButtonAfter(CPage& page, PageForm& form, const PageField& field, const QString& group,
                         const QString& text, std::function<void()> onClick);
// A row of `text` and a button at its end.
QPushButton* TextRow(CPage& page, PageForm& form, const QString& text, const QString& buttonText,
                     std::function<void()> onClick);

// Gives the label column of each form the width of the widest label among
// them, so that the controls of the groups line up.
void AlignLabels(const std::vector<PageForm*>& forms);

}  // namespace FormRows
