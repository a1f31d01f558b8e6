#pragma once
#include <QColor>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

// The outlook-bar navigation control: a column of folder buttons, the items of
// the current folder below its button as large icons with their texts.
// Everything the user does is first offered to the notification handler,
// which may refuse it (clicks are only reported).
//
// Folders and items are addressed by identity: each gets an id when it is
// added that stays its own until it is removed and is never given to another,
// so removing a folder or an item changes no other one's id (positions do
// change; they serve only to list the bar in order).
class OutlookBar : public QWidget {
    Q_OBJECT
public:
    enum class FolderId : int { None = 0 };
    enum class ItemId : int { None = 0 };

    // Notification codes sent to the handler.
    enum Notification {
        ItemClicked = 1,
        FolderChanged = 5,
        DeleteItem = 7,
        DeleteFolder = 8,
    };
    // Returns whether the action may go ahead; `item` is None for folder notifications.
    using NotifyHandler = std::function<bool(int code, FolderId folder, ItemId item)>;

    explicit OutlookBar(QWidget* parent = nullptr);

    void SetNotifyHandler(NotifyHandler handler) { notify_ = std::move(handler); }
    void SetBackColor(const QColor& color);
    void SetTextColor(const QColor& color);
    QColor BackColor() const { return back_; }
    QColor TextColor() const { return text_; }
    void SetImageLists(std::vector<QIcon> large, std::vector<QIcon> small);
    int ImageCount() const { return static_cast<int>(large_.size()); }

    // Adds a folder at the end; the first folder added becomes current.
    FolderId AddFolder(const QString& text);
    // Inserts at position `index` of the folder (-1: at the end); None when
    // there is no such folder.
    ItemId InsertItem(FolderId folder, int index, const QString& text, int image);
    // Removing the current folder makes the folder that takes its place (or
    // the last one) current; removing any other keeps the current folder.
    void RemoveItem(ItemId item);
    void RemoveFolder(FolderId folder);

    // The folders and the items of a folder, in order.
    std::vector<FolderId> Folders() const;
    std::vector<ItemId> Items(FolderId folder) const;
    int FolderCount() const { return static_cast<int>(folders_.size()); }
    int ItemCount(FolderId folder) const;
    bool HasFolder(FolderId folder) const { return FolderIndex(folder) >= 0; }
    bool HasItem(ItemId item) const;
    QString FolderText(FolderId folder) const;
    QString ItemText(ItemId item) const;
    int ItemImage(ItemId item) const;   // -1 when there is no such item
    FolderId FolderOf(ItemId item) const;
    // The first folder with exactly this text, or None.
    FolderId FindFolder(const QString& text) const;
    // The first item of `folder` with exactly this text, or None.
    ItemId FindItem(FolderId folder, const QString& text) const;

    FolderId CurrentFolder() const { return current_; }
    // Makes a folder current (a folder that is gone is ignored).
    void SetCurrentFolder(FolderId folder);

    // What a user's click or delete command does; also used by tests.
    void ClickItem(ItemId item);
    void ClickFolder(FolderId folder);
    // Asks the handler, then removes; returns whether it was removed.
    bool DeleteItemByUser(ItemId item);
    bool DeleteFolderByUser(FolderId folder);

    // A folder with more items than its area holds scrolls them (arrows at
    // the area's edge, the mouse wheel): the first item shown, moving it by
    // `steps` items (kept within the folder), and whether an item of the
    // current folder is shown whole.
    int FirstShownItem() const { return first_; }
    void ScrollItems(int steps);
    bool ItemShown(ItemId item) const;

    QSize sizeHint() const override { return {140, 400}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Item {
        ItemId Id;
        QString Text;
        int Image = 0;
    };
    struct Folder {
        FolderId Id;
        QString Text;
        std::vector<Item> Items;
    };
    struct HitResult {
        FolderId Folder = FolderId::None;   // a folder button
        ItemId Item = ItemId::None;         // an item of the current folder
        int Scroll = 0;                     // a scroll arrow: -1 up, 1 down
    };

    bool Notify(int code, FolderId folder, ItemId item);
    int FolderIndex(FolderId folder) const;
    const Folder* FindFolderRecord(FolderId folder) const;
    const Item* FindItemRecord(ItemId item, FolderId* folder = nullptr) const;
    int CurrentIndex() const { return FolderIndex(current_); }
    HitResult HitTest(const QPoint& point) const;
    QRect FolderRect(int index) const;
    QRect ItemRect(int index) const;
    // Between the current folder's button and the buttons below it.
    QRect ItemArea() const;
    int LastFirstItem() const;
    QRect UpArrowRect() const;
    QRect DownArrowRect() const;

    std::vector<Folder> folders_;
    std::vector<QIcon> large_;
    std::vector<QIcon> small_;
    FolderId current_ = FolderId::None;
    int first_ = 0;   // the first item of the current folder shown
    int lastId_ = 0;   // folders and items draw their ids from one counter
    QColor back_{0x3A, 0x6E, 0xA5};
    QColor text_{Qt::white};
    NotifyHandler notify_;
};
