#include "BackupFixture.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

QByteArray Element(const char* name, const QByteArray& text)
{
    return QByteArray("<") + name + ">" + text + "</" + name + ">\n";
}

} // namespace

QByteArray DeviceXml(const DeviceConfig& c)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config>\n";
    xml += "<wan>\n<rg>\n<inf>\n" + Element("mode", c.WanMode) + "<static>\n" + Element("netmask", c.Netmask)
        + Element("gateway", c.Gateway) + "</static>\n</inf>\n</rg>\n</wan>\n";
    xml += "<sys>\n<user>\n" + Element("name", c.UserName) + Element("password", c.Password) + "</user>\n";
    xml += "<consoleprotocol>\n";
    if (c.WithConsoleProtocol)
        xml += Element("protocol", c.ConsoleProtocol);
    xml += Element("timeout", c.TelnetTimeout) + "</consoleprotocol>\n</sys>\n";
    xml += "<wlan>\n<inf>\n";
    xml += Element("wlmode", c.WirelessMode) + Element("enable", c.RadioEnable) + Element("ssid", c.Ssid)
        + Element("ssidhidden", c.SsidHidden) + Element("beaconinterval", c.BeaconInterval)
        + Element("fixedrate", c.FixedRate) + Element("dtim", c.Dtim) + Element("cwmmode", c.ChannelWidth)
        + Element("autochannel", c.AutoChannel) + Element("channel", c.Channel)
        + Element("authentication", c.Authentication);
    xml += "<wpa>\n" + Element("wepmode", c.WepMode) + Element("radiusserver", c.RadiusServer)
        + Element("radiussecret", c.RadiusSecret) + Element("radiusport", c.RadiusPort)
        + Element("grp_rekey_interval", c.RekeyInterval) + Element("wpapsk", c.Passphrase) + "</wpa>\n";
    if (c.WithDefaultKey)
        xml += Element("defkey", c.DefaultKey);
    for (const WepKey& key : c.WepKeys) {
        xml += "<wepkey id=\"" + key.Id + "\">" + key.Key + Element("keyformat", key.Format)
            + Element("keylength", key.Length) + "</wepkey>\n";
    }
    xml += "<acl>\n" + Element("mode", c.AclMode);
    for (int i = 0; i < c.Macs.size(); ++i)
        xml += "<mac id=\"" + QByteArray::number(i + 1) + "\">" + c.Macs[i] + "</mac>\n";
    xml += "</acl>\n</inf>\n</wlan>\n</config>\n";
    return xml;
}

QByteArray GzipBytes(const QString& dir, const QByteArray& data)
{
    const QString path = QDir(dir).filePath(QStringLiteral("payload.gz"));
    gzFile gz = gzopen(QFile::encodeName(path).constData(), "wb");
    EXPECT_NE(gz, nullptr);
    if (!gz)
        return {};
    if (!data.isEmpty()) {
        EXPECT_EQ(gzwrite(gz, data.constData(), static_cast<unsigned>(data.size())), data.size());
    }
    EXPECT_EQ(gzclose(gz), Z_OK);
    const QByteArray bytes = ReadFileBytes(path);
    QFile::remove(path);
    return bytes;
}

bool WriteFileBytes(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

bool WriteBackup(const QString& path, const QByteArray& header, const QByteArray& gzip)
{
    return WriteFileBytes(path, header + gzip);
}

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> CrLfLines(const QByteArray& data)
{
    QList<QByteArray> lines;
    if (data.isEmpty())
        return lines;
    EXPECT_TRUE(data.endsWith("\r\n"));
    QList<QByteArray> parts = data.split('\n');
    parts.removeLast();
    for (QByteArray line : parts) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        line.chop(1);
        EXPECT_FALSE(line.contains('\r')) << line.constData();
        lines.append(line);
    }
    return lines;
}

QList<QByteArray> SectionEntries(const QList<QByteArray>& lines, const QByteArray& header, int* itemCount)
{
    const qsizetype at = lines.indexOf(header);
    EXPECT_GE(at, 0) << header.constData();
    if (at < 0 || at + 1 >= lines.size())
        return {};
    const QByteArray countLine = lines[at + 1];
    EXPECT_TRUE(countLine.startsWith("ItemCounts="));
    const int count = countLine.mid(11).toInt();
    if (itemCount)
        *itemCount = count;
    QList<QByteArray> entries;
    for (qsizetype i = at + 2; i < lines.size() && !lines[i].startsWith('['); ++i)
        entries.append(lines[i]);
    EXPECT_EQ(entries.size(), count) << header.constData();
    return entries;
}
