// aerodesk: the reference host of the NXA-7310 management module.
#include "CommandRegistry.h"
#include "HostSnmp.h"
#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    // Command-line use needs no display; the GUI mode and a management window
    // that is not only rendered to files need one.
    const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    bool screenshot = false;
    for (int i = 2; i < argc; ++i)
        screenshot = screenshot || QByteArray(argv[i]) == "--screenshot";
    const bool help = argc > 2 && (QByteArray(argv[2]) == "--help" || QByteArray(argv[2]) == "-h");
    const bool needsDisplay = !help && (command == "gui" || (command == "manage" && !screenshot));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (!needsDisplay) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        } else if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            std::fprintf(stderr, "aerodesk %s: this command opens a window and needs a display (DISPLAY is not set);"
                                 " use --screenshot DIR to render the pages to files instead\n",
                         command.constData());
            return 2;
        }
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zorvane"));
    QApplication::setApplicationName(QStringLiteral("Aerodesk"));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int code = CommandRegistry::Instance().Dispatch(arguments);
    HostSnmp::Stop();
    return code;
}
