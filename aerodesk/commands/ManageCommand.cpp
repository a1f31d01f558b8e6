// aerodesk manage: opens the module's management window on one device, or
// with --screenshot renders every page of the window to PNG files.
#include "Command.h"
#include "CommandRegistry.h"
#include "DeviceOptions.h"
#include "HostSession.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

// PlugRenderWindow(folder, timeout in ms): files written, -1 without a window.
using RenderWindow = int32_t (*)(const char*, int32_t);

class ManageCommand : public Command {
public:
    QString Name() const override { return QStringLiteral("manage"); }
    QString Summary() const override {
        return QStringLiteral("open the management window on a device (--screenshot DIR: its pages as PNG files)");
    }

    int Run(const QStringList& arguments) override {
        QCommandLineParser parser;
        parser.setApplicationDescription(QStringLiteral(
            "Opens the module's management window on the device (PlugInit, PlugSetSnmpParameter, PlugShow) and "
            "runs until it is closed. With --screenshot, every page of the window is shown in turn, refreshed "
            "from the device, and written to DIR as NN-page.png; no display is needed."));
        options_.AddTo(parser, false, false);
        parser.addOption({QStringLiteral("screenshot"), QStringLiteral("Write the pages to DIR and exit."),
                          QStringLiteral("DIR")});
        QStringList args = arguments;
        args[0] = QStringLiteral("aerodesk manage");
        if (!parser.parse(args)) {
            std::fprintf(stderr, "aerodesk manage: %s\n", qPrintable(parser.errorText()));
            return 2;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            std::fputs(parser.helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (!options_.Read(parser)) {
            std::fprintf(stderr, "aerodesk manage: %s\n", qPrintable(options_.Error()));
            return 2;
        }
        if (options_.Addresses.size() != 1) {
            std::fprintf(stderr, "aerodesk manage: give exactly one device address\n");
            return 2;
        }
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            std::fprintf(stderr, "aerodesk manage: needs a GUI application\n");
            return 3;
        }
        HostSession session;
        if (!session.Open(options_)) {
            std::fprintf(stderr, "aerodesk: %s\n", qPrintable(session.Error()));
            return 3;
        }
        session.Module().Show();
        const int rc = parser.isSet(QStringLiteral("screenshot"))
                           ? Screenshots(session, parser.value(QStringLiteral("screenshot")))
                           : Interactive();
        // The window goes before the module does; a refused exit waits for the page.
        if (!session.CloseWindow(300)) {
            std::fprintf(stderr, "aerodesk manage: the window stayed busy; not unloading the module\n");
            std::fflush(stderr);
            std::_Exit(rc == 0 ? 1 : rc);
        }
        return rc;
    }

private:
    int Screenshots(HostSession& session, const QString& folder) {
        auto render = reinterpret_cast<RenderWindow>(session.Module().Symbol("PlugRenderWindow"));
        if (!render) {
            std::fprintf(stderr, "aerodesk manage: the module cannot render its window\n");
            return 3;
        }
        const QString path = QDir(folder).absolutePath();
        const int written = render(path.toUtf8().constData(), options_.WaitSeconds * 1000);
        if (written < 0) {
            std::fprintf(stderr, "aerodesk manage: the module has no window (%s)\n",
                         qPrintable(HostSession::LastMessage()));
            return 1;
        }
        const QStringList files = QDir(path).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            std::printf("%s\n", qPrintable(QDir(path).filePath(file)));
        std::fflush(stdout);
        return written > 0 ? 0 : 1;
    }

    static int Interactive() {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            std::fprintf(stderr, "aerodesk manage: no display (offscreen); the window is not visible. "
                                 "Set QT_QPA_PLATFORM (e.g. xcb) or use --screenshot.\n");
        // The window is the only one: closing it ends the loop.
        QApplication::setQuitOnLastWindowClosed(true);
        return QApplication::exec();
    }


    DeviceOptions options_;
};

}  // namespace

AERODESK_COMMAND(ManageCommand, "manage",
                 "open the management window on a device (--screenshot DIR: its pages as PNG files)")
