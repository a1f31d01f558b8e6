#include "TemplateApplyFixture.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpSyntax.h"
#include "templates/TemplateApplier.h"
#include "templates/TextLineFile.h"

void TemplateApplyTest::SetUpTestSuite() {
    started_ = fleet_.Start(QStringLiteral("127.0.23.1"), 44);
}

void TemplateApplyTest::TearDownTestSuite() { fleet_.Stop(); }

QString TemplateApplyTest::KeyFile(const QStringList& lines) {
    QList<QByteArray> bytes;
    for (const QString& line : lines)
        bytes << line.toUtf8();
    const QString path = dir_.filePath(QStringLiteral("template.txt"));
    EXPECT_TRUE(TextLineFile::Write(path, bytes));
    return path;
}

TemplateApplyTest::Outcome TemplateApplyTest::Apply(int device, const QStringList& lines, uint32_t flags) {
    EXPECT_TRUE(started_) << "the simulator did not start";
    Outcome outcome;
    TemplateApplier applier(
        fleet_.Target(device), [&](const QString& message) { outcome.Rejections << message; }, &outcome.Progress);
    try {
        applier.Apply(KeyFile(lines), flags);
    } catch (const CZRException& e) {
        outcome.ErrorNumber = e.Number();
        outcome.ErrorText = e.Text();
    }
    return outcome;
}

QString TemplateApplyTest::Get(int device, const char* oid, int32_t syntax, const ValueMap* map) {
    return fleet_.Get(device, QString::fromLatin1(oid), syntax, map);
}

void TemplateApplyTest::Set(int device, const char* oid, int32_t syntax, const QString& value, const ValueMap* map) {
    fleet_.Set(device, QString::fromLatin1(oid), syntax, value, map);
}

QString TemplateApplyTest::GetNumber(int device, const char* oid) { return Get(device, oid, SnmpSyntax::Integer); }

void TemplateApplyTest::SetNumber(int device, const char* oid, int value) {
    Set(device, oid, SnmpSyntax::Integer, QString::number(value));
}

QString TemplateApplyTest::GetText(int device, const char* oid) { return Get(device, oid, SnmpSyntax::DisplayString); }

QStringList TemplateApplyTest::MacList(int device) {
    QStringList list;
    for (int i = 1; i <= 256; ++i) {
        const QString mac = fleet_.Get(device, QLatin1String(DeviceOids::MacList) + QString::number(i),
                                       SnmpSyntax::MacAddress);
        if (mac == QLatin1String("000000000000"))
            break;
        list << mac;
    }
    return list;
}

bool TemplateApplyTest::ChannelListIsSpaceSeparated(int device) {
    return GetText(device, DeviceOids::ChannelList).trimmed().contains(QLatin1Char(' '));
}
