#include "UpgradeState.h"
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

QString UpgradeState::ImageHash(const QString& imagePath) {
    QFile file(imagePath);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

bool UpgradeState::Load(const QString& path, const QString& imagePath, const QString& imageHash) {
    path_ = path;
    image_ = imagePath;
    hash_ = imageHash;
    outcomes_.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("cannot read the state file %1").arg(path);
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject root = document.object();
    if (parseError.error != QJsonParseError::NoError || !root.contains(QStringLiteral("imageSha256")) ||
        !root.value(QStringLiteral("devices")).isObject()) {
        error_ = QStringLiteral("%1 is no upgrade state file of aerodesk").arg(path);
        return false;
    }
    if (root.value(QStringLiteral("imageSha256")).toString() != imageHash) {
        error_ = QStringLiteral("the state file %1 belongs to another image (%2, SHA-256 %3), not %4: refused")
                     .arg(path, root.value(QStringLiteral("image")).toString(),
                          root.value(QStringLiteral("imageSha256")).toString(), imagePath);
        return false;
    }
    const QJsonObject devices = root.value(QStringLiteral("devices")).toObject();
    for (auto it = devices.begin(); it != devices.end(); ++it)
        outcomes_.insert(it.key(), it.value().toString());
    return true;
}

bool UpgradeState::Save() {
    QJsonObject devices;
    for (auto it = outcomes_.cbegin(); it != outcomes_.cend(); ++it)
        devices.insert(it.key(), it.value());
    const QJsonObject root{{QStringLiteral("image"), QFileInfo(image_).absoluteFilePath()},
                           {QStringLiteral("imageSha256"), hash_},
                           {QStringLiteral("devices"), devices}};
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 || !file.commit()) {
        error_ = QStringLiteral("cannot write the state file %1").arg(path_);
        return false;
    }
    return true;
}
