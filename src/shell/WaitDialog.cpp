#include "WaitDialog.h"
#include "ShellTexts.h"
#include "controls/WaitAnimation.h"
#include <QLabel>
#include <QVBoxLayout>

CWaitDialog::CWaitDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      animation_(new WaitAnimation(this)),
      line_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Please Wait..."));
    setObjectName(QStringLiteral("CWaitDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(animation_);
    layout->addWidget(line_);
    setFixedSize(370, 110);
}

void CWaitDialog::Start(const QString& line) {
    setWindowTitle(QString::fromLatin1(ShellTexts::WaitTitle));
    SetLine(line);
    animation_->Play();
    show();
    raise();
    repaint();
}

void CWaitDialog::SetLine(const QString& line) { line_->setText(line); }

QString CWaitDialog::Line() const { return line_->text(); }
