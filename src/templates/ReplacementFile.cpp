#include "templates/ReplacementFile.h"
#include <QFileInfo>
#include <cstdio>

ReplacementFile::ReplacementFile(const QString& targetPath)
{
    const QString canonical = QFileInfo(targetPath).canonicalFilePath();
    finalPath_ = canonical.isEmpty() ? targetPath : canonical;
    temp_ = std::make_unique<QTemporaryFile>(finalPath_ + QStringLiteral(".new-XXXXXX"));
    if (temp_->open()) {
        temp_->close();
        if (QFileInfo::exists(finalPath_))
            temp_->setPermissions(QFile::permissions(finalPath_));
        path_ = temp_->fileName();
    } else {
        temp_.reset();
        path_ = targetPath;
    }
}

// An uncommitted temporary file is removed with its QTemporaryFile.
ReplacementFile::~ReplacementFile() = default;

bool ReplacementFile::Commit()
{
    if (!temp_)
        return true;
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(path_).constData(), QFile::encodeName(finalPath_).constData()) != 0)
        return false;
    temp_->setAutoRemove(false);
    temp_.reset();
    path_ = finalPath_;
    return true;
}
