#pragma once
#include <QString>
#include <QStringList>
#include <vector>

class PageField;

// The wireless security model that the wireless page (primary SSID) and the
// Multi-SSID page share: how an authentication text chooses its form, the
// WEP key sizes, the "WPA Mode" selector and the checks of each form.
namespace SecurityRules {

enum class Form { Wep, Personal, Enterprise, Dot1x, Unknown };

// Texts containing "Open" or "Shared" use WEP keys, "PSK" or "Personal" a
// passphrase, "EAP" or "Enterprise" RADIUS servers, "802" 802.1x.
Form FormOf(const QString& authentication);
// "PassPhrase Settings" for the personal forms, else "Radius Server Settings".
QString GroupTitle(Form form);

// "64 Bits", "128 Bits", "152 Bits".
QStringList KeySizes();
// Characters of a key: 10, 26, 32 (HEX) or 5, 13, 16 (ASCII).
int KeyLength(const QString& keySize, bool hex);
// The size whose key has this many characters ("" when none has).
QString KeySizeFor(int length, bool hex);
bool IsHex(const QString& text);

// The wireless page's selector: the WPA families appear once each and the
// "WPA Mode" selector picks WPA, WPA2 or either.
QStringList PrimaryAuthentications();
QStringList WpaModes();
// The value-map text for a selector choice and a WPA mode.
QString Combine(const QString& choice, const QString& wpaMode);
// The selector choice and WPA mode that show a value-map text; an unknown
// text is its own choice with the first WPA mode.
void Split(const QString& authentication, QString* choice, QString* wpaMode);

// Each page's own wording of the shared checks.
struct Wording {
    QString KeyLength;            // with %d, the key length
    QString PassphraseMismatch;
    QString RadiusIp;
    QString RadiusSecret;
    QString AccountingIp;
    QString AccountingSecret;
    static Wording WirelessPage();
    static Wording MultiSsidPage();
};

// The fields one form is checked on; null fields and disabled parts are
// passed over.
struct Inputs {
    QString Authentication;
    bool EncryptionOn = false;
    bool HexKeys = false;
    int KeyLength = 0;
    std::vector<PageField*> Keys;   // the visible, enabled key fields
    PageField* Passphrase = nullptr;
    PageField* Confirm = nullptr;
    PageField* GroupInterval = nullptr;
    PageField* RadiusServer = nullptr;
    PageField* RadiusPort = nullptr;
    PageField* RadiusSecret = nullptr;
    bool SecondaryRadiusOn = false;
    PageField* SecondaryServer = nullptr;
    PageField* SecondaryPort = nullptr;
    PageField* SecondarySecret = nullptr;
    bool AccountingOn = false;
    PageField* AccountingServer = nullptr;
    PageField* AccountingPort = nullptr;
    PageField* AccountingSecret = nullptr;
    bool SecondaryAccountingOn = false;
    PageField* SecondaryAccountingServer = nullptr;
    PageField* SecondaryAccountingPort = nullptr;
    PageField* SecondaryAccountingSecret = nullptr;
    PageField* KeyUpdateInterval = nullptr;   // 802.1x
};

// Runs the checks of the chosen form in order; the first failure rejects
// its field (message box, field focused) and gives false.
bool Validate(const Inputs& in, const Wording& wording);

}  // namespace SecurityRules
