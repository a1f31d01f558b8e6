#include "OutlookBar.h"
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>
#include <algorithm>

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

OutlookBar::FolderId OutlookBar::AddFolder(const QString& text) {
    const auto id = static_cast<FolderId>(++lastId_);
    folders_.push_back({id, text, {}});
    if (current_ == FolderId::None)
        current_ = id;
    update();
    return id;
}

OutlookBar::ItemId OutlookBar::InsertItem(FolderId folder, int index, const QString& text, int image) {
    const int f = FolderIndex(folder);
    if (f < 0)
        return ItemId::None;
    auto& items = folders_[static_cast<size_t>(f)].Items;
    if (index < 0 || index > static_cast<int>(items.size()))
        index = static_cast<int>(items.size());
    const auto id = static_cast<ItemId>(++lastId_);
    items.insert(items.begin() + index, Item{id, text, image});
    update();
    return id;
}

void OutlookBar::RemoveItem(ItemId item) {
    for (Folder& folder : folders_) {
        for (auto it = folder.Items.begin(); it != folder.Items.end(); ++it) {
            if (it->Id == item) {
                folder.Items.erase(it);
                first_ = std::min(first_, LastFirstItem());
                update();
                return;
            }
        }
    }
}

void OutlookBar::RemoveFolder(FolderId folder) {
    const int f = FolderIndex(folder);
    if (f < 0)
        return;
    folders_.erase(folders_.begin() + f);
    if (current_ == folder) {
        // The folder that moved into its place, or the last one.
        const int next = qMin(f, FolderCount() - 1);
        current_ = next >= 0 ? folders_[static_cast<size_t>(next)].Id : FolderId::None;
        first_ = 0;
    }
    first_ = std::min(first_, LastFirstItem());
    update();
}

std::vector<OutlookBar::FolderId> OutlookBar::Folders() const {
    std::vector<FolderId> ids;
    for (const Folder& folder : folders_)
        ids.push_back(folder.Id);
    return ids;
}

std::vector<OutlookBar::ItemId> OutlookBar::Items(FolderId folder) const {
    std::vector<ItemId> ids;
    if (const Folder* record = FindFolderRecord(folder)) {
        for (const Item& item : record->Items)
            ids.push_back(item.Id);
    }
    return ids;
}

int OutlookBar::ItemCount(FolderId folder) const {
    const Folder* record = FindFolderRecord(folder);
    return record ? static_cast<int>(record->Items.size()) : 0;
}

bool OutlookBar::HasItem(ItemId item) const { return FindItemRecord(item) != nullptr; }

QString OutlookBar::FolderText(FolderId folder) const {
    const Folder* record = FindFolderRecord(folder);
    return record ? record->Text : QString();
}

QString OutlookBar::ItemText(ItemId item) const {
    const Item* record = FindItemRecord(item);
    return record ? record->Text : QString();
}

int OutlookBar::ItemImage(ItemId item) const {
    const Item* record = FindItemRecord(item);
    return record ? record->Image : -1;
}

OutlookBar::FolderId OutlookBar::FolderOf(ItemId item) const {
    FolderId folder = FolderId::None;
    FindItemRecord(item, &folder);
    return folder;
}

OutlookBar::FolderId OutlookBar::FindFolder(const QString& text) const {
    for (const Folder& folder : folders_) {
        if (folder.Text == text)
            return folder.Id;
    }
    return FolderId::None;
}

OutlookBar::ItemId OutlookBar::FindItem(FolderId folder, const QString& text) const {
    if (const Folder* record = FindFolderRecord(folder)) {
        for (const Item& item : record->Items) {
            if (item.Text == text)
                return item.Id;
        }
    }
    return ItemId::None;
}

void OutlookBar::SetCurrentFolder(FolderId folder) {
    if (!HasFolder(folder) || folder == current_)
        return;
    current_ = folder;
    first_ = 0;
    Notify(FolderChanged, folder, ItemId::None);
    update();
}

void OutlookBar::ClickItem(ItemId item) {
    const FolderId folder = FolderOf(item);
    if (folder == FolderId::None)
        return;
    Notify(ItemClicked, folder, item);
}

void OutlookBar::ClickFolder(FolderId folder) { SetCurrentFolder(folder); }

bool OutlookBar::DeleteItemByUser(ItemId item) {
    const FolderId folder = FolderOf(item);
    if (folder == FolderId::None || !Notify(DeleteItem, folder, item))
        return false;
    RemoveItem(item);
    return true;
}

bool OutlookBar::DeleteFolderByUser(FolderId folder) {
    if (!HasFolder(folder) || !Notify(DeleteFolder, folder, ItemId::None))
        return false;
    RemoveFolder(folder);
    return true;
}

bool OutlookBar::Notify(int code, FolderId folder, ItemId item) {
    return notify_ ? notify_(code, folder, item) : true;
}

int OutlookBar::FolderIndex(FolderId folder) const {
    if (folder == FolderId::None)
        return -1;
    for (size_t i = 0; i < folders_.size(); ++i) {
        if (folders_[i].Id == folder)
            return static_cast<int>(i);
    }
    return -1;
}

const OutlookBar::Folder* OutlookBar::FindFolderRecord(FolderId folder) const {
    const int f = FolderIndex(folder);
    return f < 0 ? nullptr : &folders_[static_cast<size_t>(f)];
}

const OutlookBar::Item* OutlookBar::FindItemRecord(ItemId item, FolderId* folder) const {
    if (item == ItemId::None)
        return nullptr;
    for (const Folder& f : folders_) {
        for (const Item& i : f.Items) {
            if (i.Id == item) {
                if (folder)
                    *folder = f.Id;
                return &i;
            }
        }
    }
    return nullptr;
}

