#pragma once
#include <QString>
#include <QTemporaryFile>
#include <memory>

// The new content of an existing file, written beside it under a temporary
// name and put in its place only by Commit, so that a failed conversion never
// costs the old file. A link is followed: the file it names is replaced. Where
// nothing can be created beside the file, Path() is the file itself and the
// content goes straight there.
class ReplacementFile {
public:
    explicit ReplacementFile(const QString& targetPath);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Where the new content is to be written.
    const QString& Path() const { return path_; }
    bool WritesDirectly() const { return !temp_; }
    // Puts the new content in place; false when that fails.
    bool Commit();

private:
    QString finalPath_;
    QString path_;
    std::unique_ptr<QTemporaryFile> temp_;
};
