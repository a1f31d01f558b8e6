#pragma once
// Template application against the simulated fleet: each test takes a device
// of its own, writes a key file, applies it and reads back the device.
#include "SimulatedFleet.h"
#include "TemplateDeviceOids.h"
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class TemplateApplyTest : public testing::Test {
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    struct Outcome {
        QStringList Rejections;
        int32_t Progress = 0;
        std::optional<int> ErrorNumber;   // set when the application raised
        QString ErrorText;
    };

    // Writes the lines as a key file and applies it to the device.
    Outcome Apply(int device, const QStringList& lines, uint32_t flags = 65535);
    QString KeyFile(const QStringList& lines);

    QString Get(int device, const char* oid, int32_t syntax, const class ValueMap* map = nullptr);
    void Set(int device, const char* oid, int32_t syntax, const QString& value, const class ValueMap* map = nullptr);
    // Integer variables, as numbers.
    QString GetNumber(int device, const char* oid);
    void SetNumber(int device, const char* oid, int value);
    QString GetText(int device, const char* oid);
    // The device's MAC access-control list up to its first unused entry.
    QStringList MacList(int device);
    // The device's channel list splits at spaces, as the device documents it.
    bool ChannelListIsSpaceSeparated(int device);

    static inline SimulatedFleet fleet_;
    static inline bool started_ = false;
    QTemporaryDir dir_;
};