// Folder buttons above the current one stay at the top, the others go to the bottom.
QRect OutlookBar::FolderRect(int index) const {
    if (index <= CurrentIndex())
        return {0, index * kFolderHeight, width(), kFolderHeight};
    const int below = FolderCount() - index;
    return {0, height() - below * kFolderHeight, width(), kFolderHeight};
}

QRect OutlookBar::ItemRect(int index) const {
    const int top = ItemArea().top() + 8;
    return {0, top + (index - first_) * kItemHeight, width(), kItemHeight};
}

QRect OutlookBar::ItemArea() const {
    const int top = (CurrentIndex() + 1) * kFolderHeight;
    const int bottom = CurrentIndex() + 1 < FolderCount() ? FolderRect(CurrentIndex() + 1).top() : height();
    return {0, top, width(), std::max(0, bottom - top)};
}

int OutlookBar::LastFirstItem() const {
    const int count = static_cast<int>(Items(current_).size());
    const int fit = std::max(1, (ItemArea().height() - 8) / kItemHeight);
    return std::max(0, count - fit);
}

void OutlookBar::ScrollItems(int steps) {
    const int first = std::clamp(first_ + steps, 0, LastFirstItem());
    if (first != first_) {
        first_ = first;
        update();
    }
}

bool OutlookBar::ItemShown(ItemId item) const {
    const std::vector<ItemId> items = Items(current_);
    const auto at = std::find(items.begin(), items.end(), item);
    return at != items.end() && ItemArea().contains(ItemRect(static_cast<int>(at - items.begin())));
}

QRect OutlookBar::UpArrowRect() const {
    if (first_ <= 0)
        return {};
    const QRect area = ItemArea();
    return {area.right() - 19, area.top() + 4, 16, 16};
}

QRect OutlookBar::DownArrowRect() const {
    if (first_ >= LastFirstItem())
        return {};
    const QRect area = ItemArea();
    return {area.right() - 19, area.bottom() - 19, 16, 16};
}

OutlookBar::HitResult OutlookBar::HitTest(const QPoint& point) const {
    HitResult hit;
    for (int f = 0; f < FolderCount(); ++f) {
        if (FolderRect(f).contains(point)) {
            hit.Folder = folders_[static_cast<size_t>(f)].Id;
            return hit;
        }
    }
    if (UpArrowRect().contains(point)) {
        hit.Scroll = -1;
        return hit;
    }
    if (DownArrowRect().contains(point)) {
        hit.Scroll = 1;
        return hit;
    }
    if (!ItemArea().contains(point))
        return hit;
    const std::vector<ItemId> items = Items(current_);
    for (size_t i = static_cast<size_t>(first_); i < items.size(); ++i) {
        if (ItemRect(static_cast<int>(i)).contains(point)) {
            hit.Item = items[i];
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
        p.drawText(r, Qt::AlignCenter, folders_[static_cast<size_t>(f)].Text);
    }
    p.setPen(text_);
    const Folder* current = FindFolderRecord(current_);
    if (!current)
        return;
    // Items never paint over the folder buttons below them.
    p.save();
    p.setClipRect(ItemArea());
    for (size_t i = static_cast<size_t>(first_); i < current->Items.size(); ++i) {
        const Item& item = current->Items[i];
        const QRect r = ItemRect(static_cast<int>(i));
        if (item.Image >= 0 && item.Image < static_cast<int>(large_.size())) {
            const QRect icon((r.width() - kIconSize) / 2, r.top(), kIconSize, kIconSize);
            large_[static_cast<size_t>(item.Image)].paint(&p, icon);
        }
        const QRect label(2, r.top() + kIconSize + 2, r.width() - 4, r.height() - kIconSize - 4);
        p.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, item.Text);
    }
    p.restore();
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(palette().color(QPalette::Button));
    if (const QRect up = UpArrowRect(); !up.isEmpty()) {
        p.drawRect(up);
        p.setBrush(palette().color(QPalette::ButtonText));
        p.drawPolygon(QPolygon({QPoint(up.center().x(), up.top() + 4), QPoint(up.left() + 3, up.bottom() - 4),
                                QPoint(up.right() - 3, up.bottom() - 4)}));
        p.setBrush(palette().color(QPalette::Button));
    }
    if (const QRect down = DownArrowRect(); !down.isEmpty()) {
        p.drawRect(down);
        p.setBrush(palette().color(QPalette::ButtonText));
        p.drawPolygon(QPolygon({QPoint(down.center().x(), down.bottom() - 4), QPoint(down.left() + 3, down.top() + 4),
                                QPoint(down.right() - 3, down.top() + 4)}));
    }
}

void OutlookBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const HitResult hit = HitTest(event->position().toPoint());
    if (hit.Scroll != 0)
        ScrollItems(hit.Scroll);
    else if (hit.Folder != FolderId::None)
        ClickFolder(hit.Folder);
    else if (hit.Item != ItemId::None)
        ClickItem(hit.Item);
}

void OutlookBar::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0)
        ScrollItems(delta > 0 ? -1 : 1);
    event->accept();
}

void OutlookBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ScrollItems(0);
    first_ = std::min(first_, LastFirstItem());
}

void OutlookBar::contextMenuEvent(QContextMenuEvent* event) {
    const HitResult hit = HitTest(event->pos());
    if (hit.Folder == FolderId::None && hit.Item == ItemId::None)
        return;
    QMenu menu(this);
    const bool onItem = hit.Item != ItemId::None;
    QAction* remove = menu.addAction(onItem ? tr("Remove Item") : tr("Remove Folder"));
    if (menu.exec(event->globalPos()) != remove)
        return;
    // The menu ran an event loop: what was hit is looked up again by its id.
    if (onItem)
        DeleteItemByUser(hit.Item);
    else
        DeleteFolderByUser(hit.Folder);
}
