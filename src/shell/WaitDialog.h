#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class WaitAnimation;

// The "Please Wait..." dialog: an animation and one line of text, shown while
// the frame is disabled.
class CWaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit CWaitDialog(QWidget* parent);

    // Sets the title "Please wait..." and the line, starts the animation,
    // shows and paints at once.
    void Start(const QString& line);
    void SetLine(const QString& line);
    QString Line() const;
    WaitAnimation* Animation() const { return animation_; }

protected:
    // The user cannot close it; the wait ends it.
    void reject() override {}

private:
    WaitAnimation* animation_;
    QLabel* line_;
};
