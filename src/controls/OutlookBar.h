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
class OutlookBar : public QWidget {
    Q_OBJECT
public:
    // Notification codes sent to the handler.
    enum Notification {
        ItemClicked = 1,
        FolderChanged = 5,
        DeleteItem = 7,
        DeleteFolder = 8,
    };
    // Returns whether the action may go ahead.
    using NotifyHandler = std::function<bool(int code, int folder, int item)>;

    explicit OutlookBar(QWidget* parent = nullptr);

    void SetNotifyHandler(NotifyHandler handler) { notify_ = std::move(handler); }
    void SetBackColor(const QColor& color);
    void SetTextColor(const QColor& color);
    QColor BackColor() const { return back_; }
    QColor TextColor() const { return text_; }
    void SetImageLists(std::vector<QIcon> large, std::vector<QIcon> small);
    int ImageCount() const { return static_cast<int>(large_.size()); }

    int AddFolder(const QString& text);
    // Inserts at `index` (-1: at the end); returns the item's index.
    int InsertItem(int folder, int index, const QString& text, int image);
    void RemoveItem(int folder, int item);
    void RemoveFolder(int folder);

    int FolderCount() const { return static_cast<int>(folders_.size()); }
    QString FolderText(int folder) const;
    int ItemCount(int folder) const;
    QString ItemText(int folder, int item) const;
    int ItemImage(int folder, int item) const;
    // Index of the first item of `folder` with exactly this text, or -1.
    int FindItem(int folder, const QString& text) const;

    int SelFolder() const { return current_; }
    void SetSelFolder(int folder);

    // What a user's click or delete command does; also used by tests.
    void ClickItem(int folder, int item);
    void ClickFolder(int folder);
    // Asks the handler, then removes; returns whether it was removed.
    bool DeleteItemByUser(int folder, int item);
    bool DeleteFolderByUser(int folder);

    QSize sizeHint() const override { return {140, 400}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Item {
        QString Text;
        int Image = 0;
    };
    struct Folder {
        QString Text;
        std::vector<Item> Items;
    };
    struct HitResult {
        int Folder = -1;   // a folder button
        int Item = -1;     // an item of the current folder
    };

    bool Notify(int code, int folder, int item);
    HitResult HitTest(const QPoint& point) const;
    QRect FolderRect(int folder) const;
    QRect ItemRect(int item) const;

    std::vector<Folder> folders_;
    std::vector<QIcon> large_;
    std::vector<QIcon> small_;
    int current_ = -1;
    QColor back_{0x3A, 0x6E, 0xA5};
    QColor text_{Qt::white};
    NotifyHandler notify_;
};
