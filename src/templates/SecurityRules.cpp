#include "SecurityRules.h"
#include <QByteArray>
#include <cctype>

namespace SecurityRules {

namespace {
bool IsWdsWithAp(const QString& apMode) {
    return apMode.compare(QLatin1String("WDS with AP"), Qt::CaseInsensitive) == 0;
}
}  // namespace

bool RejectsAuthentication(const QString& apMode, const QString& authType) {
    if (authType == QLatin1String("Open System / Shared Key"))
        return true;
    if (apMode.contains(QLatin1String("WDS")) && authType.contains(QLatin1String("Enterprise")))
        return true;
    if (apMode == QLatin1String("WDS") && authType.contains(QLatin1String("WPA")) &&
        authType != QLatin1String("WPA2-Personal"))
        return true;
    if (IsWdsWithAp(apMode) && authType == QLatin1String("WPA-Personal"))
        return true;
    if (apMode.contains(QLatin1String("Client")) &&
        (authType == QLatin1String("Shared Key") || authType.contains(QLatin1String("Enterprise"))))
        return true;
    return false;
}

QString AuthenticationRejected(const QString& apMode) {
    return QStringLiteral("Data of security is rejected when AP Mode is \"") + apMode + QStringLiteral("\".");
}

bool KeysFit(const QString& keyType, const QString keys[4]) {
    const int limit = keyType == QLatin1String("ASCII") ? 13 : 26;
    for (int i = 0; i < 4; ++i)
        if (keys[i].size() > limit)
            return false;
    return true;
}

CipherChoice Cipher(const QString& apMode, const QString& cipher) {
    if (IsWdsWithAp(apMode) && cipher == QLatin1String("TKIP"))
        return {QStringLiteral("AUTO"),
                QStringLiteral("Value of cipher_type can't be set as \"TKIP\" when AP Mode is \"WDS with AP\"!")};
    if (apMode == QLatin1String("WDS") && cipher != QLatin1String("AES"))
        return {QStringLiteral("AES"), QStringLiteral("Value of Cipher_type can't be set as \"") + cipher +
                                           QStringLiteral("\" when AP Mode is \"WDS\"!")};
    return {cipher, QString()};
}

QString WepStatusRejected(const QString& value) {
    return QStringLiteral("Value of wep_status can't be set as \"") + value + QStringLiteral("\"!");
}

QString DecodeHexKey(const QString& key) {
    if (key.size() % 2 != 0)
        return key;
    for (QChar c : key)
        if (!(c.unicode() < 128 && std::isxdigit(c.unicode())))
            return key;
    return QString::fromLatin1(QByteArray::fromHex(key.toLatin1()));
}

}  // namespace SecurityRules
