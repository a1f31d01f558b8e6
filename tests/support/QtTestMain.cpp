// Runs the tests inside a Qt application (headless), with the module's SNMP
// layer started in a private temporary folder, so that asynchronous
// completions are delivered on this thread's event loop.
#include "snmp/SnmpSession.h"
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    QTemporaryDir temp;
    SnmpSession::StartSnmp(temp.path());
    const int rc = RUN_ALL_TESTS();
    SnmpSession::StopSnmp();
    return rc;
}
