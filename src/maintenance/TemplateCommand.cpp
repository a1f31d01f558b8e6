#include "TemplateCommand.h"
#include "CommandJob.h"
#include "snmp/CZRException.h"
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace TemplateCommand {

namespace {

constexpr uint32_t kAllGroups = 65535;

std::mutex mutex;
std::condition_variable idle;
int running = 0;
Applier applier;

// Statics of one file go in the reverse order of their definitions: this one
// goes first, and waits for workers still counting themselves out, so that no
// worker notifies `idle` or unlocks `mutex` after they are gone (at exit, or
// when the module is unloaded).
struct WorkersAtExit {
    ~WorkersAtExit();
} workersAtExit;

QString Field(const QStringList& fields, int index) { return index < fields.size() ? fields.at(index) : QString(); }

template <size_t N>
QString Slot(const char (&slot)[N]) {
    return CommandJob::Get(slot, N);
}

// What the worker needs besides the record: the target and the key file's
// whole path (the record's slot may hold only the start of it).
struct WorkOrder {
    DeviceTarget Target;
    QString KeyFile;
};

void Work(std::unique_ptr<TemplateJob> job, WorkOrder order, Applier apply) {
    int status = 0;
    QString message = QStringLiteral("OK");
    try {
        if (!apply)
            throw CZRException(1, QStringLiteral("No template application in this module."));
        apply(order.Target, order.KeyFile, kAllGroups, job.get());
    } catch (const CZRException& e) {
        status = e.Number();
        message = e.Text();
    } catch (const std::exception& e) {
        status = 1;
        message = QString::fromLocal8Bit(e.what());
    }
    const QString report = QStringLiteral("OVER|%1|%2|%3|%4|%5")
                               .arg(Slot(job->Field1), Slot(job->Field2), Slot(job->Field3), Slot(job->Field4),
                                    Slot(job->Field5));
    const QByteArray messageBytes = message.toUtf8();
    const QByteArray reportBytes = report.toUtf8();
    const QByteArray address = Slot(job->Field1).toUtf8();
    CmdResult result{status, messageBytes.constData(), address.constData(), nullptr, nullptr};
    if (job->HostCallback)
        job->HostCallback(&result, reportBytes.constData(), job->Context);
    std::free(job->Progress);
    job.reset();
    std::lock_guard<std::mutex> lock(mutex);
    --running;
    idle.notify_all();
}

WorkersAtExit::~WorkersAtExit() { WaitForWorkers(30000); }

}  // namespace

void SetApplier(Applier a) {
    std::lock_guard<std::mutex> lock(mutex);
    applier = std::move(a);
}

DeviceTarget TargetFor(const QString& address, const CommandSettings& settings) {
    DeviceTarget target;
    target.Address = address;
    target.AddressSpare.clear();
    target.Timeout = settings.SnmpTimeout;
    settings.ApplyTo(target);
    return target;
}

void Start(const QString& address, const QString& parameter, uintptr_t context, void* callback,
           const CommandSettings& settings) {
    auto job = std::make_unique<TemplateJob>();
    job->HostCallback = reinterpret_cast<TemplateReportCallback>(callback);
    job->Context = context;
    const QStringList a = address.split(QLatin1Char('|'));
    const QStringList p = parameter.split(QLatin1Char('|'));
    CommandJob::Put(job->Field1, sizeof job->Field1, Field(a, 0));
    CommandJob::Put(job->Field2, sizeof job->Field2, Field(a, 1));
    CommandJob::Put(job->Field3, sizeof job->Field3, Field(a, 2));
    CommandJob::Put(job->Field4, sizeof job->Field4, Field(p, 0));
    CommandJob::Put(job->Field5, sizeof job->Field5, Field(p, 1));
    WorkOrder order{TargetFor(Field(a, 0), settings), Field(p, 1)};
    Applier apply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        apply = applier;
        ++running;
    }
    try {
        std::thread(Work, std::move(job), std::move(order), std::move(apply)).detach();
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> lock(mutex);
        --running;
        throw CZRException(1, QStringLiteral("The template application could not start."));
    }
}

bool WaitForWorkers(int ms) {
    std::unique_lock<std::mutex> lock(mutex);
    return idle.wait_for(lock, std::chrono::milliseconds(ms), [] { return running == 0; });
}

}  // namespace TemplateCommand
