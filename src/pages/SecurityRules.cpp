#include "SecurityRules.h"
#include "shell/PageField.h"
#include "shell/Validators.h"

namespace SecurityRules {
namespace {
const char* const kWpaAuto = "Auto (WPA or WPA2)";
const char* const kWpa2Only = "WPA2 Only";
const char* const kWpaOnly = "WPA Only";
const char* const kWpaPersonal = "WPA-Personal";
const char* const kWpaEnterprise = "WPA-Enterprise";

bool Fail(PageField* field, const QString& message) {
    field->Reject(message);
    return false;
}

// A number from low to high; a missing field passes.
bool InRange(PageField* field, long long low, long long high, const QString& message) {
    return !field || Validators::IsNumberInRange(field->Text(), low, high) || Fail(field, message);
}

bool ValidIp(PageField* field, const QString& message) {
    return !field || Validators::IsValidIpAddress(field->Text()) || Fail(field, message);
}

bool Filled(PageField* field, const QString& message) {
    return !field || !field->Text().isEmpty() || Fail(field, message);
}

const QString kPortRange = QStringLiteral("Please input a number between 1 and 65535.");

bool Server(PageField* ip, PageField* port, PageField* secret, const QString& ipMessage, const QString& secretMessage) {
    return ValidIp(ip, ipMessage) && InRange(port, 1, 65535, kPortRange) && Filled(secret, secretMessage);
}
}  // namespace

Form FormOf(const QString& a) {
    if (a.contains(QLatin1String("Open")) || a.contains(QLatin1String("Shared")))
        return Form::Wep;
    if (a.contains(QLatin1String("PSK")) || a.contains(QLatin1String("Personal")))
        return Form::Personal;
    if (a.contains(QLatin1String("EAP")) || a.contains(QLatin1String("Enterprise")))
        return Form::Enterprise;
    if (a.contains(QLatin1String("802")))
        return Form::Dot1x;
    return Form::Unknown;
}

QString GroupTitle(Form form) {
    return form == Form::Personal ? QStringLiteral("PassPhrase Settings") : QStringLiteral("Radius Server Settings");
}

QStringList KeySizes() { return {QStringLiteral("64 Bits"), QStringLiteral("128 Bits"), QStringLiteral("152 Bits")}; }

int KeyLength(const QString& keySize, bool hex) {
    const int index = KeySizes().indexOf(keySize);
    static const int hexLengths[] = {10, 26, 32};
    static const int asciiLengths[] = {5, 13, 16};
    if (index < 0)
        return hex ? hexLengths[0] : asciiLengths[0];
    return hex ? hexLengths[index] : asciiLengths[index];
}

QString KeySizeFor(int length, bool hex) {
    for (const QString& size : KeySizes()) {
        if (KeyLength(size, hex) == length)
            return size;
    }
    return {};
}

bool IsHex(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

QStringList PrimaryAuthentications() {
    return {QStringLiteral("Open System"), QStringLiteral("Shared Key"), QStringLiteral("Open System / Shared Key"),
            QString::fromLatin1(kWpaPersonal), QString::fromLatin1(kWpaEnterprise), QStringLiteral("802.1x")};
}

QStringList WpaModes() { return {QString::fromLatin1(kWpaAuto), QString::fromLatin1(kWpa2Only), QString::fromLatin1(kWpaOnly)}; }

QString Combine(const QString& choice, const QString& wpaMode) {
    const bool personal = choice == QLatin1String(kWpaPersonal);
    if (!personal && choice != QLatin1String(kWpaEnterprise))
        return choice;
    const QString family = personal ? QStringLiteral("Personal") : QStringLiteral("Enterprise");
    if (wpaMode == QLatin1String(kWpa2Only))
        return QStringLiteral("WPA2-") + family;
    if (wpaMode == QLatin1String(kWpaOnly))
        return QStringLiteral("WPA-") + family;
    return QStringLiteral("WPA-Auto-") + family;
}

void Split(const QString& authentication, QString* choice, QString* wpaMode) {
    *choice = authentication;
    *wpaMode = QString::fromLatin1(kWpaAuto);
    for (const char* family : {"Personal", "Enterprise"}) {
        const QString f = QString::fromLatin1(family);
        if (authentication == QStringLiteral("WPA-Auto-") + f) {
            *choice = QStringLiteral("WPA-") + f;
        } else if (authentication == QStringLiteral("WPA2-") + f) {
            *choice = QStringLiteral("WPA-") + f;
            *wpaMode = QString::fromLatin1(kWpa2Only);
        } else if (authentication == QStringLiteral("WPA-") + f) {
            *wpaMode = QString::fromLatin1(kWpaOnly);
        }
    }
}

Wording Wording::WirelessPage() {
    return {QStringLiteral("The Length of key must be %d!"),
            QStringLiteral("The Passphrase and Confirmed Passphrase are not matched."),
            QStringLiteral("The Radius server's IP is illegal."),
            QStringLiteral("The Shared Secret of Radius Server can not be empty."),
            QStringLiteral("Accounting Server IP is illegal."),
            QStringLiteral("The Shared Secret of Accounting Server can not be empty.")};
}

Wording Wording::MultiSsidPage() {
    return {QStringLiteral("The Lengh of key value must be %d"),
            QStringLiteral("The PassPhrase and Confirm PassPhrase are not matched."),
            QStringLiteral("Invalid Radius Server IP"),
            QStringLiteral("Radius secret can not be empty."),
            QStringLiteral("Invalid Accounting Server IP"),
            QStringLiteral("Accounting Secret can not be empty.")};
}

bool Validate(const Inputs& in, const Wording& w) {
    const QString groupRange = QStringLiteral("Please input a number between 300 and 9999999.");
    switch (FormOf(in.Authentication)) {
    case Form::Wep:
        if (!in.EncryptionOn)
            return true;
        for (PageField* key : in.Keys) {
            if (key->Text().size() != in.KeyLength)
                return Fail(key, QString(w.KeyLength).replace(QLatin1String("%d"), QString::number(in.KeyLength)));
            if (in.HexKeys && !IsHex(key->Text()))
                return Fail(key, QStringLiteral("Please input  Hexadecimal digits!"));
        }
        return true;
    case Form::Personal:
        if (in.Passphrase) {
            const int n = static_cast<int>(in.Passphrase->Text().size());
            if (n < 8 || n > 63)
                return Fail(in.Passphrase, QStringLiteral("The length of PassPhrase is between 8 and 63."));
            if (in.Confirm && in.Confirm->Text() != in.Passphrase->Text())
                return Fail(in.Confirm, w.PassphraseMismatch);
        }
        return InRange(in.GroupInterval, 300, 9999999, groupRange);
    case Form::Enterprise:
    case Form::Dot1x: {
        const bool dot1x = FormOf(in.Authentication) == Form::Dot1x;
        if (!Server(in.RadiusServer, in.RadiusPort, in.RadiusSecret, w.RadiusIp, w.RadiusSecret))
            return false;
        if (in.SecondaryRadiusOn &&
            !Server(in.SecondaryServer, in.SecondaryPort, in.SecondarySecret,
                    QStringLiteral("The Secondary Radius server's IP is illegal."), w.RadiusSecret))
            return false;
        if (in.AccountingOn &&
            !Server(in.AccountingServer, in.AccountingPort, in.AccountingSecret, w.AccountingIp, w.AccountingSecret))
            return false;
        if (in.AccountingOn && in.SecondaryAccountingOn &&
            !Server(in.SecondaryAccountingServer, in.SecondaryAccountingPort, in.SecondaryAccountingSecret,
                    QStringLiteral("Secondary Accounting Server IP is illegal."), w.AccountingSecret))
            return false;
        if (dot1x)
            return InRange(in.KeyUpdateInterval, 300, 9999999,
                           QStringLiteral("The range of 802.1x Key Update Interval is 300 to 9999999."));
        return InRange(in.GroupInterval, 300, 9999999, groupRange);
    }
    case Form::Unknown:
        break;
    }
    return true;
}

}  // namespace SecurityRules
