#pragma once
#include <QPointer>
#include <QWidget>

class IpAddressEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
struct MibVariableEntry;

// The tie between one request variable and one dialog control. After values
// arrive the variable's text goes into the control (an enumerated value as its
// value-map text); before a write the control's content goes back into it.
class ControlBinding {
public:
    enum Kinds { Edit, Combo, IpAddress, Check, Static, ListColumn };

    static ControlBinding ForEdit(QLineEdit* edit);
    // A combo box that is empty is filled from the variable's value map.
    static ControlBinding ForCombo(QComboBox* combo);
    static ControlBinding ForIpAddress(IpAddressEdit* control);
    static ControlBinding ForCheck(QCheckBox* check);
    static ControlBinding ForStatic(QLabel* label);
    // One column of a list view; column 0 starts a new row.
    static ControlBinding ForListColumn(QTreeWidget* list, int column);

    int Kind() const { return kind_; }
    QWidget* Control() const { return control_.data(); }

    void ToControl(const MibVariableEntry& entry) const;
    void FromControl(MibVariableEntry& entry) const;

private:
    ControlBinding(int kind, QWidget* control, int column = 0) : kind_(kind), control_(control), column_(column) {}

    int kind_;
    QPointer<QWidget> control_;
    int column_;
};
