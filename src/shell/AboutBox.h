#pragma once
#include <QDialog>

// The About box (dialog 101): model, module text, icon, version and revision.
// While it exists it is reachable module-wide, so that the module's exit can
// cancel it.
class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent);
    ~CAboutBox() override;
    static CAboutBox* Current();
};
