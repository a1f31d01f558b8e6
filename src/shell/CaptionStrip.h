#pragma once
#include <QString>
#include <QWidget>

// The caption strip above the pages: the page's name in white on the bar's
// blue; the text rectangle starts at (1, 1) and is the text's width plus 23.
class CaptionStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 20;

    explicit CaptionStrip(QWidget* parent);
    void SetText(const QString& text);
    QString Text() const { return text_; }
    QRect TextRect() const;
    static QColor BackColor() { return {0x3A, 0x6E, 0xA5}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
