#pragma once
#include <QString>
#include <QStringList>

// Which groups of one template application reached the device: those whose
// writes all went through, and the one it stopped in (whose write may or may
// not have been taken: a lost answer looks like a lost request). Told to the
// host when an application stops half way.
class WrittenGroups {
public:
    void Start(const QString& group) { current_ = group; }
    void Done() {
        if (!current_.isEmpty())
            written_ << current_;
        current_.clear();
    }
    const QStringList& Written() const { return written_; }
    // " Written before it stopped: system settings. Stopped in: wireless
    // settings (not confirmed)." or " Nothing was written before it stopped."
    QString Summary() const;

private:
    QStringList written_;
    QString current_;
};
