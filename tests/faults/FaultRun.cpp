#include "FaultRun.h"
#include "support/ToolRun.h"
#include <QDirIterator>
#include <QFile>
#include <chrono>
#include <mutex>
#include <thread>

namespace FaultRun {

namespace {
std::mutex answers;

void Take(CommandAnswer* a, const CmdResult* r) {
    ++a->Calls;
    a->Status = r ? r->Status : -1;
    a->Message = QString::fromUtf8(r && r->Message ? r->Message : "");
    a->DeviceIp = QString::fromUtf8(r && r->DeviceIp ? r->DeviceIp : "");
}
}  // namespace

const char* Name(Fault fault) {
    switch (fault) {
    case Fault::Drop30: return "Drop30";
    case Fault::Delay200: return "Delay200";
    case Fault::Silent: return "Silent";
    }
    return "?";
}

QStringList SimArguments(Fault fault) {
    switch (fault) {
    case Fault::Drop30: return {QStringLiteral("--drop"), QStringLiteral("30"), QStringLiteral("--seed"), QStringLiteral("5")};
    case Fault::Delay200: return {QStringLiteral("--answer-delay"), QStringLiteral("all:200")};
    case Fault::Silent: return {QStringLiteral("--silent"), QStringLiteral("1")};
    }
    return {};
}

uint32_t HostTimeout(Fault fault) {
    switch (fault) {
    case Fault::Drop30: return 50;
    case Fault::Delay200: return 100;
    case Fault::Silent: return 20;
    }
    return 100;
}

std::string ReadBack(const std::string& target, const std::string& oid) {
    std::string out;
    if (TestSupport::RunTool("snmpget -v2c -c public -t 1 -r 8 -Oqv " + target + " " + oid, out, 30) != 0)
        return {};
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    if (out.size() >= 2 && out.front() == '"' && out.back() == '"')
        out = out.substr(1, out.size() - 2);
    return out;
}

int Rows(const std::string& target, const std::string& column) {
    std::string out;
    if (TestSupport::RunTool("snmpwalk -v2c -c public -t 1 -r 8 -On " + target + " " + column, out, 60) != 0)
        return -1;
    int rows = 0;
    for (size_t at = out.find("." + column + "."); at != std::string::npos; at = out.find("." + column + ".", at + 1))
        ++rows;
    return rows;
}

bool WaitAnswering(const std::string& target, int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string out;
        if (TestSupport::RunTool("snmpget -v2c -c public -t 1 -r 0 -Oqv " + target + " " + kSysName, out, 5) == 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AllFilesUnder(const QString& folder) {
    QByteArray all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll() + '\n';
    }
    return all;
}

void TextCallback(CmdResult* result, const char* text, uintptr_t context) {
    std::lock_guard<std::mutex> lock(answers);
    auto* a = reinterpret_cast<CommandAnswer*>(context);
    Take(a, result);
    a->Text = QString::fromUtf8(text ? text : "");
}

void RowsCallback(int32_t, CmdResult* result, int32_t count, RogueApRecord**, uintptr_t context) {
    std::lock_guard<std::mutex> lock(answers);
    auto* a = reinterpret_cast<CommandAnswer*>(context);
    Take(a, result);
    a->Count = count;
}

void ProbeCallback(CmdResult* result, const ProbeList* list, uintptr_t context) {
    std::lock_guard<std::mutex> lock(answers);
    auto* a = reinterpret_cast<CommandAnswer*>(context);
    Take(a, result);
    a->Count = list ? list->Count : 0;
    if (list && list->Count >= 7 && list->Variables[6].Value)
        a->Text = QString::fromUtf8(list->Variables[6].Value);
}

int CallsOf(const CommandAnswer& answer) {
    std::lock_guard<std::mutex> lock(answers);
    return answer.Calls;
}

CommandAnswer Copy(const CommandAnswer& answer) {
    std::lock_guard<std::mutex> lock(answers);
    return answer;
}

}  // namespace FaultRun
