#include "StateFile.h"
#include "RadioRules.h"
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {
QString KeyOf(const Device& device) {
    return QString::number(device.Identity().Index + 1);
}
}  // namespace

bool StateFile::Load(const std::string& path, std::vector<std::unique_ptr<Device>>& devices, std::string& error) {
    QFile file(QString::fromStdString(path));
    if (!file.exists())
        return true;   // a first run starts from factory defaults
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + path;
        return false;
    }
    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = path + " is not a state file: " + parseError.errorString().toStdString();
        return false;
    }
    QJsonObject all = document.object().value("devices").toObject();
    for (auto& device : devices) {
        QJsonValue value = all.value(KeyOf(*device));
        if (value.isObject()) {
            device->State().FromJson(value.toObject());
            RadioRules::FollowBand(device->State());   // the channel list is not stored
        }
    }
    return true;
}

bool StateFile::Save(const std::string& path, const std::vector<std::unique_ptr<Device>>& devices, std::string& error) {
    QJsonObject all;
    for (const auto& device : devices)
        all.insert(KeyOf(*device), device->State().ToJson());
    QJsonObject root;
    root.insert("format", "nxa-sim state 1");
    root.insert("devices", all);
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path;
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    if (!file.commit()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
