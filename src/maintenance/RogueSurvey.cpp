#include "RogueSurvey.h"
#include "CommandCallbacks.h"
#include "CommandTiming.h"
#include "SharedCommandRequest.h"
#include "host/AP_PlugIn.h"
#include "mib/MaintenanceTables.h"
#include "snmp/CZRException.h"
#include "snmp/RequestResult.h"
#include "snmp/SnmpRequest.h"
#include "snmp/ValueMap.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QTimer>
#include <array>
#include <deque>
#include <map>
#include <memory>
#include <vector>

namespace RogueSurvey {

namespace {

constexpr int kCommand = 0;
constexpr int kRefreshTimeout = 2000;
constexpr char kModelName[] = "NXA-7310";

struct Walk {
    std::shared_ptr<SnmpRequest> Request;
    std::vector<std::array<QString, 7>> Rows;
};

std::map<QString, Walk>& Walks() {
    static std::map<QString, Walk> walks;
    return walks;
}

// A request may be in the middle of calling back: it goes once the event
// that called it is over.
void Retire(std::shared_ptr<SnmpRequest> request) {
    if (!request)
        return;
    if (QCoreApplication::instance())
        QTimer::singleShot(0, QCoreApplication::instance(), [r = std::move(request)] {});
}

void Deliver(const QString& address, int status, const QString& message, std::vector<std::array<QString, 7>> rows,
             uintptr_t context) {
    auto callback = reinterpret_cast<CmdRowsCallback>(CommandCallbacks::Stored(kCommand));
    if (!callback)
        return;
    std::deque<QByteArray> texts;
    auto add = [&texts](const QString& text) {
        texts.push_back(text.toUtf8());
        return texts.back().constData();
    };
    std::vector<RogueApRecord> records;
    records.reserve(rows.size());
    for (const auto& row : rows)
        records.push_back({add(row[0]), add(row[1]), add(row[2]), add(row[3]), add(row[4]), add(row[5]), add(row[6])});
    std::vector<RogueApRecord*> pointers;
    for (RogueApRecord& record : records)
        pointers.push_back(&record);
    CmdResult result{status, status != 0 ? add(message) : nullptr, add(address), nullptr, add(QString::fromLatin1(kModelName))};
    const int count = static_cast<int>(pointers.size());
    callback(0, &result, count, count > 0 ? pointers.data() : nullptr, context);
}

void Finish(const QString& address, int status, const QString& message, uintptr_t context) {
    auto it = Walks().find(address);
    std::vector<std::array<QString, 7>> rows;
    if (it != Walks().end()) {
        rows = std::move(it->second.Rows);
        Retire(std::move(it->second.Request));
        Walks().erase(it);
    }
    Deliver(address, status, message, std::move(rows), context);
}

void Step(const QString& address, const MibVariableList& row, bool first, uintptr_t context);

void StepDone(const QString& address, RequestResult* result, MibVariableList* list, uintptr_t context) {
    if (Walks().find(address) == Walks().end())
        return;
    if (result->Status != 0) {
        Finish(address, 1, result->Message, context);
        return;
    }
    // Values as shown: through the column's value map where it has one.
    auto value = [list](const char* name) {
        const int i = list->IndexOf(QLatin1String(name));
        if (i < 0)
            return QString();
        const MibVariableEntry& entry = list->Entry(i);
        return entry.Map ? entry.Map->TextForValue(entry.Value) : entry.Value;
    };
    const QString type = value("Type");
    const bool ended = type == QLatin1String("(NOTDONE)") || list->Count() == 0;
    if (!ended) {
        Walks()[address].Rows.push_back({type, value("CH"), value("BSSID"), QStringLiteral("Not Suport"), value("Mode"),
                                         value("SSID"), QStringLiteral("(Not Suport) 0")});
    }
    if (ended || result->Done) {
        Finish(address, 0, QString(), context);
        return;
    }
    Step(address, *list, false, context);
}

void Step(const QString& address, const MibVariableList& row, bool first, uintptr_t context) {
    auto it = Walks().find(address);
    if (it == Walks().end())
        return;
    SnmpRequest& request = *it->second.Request;
    request.Variables = row;
    try {
        request.ReadAsync([address](RequestResult* r, MibVariableList* l, uintptr_t c) { StepDone(address, r, l, c); },
                          first, context);
    } catch (const CZRException& e) {
        Finish(address, 1, e.Text(), context);
    }
}

void RefreshDone(RequestResult* result, uintptr_t context, const CommandSettings& settings) {
    const QString address = result->DeviceAddress;
    if (result->Status != 0) {
        Deliver(address, 1, result->Message, {}, context);
        return;
    }
    auto request = std::make_shared<SnmpRequest>();
    request->Address = address;
    request->AddressSpare.clear();
    settings.ApplyTo(*request);
    Walk& walk = Walks()[address];
    Retire(std::move(walk.Request));   // a walk of the same device that was going on is replaced
    walk.Request = std::move(request);
    walk.Rows.clear();
    Step(address, MibVariableList::FromCatalogue(kRogueSurveyListVars, MibVariableList::MVT_FMV), true, context);
}

}  // namespace

void Start(const QString& address, uintptr_t context, const CommandSettings& settings) {
    SnmpRequest& request = SharedCommandRequest::Get();
    request.Variables = MibVariableList::FromCatalogue(kRogueSurveyRefreshVars, MibVariableList::SVT_SV);
    request.Variables.Entry(0).Value = QStringLiteral("1");
    request.Address = address;
    request.AddressSpare.clear();
    settings.ApplyTo(request);
    request.Timeout = CommandTiming::Scaled(kRefreshTimeout);
    request.WriteAsync([settings](RequestResult* r, MibVariableList*, uintptr_t c) { RefreshDone(r, c, settings); },
                       QString(), context);
}

int Collecting(const QString& address) {
    auto it = Walks().find(address);
    return it == Walks().end() ? 0 : static_cast<int>(it->second.Rows.size());
}

void DropAll() { Walks().clear(); }

}  // namespace RogueSurvey
