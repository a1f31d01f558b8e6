#pragma once
#include <QString>

// What a device's AP mode allows of a template's security settings.
namespace SecurityRules {
// True when the AP mode does not allow this authentication type.
bool RejectsAuthentication(const QString& apMode, const QString& authType);
// The rejection text of an authentication type refused by the AP mode.
QString AuthenticationRejected(const QString& apMode);
// True when every WEP key fits the key type: 13 characters for "ASCII", 26 otherwise.
bool KeysFit(const QString& keyType, const QString keys[4]);

// The cipher the AP mode takes in place of the template's, and the
// rejection text when it had to change it (empty when it did not).
struct CipherChoice {
    QString Cipher;
    QString Rejection;
};
CipherChoice Cipher(const QString& apMode, const QString& cipher);

// The rejection text of a WEP switch value that the device does not know.
QString WepStatusRejected(const QString& value);

// A key given as pairs of hexadecimal digits, decoded into the characters
// they stand for; a text that is not such pairs is kept as it is.
QString DecodeHexKey(const QString& key);
}  // namespace SecurityRules
