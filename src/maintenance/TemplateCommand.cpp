#include "TemplateCommand.h"
#include "CommandJob.h"
#include "host/AP_PlugIn.h"
#include "snmp/CZRException.h"
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace TemplateCommand {

namespace {

constexpr uint32_t kAllGroups = 65535;

std::mutex mutex;
std::condition_variable idle;
int running = 0;
Applier applier;

QString Field(const QStringList& fields, int index) { return index < fields.size() ? fields.at(index) : QString(); }

void Work(std::unique_ptr<CommandJob> job, Applier apply, CommandSettings settings) {
    int status = 0;
    QString message = QStringLiteral("OK");
    try {
        if (!apply)
            throw CZRException(1, QStringLiteral("No template application in this module."));
        apply(CommandJob::Get(job->Field1), CommandJob::Get(job->Field5), kAllGroups, settings);
    } catch (const CZRException& e) {
        status = e.Number();
        message = e.Text();
    } catch (const std::exception& e) {
        status = 1;
        message = QString::fromLocal8Bit(e.what());
    }
    const QString report = QStringLiteral("OVER|%1|%2|%3|%4|%5")
                               .arg(CommandJob::Get(job->Field1), CommandJob::Get(job->Field2),
                                    CommandJob::Get(job->Field3), CommandJob::Get(job->Field4),
                                    CommandJob::Get(job->Field5));
    const QByteArray messageBytes = message.toUtf8();
    const QByteArray reportBytes = report.toUtf8();
    const QByteArray address = QByteArray(job->Field1);
    CmdResult result{status, messageBytes.constData(), address.constData(), nullptr, nullptr};
    if (auto callback = reinterpret_cast<CmdTextCallback>(job->HostCallback))
        callback(&result, reportBytes.constData(), job->Context);
    job.reset();
    std::lock_guard<std::mutex> lock(mutex);
    --running;
    idle.notify_all();
}

}  // namespace

void SetApplier(Applier a) {
    std::lock_guard<std::mutex> lock(mutex);
    applier = std::move(a);
}

void Start(const QString& address, const QString& parameter, uintptr_t context, void* callback,
           const CommandSettings& settings) {
    auto job = std::make_unique<CommandJob>();
    job->HostCallback = callback;
    job->Context = context;
    const QStringList a = address.split(QLatin1Char('|'));
    const QStringList p = parameter.split(QLatin1Char('|'));
    CommandJob::Put(job->Field1, sizeof job->Field1, Field(a, 0));
    CommandJob::Put(job->Field2, sizeof job->Field2, Field(a, 1));
    CommandJob::Put(job->Field3, sizeof job->Field3, Field(a, 2));
    CommandJob::Put(job->Field4, sizeof job->Field4, Field(p, 0));
    CommandJob::Put(job->Field5, sizeof job->Field5, Field(p, 1));
    Applier apply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        apply = applier;
        ++running;
    }
    std::thread(Work, std::move(job), std::move(apply), settings).detach();
}

bool WaitForWorkers(int ms) {
    std::unique_lock<std::mutex> lock(mutex);
    return idle.wait_for(lock, std::chrono::milliseconds(ms), [] { return running == 0; });
}

}  // namespace TemplateCommand
