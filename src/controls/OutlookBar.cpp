#include "OutlookBar.h"
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kFolderHeight = 24;
constexpr int kItemHeight = 62;
constexpr int kIconSize = 32;
}  // namespace

OutlookBar::OutlookBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setMinimumWidth(60);
}

void OutlookBar::SetBackColor(const QColor& color) {
    back_ = color;
    update();
}

void OutlookBar::SetTextColor(const QColor& color) {
    text_ = color;
    update();
}

void OutlookBar::SetImageLists(std::vector<QIcon> large, std::vector<QIcon> small) {
    large_ = std::move(large);
    small_ = std::move(small);
    update();
}

int OutlookBar::AddFolder(const QString& text) {
    folders_.push_back({text, {}});
    if (current_ < 0)
        current_ = 0;
    update();
    return FolderCount() - 1;
}

int OutlookBar::InsertItem(int folder, int index, const QString& text, int image) {
    if (folder < 0 || folder >= FolderCount())
        return -1;
    auto& items = folders_[static_cast<size_t>(folder)].Items;
    if (index < 0 || index > static_cast<int>(items.size()))
        index = static_cast<int>(items.size());
    items.insert(items.begin() + index, Item{text, image});
    update();
    return index;
}

void OutlookBar::RemoveItem(int folder, int item) {
    if (folder < 0 || folder >= FolderCount() || item < 0 || item >= ItemCount(folder))
        return;
    auto& items = folders_[static_cast<size_t>(folder)].Items;
    items.erase(items.begin() + item);
    update();
}

void OutlookBar::RemoveFolder(int folder) {
    if (folder < 0 || folder >= FolderCount())
        return;
    folders_.erase(folders_.begin() + folder);
    if (current_ >= FolderCount())
        current_ = FolderCount() - 1;
    update();
}

QString OutlookBar::FolderText(int folder) const {
    return folder >= 0 && folder < FolderCount() ? folders_[static_cast<size_t>(folder)].Text : QString();
}

int OutlookBar::ItemCount(int folder) const {
    return folder >= 0 && folder < FolderCount() ? static_cast<int>(folders_[static_cast<size_t>(folder)].Items.size())
                                                 : 0;
}

QString OutlookBar::ItemText(int folder, int item) const {
    if (item < 0 || item >= ItemCount(folder))
        return {};
    return folders_[static_cast<size_t>(folder)].Items[static_cast<size_t>(item)].Text;
}

int OutlookBar::ItemImage(int folder, int item) const {
    if (item < 0 || item >= ItemCount(folder))
        return -1;
    return folders_[static_cast<size_t>(folder)].Items[static_cast<size_t>(item)].Image;
}

int OutlookBar::FindItem(int folder, const QString& text) const {
    for (int i = 0; i < ItemCount(folder); ++i) {
        if (ItemText(folder, i) == text)
            return i;
    }
    return -1;
}

void OutlookBar::SetSelFolder(int folder) {
    if (folder < 0 || folder >= FolderCount() || folder == current_)
        return;
    current_ = folder;
    Notify(FolderChanged, folder, -1);
    update();
}

void OutlookBar::ClickItem(int folder, int item) {
    if (item < 0 || item >= ItemCount(folder))
        return;
    Notify(ItemClicked, folder, item);
}

void OutlookBar::ClickFolder(int folder) { SetSelFolder(folder); }

bool OutlookBar::DeleteItemByUser(int folder, int item) {
    if (item < 0 || item >= ItemCount(folder) || !Notify(DeleteItem, folder, item))
        return false;
    RemoveItem(folder, item);
    return true;
}

bool OutlookBar::DeleteFolderByUser(int folder) {
    if (folder < 0 || folder >= FolderCount() || !Notify(DeleteFolder, folder, -1))
        return false;
    RemoveFolder(folder);
    return true;
}

bool OutlookBar::Notify(int code, int folder, int item) { return notify_ ? notify_(code, folder, item) : true; }

// Folder buttons above the current one stay at the top, the others go to the bottom.
QRect OutlookBar::FolderRect(int folder) const {
    if (folder <= current_)
        return {0, folder * kFolderHeight, width(), kFolderHeight};
    const int below = FolderCount() - folder;
    return {0, height() - below * kFolderHeight, width(), kFolderHeight};
}

QRect OutlookBar::ItemRect(int item) const {
    const int top = (current_ + 1) * kFolderHeight + 8;
    return {0, top + item * kItemHeight, width(), kItemHeight};
}

OutlookBar::HitResult OutlookBar::HitTest(const QPoint& point) const {
    HitResult hit;
    for (int f = 0; f < FolderCount(); ++f) {
        if (FolderRect(f).contains(point)) {
            hit.Folder = f;
            return hit;
        }
    }
    for (int i = 0; i < ItemCount(current_); ++i) {
        if (ItemRect(i).contains(point)) {
            hit.Item = i;
            return hit;
        }
    }
    return hit;
}

void OutlookBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const QColor button = palette().color(QPalette::Button);
    for (int f = 0; f < FolderCount(); ++f) {
        const QRect r = FolderRect(f);
        p.fillRect(r, button);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(r, Qt::AlignCenter, FolderText(f));
    }
    p.setPen(text_);
    for (int i = 0; i < ItemCount(current_); ++i) {
        const QRect r = ItemRect(i);
        const int image = ItemImage(current_, i);
        if (image >= 0 && image < static_cast<int>(large_.size())) {
            const QRect icon((r.width() - kIconSize) / 2, r.top(), kIconSize, kIconSize);
            large_[static_cast<size_t>(image)].paint(&p, icon);
        }
        const QRect label(2, r.top() + kIconSize + 2, r.width() - 4, r.height() - kIconSize - 4);
        p.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, ItemText(current_, i));
    }
}

void OutlookBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const HitResult hit = HitTest(event->position().toPoint());
    if (hit.Folder >= 0)
        ClickFolder(hit.Folder);
    else if (hit.Item >= 0)
        ClickItem(current_, hit.Item);
}

void OutlookBar::contextMenuEvent(QContextMenuEvent* event) {
    const HitResult hit = HitTest(event->pos());
    if (hit.Folder < 0 && hit.Item < 0)
        return;
    QMenu menu(this);
    QAction* remove = menu.addAction(hit.Item >= 0 ? tr("Remove Item") : tr("Remove Folder"));
    if (menu.exec(event->globalPos()) != remove)
        return;
    if (hit.Item >= 0)
        DeleteItemByUser(current_, hit.Item);
    else
        DeleteFolderByUser(hit.Folder);
}
