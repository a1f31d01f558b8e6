#include "SnmpSession.h"
#include "CZRException.h"
#include "ErrorCatalog.h"
#include "SnmpEngine.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <QTextStream>
#include <mutex>

namespace SnmpSession {
namespace {

std::mutex gMutex;
DeviceTarget gDefaultTarget;
QObject* gReceiver = nullptr;
bool gStarted = false;
int gBootCounter = 0;
int gStartFailureNumber = ErrorCatalog::ErrSessionCreate;
QString gStartFailureText;

// Reads the counter of `engineId` from the boot counter file: 0 and the
// counter when found, -1 when there is no file, -2 when the file has no line
// for the engine, -3 when the file cannot be read or is damaged.
int ReadBootCounter(const QString& path, const QString& engineId, int* counter) {
    QFile file(path);
    if (!file.exists())
        return -1;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -3;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
        if (space <= 0)
            return -3;
        bool ok = false;
        const int value = line.mid(space + 1).toInt(&ok);
        if (!ok || value < 0)
            return -3;
        if (line.left(space) == engineId) {
            *counter = value;
            return 0;
        }
    }
    return -2;
}

// Writes the counter of `engineId`, keeping the lines of other engines.
bool SaveBootCounter(const QString& path, const QString& engineId, int counter) {
    QStringList lines;
    QFile old(path);
    if (old.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&old);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (!line.isEmpty() && !line.startsWith(engineId + QLatin1Char(' ')))
                lines << line;
        }
    }
    lines << QStringLiteral("%1 %2").arg(engineId).arg(counter);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(lines.join(QLatin1Char('\n')).toUtf8());
    file.write("\n");
    return file.commit();
}

void StartLocked(const QString& bootCounterFolder);

}  // namespace

void StartSnmp(const QString& bootCounterFolder, const QString&) {
    std::lock_guard lock(gMutex);
    if (gStarted)
        return;
    try {
        StartLocked(bootCounterFolder);
    } catch (const CZRException& e) {
        gStartFailureNumber = e.Number();
        gStartFailureText = e.Text();
        throw;
    }
    gStartFailureNumber = ErrorCatalog::ErrSessionCreate;
    gStartFailureText.clear();
}

void ThrowIfNotStarted() {
    std::lock_guard lock(gMutex);
    if (gStarted)
        return;
    if (gStartFailureText.isEmpty())
        throw CZRException(gStartFailureNumber);
    throw CZRException(gStartFailureNumber, gStartFailureText);
}

namespace {

void StartLocked(const QString& bootCounterFolder) {
    QString folder = bootCounterFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const QString path = folder + QLatin1Char('/') + QLatin1String(BootCounterFileName);
    const QString engineId = QLatin1String(EngineIdentity);

    // The counter file is checked before the SNMP thread starts, so that a
    // failed start leaves nothing running.
    int counter = 0;
    const int read = ReadBootCounter(path, engineId, &counter);
    if (read < -2)
        throw CZRException(ErrorCatalog::ErrBootCounterLoad);
    if (read < 0)
        counter = 0;
    ++counter;
    if (!SaveBootCounter(path, engineId, counter))
        throw CZRException(ErrorCatalog::ErrBootCounterSave);
    if (!SnmpEngine::Instance().Start(folder))
        throw CZRException(ErrorCatalog::ErrSessionCreate);
    gBootCounter = counter;

    gDefaultTarget = DeviceTarget();

    // Completions run where the application's event loop runs.
    gReceiver = new QObject;
    gReceiver->setObjectName(QStringLiteral("Snmp EventProcessor"));
    if (QCoreApplication* app = QCoreApplication::instance())
        gReceiver->moveToThread(app->thread());
    gStarted = true;
}

}  // namespace

void StopSnmp() {
    std::lock_guard lock(gMutex);
    if (!gStarted)
        return;
    SnmpEngine::Instance().Stop();
    // Completions already queued to the receiver are dropped with it.
    if (gReceiver) {
        if (gReceiver->thread() == QThread::currentThread())
            delete gReceiver;
        else
            gReceiver->deleteLater();
        gReceiver = nullptr;
    }
    gStarted = false;
}

bool IsStarted() {
    std::lock_guard lock(gMutex);
    return gStarted;
}

int BootCounter() {
    std::lock_guard lock(gMutex);
    return gBootCounter;
}

DeviceTarget DefaultTarget() {
    std::lock_guard lock(gMutex);
    return gDefaultTarget;
}

void SetDefaultTarget(const DeviceTarget& target) {
    std::lock_guard lock(gMutex);
    gDefaultTarget = target;
}

QObject* CompletionReceiver() {
    std::lock_guard lock(gMutex);
    return gReceiver;
}

}  // namespace SnmpSession
