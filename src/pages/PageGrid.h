#pragma once
#include <QStringList>
#include <set>
#include <vector>

class PageField;
class PageForm;
class CPage;
class QLabel;
class QTabWidget;
class QWidget;

// Compact layouts of a form's fields for pages with many of them: the form
// declares its fields as usual (names, checks and bindings stay as they
// are), then its rows are laid out again here.
namespace PageGrid {
// The label shown beside a field, or nullptr.
QLabel* LabelOf(const PageField& field);
// Every row a list of fields side by side, each as "Label : control" (a check
// box as itself); the rows replace the form's own at the top of its group.
// The rows numbered in `inlineRows` are one line of controls across the width.
void Arrange(PageForm& form, const std::vector<std::vector<PageField*>>& rows, const std::set<int>& inlineRows = {});
// A table: a header row, then one row per entry with its title in the first
// column and its fields (without their labels) in the others.
void Table(PageForm& form, const QStringList& headers, const QStringList& rowTitles,
           const std::vector<std::vector<PageField*>>& rows);
// `fields` in rows of `columns` fields.
std::vector<std::vector<PageField*>> InRows(const std::vector<PageField*>& fields, int columns);

// A tab control at the top of the page's column, and its tabs: each tab holds
// groups (form boxes, lists) one below the other.
QTabWidget* AddTabs(CPage* page);
QWidget* AddTab(QTabWidget* tabs, const QString& title);
void PutInTab(QWidget* tab, QWidget* box, int stretch = 0);
// Ends a tab's column: the space left goes below its groups.
void EndTab(QWidget* tab);
}  // namespace PageGrid
