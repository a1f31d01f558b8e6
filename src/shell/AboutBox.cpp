#include "AboutBox.h"
#include "ShellTexts.h"
#include "controls/BarIcons.h"
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
CAboutBox* gCurrent = nullptr;
}

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    gCurrent = this;
    setObjectName(QStringLiteral("CAboutBox"));
    setWindowTitle(QStringLiteral("About %1").arg(QLatin1String(ShellTexts::ModelName)));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(BarIcons::Pixmap(ShellTexts::FrameIconId, 32));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("%1 Management Module").arg(QLatin1String(ShellTexts::ModelName)), this);
    name->setObjectName(QStringLiteral("about2409"));
    layout->addWidget(name, 0, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Release Version:"), this), 1, 1);
    auto* version = new QLabel(QString::fromLatin1(ShellTexts::VersionText), this);
    version->setObjectName(QStringLiteral("about2412"));
    layout->addWidget(version, 1, 2);
    auto* revision = new QLabel(QString::fromLatin1(ShellTexts::RevisionText), this);
    revision->setObjectName(QStringLiteral("about2415"));
    layout->addWidget(revision, 1, 3);
    layout->addWidget(new QLabel(QString::fromLatin1(ShellTexts::ReleaseDate), this), 2, 1, 1, 3);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::RejectRole);   // its only action is Cancel
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 4);
}

CAboutBox::~CAboutBox() {
    if (gCurrent == this)
        gCurrent = nullptr;
}

CAboutBox* CAboutBox::Current() { return gCurrent; }
