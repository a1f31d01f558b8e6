// aerodesk: the reference host of the NXA-7310 management module.
#include "CommandRegistry.h"
#include <QApplication>

int main(int argc, char** argv) {
    // Command-line use needs no display; a GUI mode asks for one explicitly.
    const bool gui = argc > 1 && QByteArray(argv[1]) == "gui";
    if (!gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zorvane"));
    QApplication::setApplicationName(QStringLiteral("Aerodesk"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return CommandRegistry::Instance().Dispatch(arguments);
}
