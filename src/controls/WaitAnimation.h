#pragma once
#include <QTimer>
#include <QWidget>

// The wait dialog's animation, drawn in code: a sheet travelling from the
// device to the station along a row of dots, repeating without end.
class WaitAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrameCount = 12;

    explicit WaitAnimation(QWidget* parent = nullptr);

    // Plays from the first to the last frame, over and over.
    void Play();
    void Stop();
    bool IsPlaying() const { return timer_.isActive(); }
    int Frame() const { return frame_; }

    QSize sizeHint() const override { return {260, 48}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int frame_ = 0;
};
