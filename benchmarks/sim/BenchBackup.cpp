// How long a simulated device takes to make its configuration backup and to
// restore from one (the work behind an FTP "Put" and a "configSave").
#include "sim/BackupFile.h"
#include "sim/Device.h"
#include "sim/DeviceModel.h"
#include <benchmark/benchmark.h>

namespace {
struct Fixture {
    std::unique_ptr<DeviceModel> Model = DeviceModel::Build();
    Device Unit{*Model, DeviceIdentity::ForIndex(0, "127.0.1.1", 1161, 0, "1.10"), 4};
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_MakeBackup(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(BackupFile::Make(Shared().Unit.State()));
}

void BM_RestoreBackup(benchmark::State& state) {
    const std::string backup = BackupFile::Make(Shared().Unit.State());
    std::string error;
    for (auto _ : state)
        if (!BackupFile::RestoreFrom(Shared().Unit.State(), backup, error))
            state.SkipWithError(error.c_str());
}
}  // namespace

BENCHMARK(BM_MakeBackup);
BENCHMARK(BM_RestoreBackup);
BENCHMARK_MAIN();
