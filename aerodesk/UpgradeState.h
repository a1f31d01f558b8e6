#pragma once
#include <QMap>
#include <QString>

// The state file of a wave upgrade (--state FILE): the image (its SHA-256)
// and each device's outcome, written after every wave, so that a later run
// with the same image goes on where this one stopped. JSON.
class UpgradeState {
public:
    // The SHA-256 of the image file in hexadecimal (empty when unreadable).
    static QString ImageHash(const QString& imagePath);

    // Reads the file when it exists (a missing file starts a new state);
    // false with Error() set when it cannot be read, is no state file, or
    // belongs to another image.
    bool Load(const QString& path, const QString& imagePath, const QString& imageHash);
    bool Save();
    // "upgraded", "skipped", "failed" or empty for a device not run yet.
    QString Outcome(const QString& address) const { return outcomes_.value(address); }
    void Set(const QString& address, const QString& outcome) { outcomes_[address] = outcome; }
    const QString& Error() const { return error_; }
    bool IsSet() const { return !path_.isEmpty(); }

private:
    QString path_;
    QString image_;
    QString hash_;
    QMap<QString, QString> outcomes_;
    QString error_;
};
