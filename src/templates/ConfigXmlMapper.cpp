#include "templates/ConfigXmlMapper.h"
#include "templates/TemplateMapTable.h"
#include <tinyxml2.h>
#include <cstring>
#include <limits>

namespace {

// Backups are a few hundred kilobytes; anything far larger is not one.
constexpr qint64 kMaxXmlBytes = 64 * 1024 * 1024;

constexpr int kMaxMacEntries = 257;

const tinyxml2::XMLElement* FindChild(const tinyxml2::XMLElement* parent, const XmlMapRule::Segment& segment)
{
    for (const tinyxml2::XMLElement* child = parent->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        if (segment.Name != child->Name())
            continue;
        if (!segment.HasSelector)
            return child;
        const char* attribute = child->Attribute(segment.SelectorName.constData());
        if (attribute && segment.SelectorValue.compare(QByteArray(attribute), Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

// Leading decimal number of a text, as the device's key numbers are read;
// 0 when there is none, clamped instead of overflowing.
int LeadingNumber(const QByteArray& text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text.at(pos) == ' ' || text.at(pos) == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == '-' || text.at(pos) == '+'))
        negative = text.at(pos++) == '-';
    long long number = 0;
    while (pos < text.size() && text.at(pos) >= '0' && text.at(pos) <= '9') {
        number = number * 10 + (text.at(pos++) - '0');
        if (number > std::numeric_limits<int>::max())
            number = std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -number : number);
}

// One setting is one line: a line break inside a value would split it and
// could smuggle further keys into the file.
QByteArray OneLine(QByteArray value)
{
    return value.replace('\r', ' ').replace('\n', ' ');
}

} // namespace

ConfigXmlMapper::ConfigXmlMapper() = default;

ConfigXmlMapper::~ConfigXmlMapper()
{
    if (output_.isOpen())
        output_.close();
}

ConfigXmlMapper::Outcome ConfigXmlMapper::MapDeviceConfig(const QString& xmlPath, const QString& outputPath)
{
    if (!LoadDocument(xmlPath))
        return Outcome::NoDocument;
    if (!OpenOutput(outputPath))
        return Outcome::OutputFailed;
    MapRules(TemplateMapTable::Rules(), TemplateMapTable::Count());
    MapSpecialCases();
    return CloseOutput() ? Outcome::Mapped : Outcome::WriteFailed;
}

bool ConfigXmlMapper::LoadDocument(const QString& xmlPath)
{
    loaded_ = false;
    document_ = std::make_unique<tinyxml2::XMLDocument>();
    QFile file(xmlPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxXmlBytes)
        return false;
    const QByteArray xml = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (document_->Parse(xml.constData(), static_cast<size_t>(xml.size())) != tinyxml2::XML_SUCCESS)
        return false;
    loaded_ = document_->RootElement() != nullptr;
    return loaded_;
}

bool ConfigXmlMapper::OpenOutput(const QString& outputPath)
{
    if (output_.isOpen())
        output_.close();
    writeFailed_ = false;
    output_.setFileName(outputPath);
    return output_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ConfigXmlMapper::MapRules(const char* const* rules, int count)
{
    for (int i = 0; i < count; ++i) {
        QByteArray name;
        QByteArray text;
        bool hasText = false;
        if (Resolve(QByteArray(rules[i]), &name, &text, &hasText))
            WriteEntry(name, text, hasText);
    }
}

bool ConfigXmlMapper::CloseOutput()
{
    if (!output_.isOpen())
        return false;
    if (!output_.flush())
        writeFailed_ = true;
    output_.close();
    if (output_.error() != QFileDevice::NoError)
        writeFailed_ = true;
    return !writeFailed_;
}

bool ConfigXmlMapper::Resolve(const QByteArray& ruleText, QByteArray* name, QByteArray* text, bool* hasText)
{
    current_ = XmlMapRule::Parse(ruleText);
    *hasText = false;
    if (!loaded_ || current_.Kind() != 'e' || !current_.PathValid())
        return false;
    const tinyxml2::XMLElement* element = document_->RootElement();
    for (const XmlMapRule::Segment& segment : current_.Path()) {
        element = FindChild(element, segment);
        if (!element)
            return false;
    }
    *name = QByteArray(element->Name());
    const char* elementText = element->GetText();
    *hasText = elementText != nullptr;
    *text = elementText ? QByteArray(elementText) : QByteArray();
    return true;
}

bool ConfigXmlMapper::ResolveText(const QByteArray& ruleText, QByteArray* text, bool* hasText)
{
    QByteArray name;
    return Resolve(ruleText, &name, text, hasText);
}

void ConfigXmlMapper::WriteEntry(const QByteArray& name, const QByteArray& value, bool hasValue)
{
    if (!output_.isOpen())
        return;
    QByteArray line = current_.HasKeyName() ? current_.KeyName() : name;
    line += '=';
    if (hasValue)
        line += current_.HasTranslation() ? XmlMapRule::Translate(current_.Translation(), value) : value;
    line = OneLine(line);
    line += "\r\n";
    if (output_.write(line) != line.size())
        writeFailed_ = true;
}

void ConfigXmlMapper::MapSpecialCases()
{
    MapConsoleProtocol();
    MapChannel("80211a");
    MapChannel("80211g");
    MapDefaultKey();
    MapMacList();
}

void ConfigXmlMapper::MapConsoleProtocol()
{
    QByteArray protocol;
    bool hasText = false;
    if (!ResolveText("e:<sys><consoleprotocol><protocol>", &protocol, &hasText))
        return;
    if (protocol.compare("0", Qt::CaseInsensitive) == 0) {
        WriteEntry("SYS_Telnet_option", "Disable");
        return;
    }
    WriteEntry("SYS_Telnet_option", "Enable");
    if (protocol.compare("1", Qt::CaseInsensitive) == 0)
        WriteEntry("SYS_IsSSH", "Disable");
    else if (protocol.compare("2", Qt::CaseInsensitive) == 0)
        WriteEntry("SYS_IsSSH", "Enable");
}

void ConfigXmlMapper::MapChannel(const char* band)
{
    const QByteArray tag = QByteArray("e:[FFN=AWS_") + band + "_Channel]:";
    QByteArray text;
    bool hasText = false;
    if (!ResolveText(tag + "<wlan><inf><autochannel>", &text, &hasText))
        return;
    if (text == "1") {
        WriteEntry(QByteArray(), "Auto");
        return;
    }
    if (ResolveText(tag + "<wlan><inf><channel>", &text, &hasText))
        WriteEntry(QByteArray(), text, hasText);
}

void ConfigXmlMapper::MapDefaultKey()
{
    QByteArray keyNumber;
    bool hasText = false;
    if (!ResolveText("e:[RRL=|1=First|2=Second|3=Third|4=Fourth|]:<wlan><inf><defkey>", &keyNumber, &hasText))
        return;
    WriteEntry("SCR_80211a_active_key_index", keyNumber, hasText);
    WriteEntry("SCR_80211g_active_key_index", keyNumber, hasText);

    const int number = LeadingNumber(keyNumber);
    static const char* const kKeyRules[] = {
        "e:[FFN=SCR_80211a_key%i]:<wlan><inf><wepkey[id=%i]>",
        "e:[FFN=SCR_80211g_key%i]:<wlan><inf><wepkey[id=%i]>",
        "e:[FFN=SCR_80211a_keytype]:[RRL=|1=ASCII|2=HEX|]:<wlan><inf><wepkey[id=%i]><keyformat>",
        "e:[FFN=SCR_80211g_keytype]:[RRL=|1=ASCII|2=HEX|]:<wlan><inf><wepkey[id=%i]><keyformat>",
        "e:[FFN=SCR_80211a_keysize]:[RRL=|64=64 Bits|128=128 Bits|]:<wlan><inf><wepkey[id=%i]><keylength>",
        "e:[FFN=SCR_80211g_keysize]:[RRL=|64=64 Bits|128=128 Bits|]:<wlan><inf><wepkey[id=%i]><keylength>",
    };
    for (const char* rule : kKeyRules) {
        QByteArray name;
        QByteArray text;
        if (Resolve(XmlMapRule::FillIndex(rule, number), &name, &text, &hasText))
            WriteEntry(name, text, hasText);
    }
}

void ConfigXmlMapper::MapMacList()
{
    int found = 0;
    for (int i = 1; i <= kMaxMacEntries; ++i) {
        QByteArray address;
        bool hasText = false;
        if (!ResolveText(XmlMapRule::FillIndex("e:<wlan><inf><acl><mac[id=%i]>", i), &address, &hasText))
            break;
        WriteEntry("Flt_80211a_filter_mac_add" + QByteArray::number(i), address, hasText);
        WriteEntry("Flt_80211g_filter_mac_add" + QByteArray::number(i), address, hasText);
        found = i;
    }
    WriteEntry("Flt_80211a_filter_mac_Items", QByteArray::number(found));
    WriteEntry("Flt_80211g_filter_mac_Items", QByteArray::number(found));
}
