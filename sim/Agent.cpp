#include "Agent.h"
#include "FaultInjection.h"
#include "RangeDeletion.h"
#include "RogueTypes.h"
#include "SnmpErrors.h"
#include "TraceLog.h"
#include "snmp/SnmpSyntax.h"
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/agent/agent_callbacks.h>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

namespace {
Agent* gAgent = nullptr;
std::set<void*> gDelayed;   // delegated caches whose answers the delay knob still holds
const char* kAppName = "nxa-sim";

u_char AsnTypeOf(int32_t syntax) {
    switch (syntax) {
    case SnmpSyntax::Boolean: case SnmpSyntax::Integer: case SnmpSyntax::Bool8: case SnmpSyntax::Int8:
    case SnmpSyntax::Bool16: case SnmpSyntax::Int16:
        return ASN_INTEGER;
    case SnmpSyntax::Counter: return ASN_COUNTER;
    case SnmpSyntax::Gauge: case SnmpSyntax::UInteger: case SnmpSyntax::UInt8: case SnmpSyntax::UInt16:
        return ASN_GAUGE;
    case SnmpSyntax::TimeTicks: return ASN_TIMETICKS;
    case SnmpSyntax::Counter64: return ASN_COUNTER64;
    case SnmpSyntax::IpAddress: return ASN_IPADDRESS;
    case SnmpSyntax::ObjectId: return ASN_OBJECT_ID;
    case SnmpSyntax::Null: return ASN_NULL;
    case SnmpSyntax::Opaque: return ASN_OPAQUE;
    default: return ASN_OCTET_STR;
    }
}

OidPath PathOf(const oid* name, size_t length) {
    OidPath path(length);
    for (size_t i = 0; i < length; ++i)
        path[i] = static_cast<uint32_t>(name[i]);
    return path;
}

void SetVarbind(netsnmp_variable_list* vb, const SimValue& value) {
    u_char type = AsnTypeOf(value.Syntax);
    switch (type) {
    case ASN_INTEGER: {
        long v = static_cast<long>(value.Number);
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        break;
    }
    case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS: {
        u_long v = static_cast<u_long>(value.Number) & 0xFFFFFFFFul;
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        break;
    }
    case ASN_COUNTER64: {
        counter64 v{};
        v.high = static_cast<u_long>(static_cast<uint64_t>(value.Number) >> 32);
        v.low = static_cast<u_long>(static_cast<uint64_t>(value.Number) & 0xFFFFFFFFu);
        snmp_set_var_typed_value(vb, type, &v, sizeof v);
        break;
    }
    case ASN_OBJECT_ID: {
        std::vector<oid> ids(value.Oid.begin(), value.Oid.end());
        snmp_set_var_typed_value(vb, type, ids.data(), ids.size() * sizeof(oid));
        break;
    }
    case ASN_NULL:
        snmp_set_var_typed_value(vb, type, nullptr, 0);
        break;
    default:
        snmp_set_var_typed_value(vb, type, value.Bytes.data(), value.Bytes.size());
        break;
    }
}

// Reads a set request's value as the cell's syntax; an SnmpErrors code.
int ValueOfVarbind(const netsnmp_variable_list* vb, int32_t syntax, SimValue& out) {
    out = SimValue{};
    out.Syntax = syntax;
    if (vb->type != AsnTypeOf(syntax))
        return SnmpErrors::WrongType;
    switch (vb->type) {
    case ASN_INTEGER: case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS:
        out.Number = vb->type == ASN_INTEGER ? static_cast<int64_t>(*vb->val.integer)
                                             : static_cast<int64_t>(static_cast<u_long>(*vb->val.integer) & 0xFFFFFFFFul);
        return SnmpErrors::NoError;
    case ASN_COUNTER64:
        out.Number = static_cast<int64_t>((static_cast<uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low);
        return SnmpErrors::NoError;
    case ASN_OBJECT_ID:
        out.Oid = PathOf(vb->val.objid, vb->val_len / sizeof(oid));
        return SnmpErrors::NoError;
    case ASN_NULL:
        return SnmpErrors::NoError;
    default:
        out.Bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        if (syntax == SnmpSyntax::MacAddress && out.Bytes.size() != 6)
            return SnmpErrors::WrongLength;
        if (syntax == SnmpSyntax::IpAddress && out.Bytes.size() != 4)
            return SnmpErrors::WrongLength;
        if (out.Bytes.size() > 255)
            return SnmpErrors::WrongLength;
        return SnmpErrors::NoError;
    }
}

std::string CommunityOf(const netsnmp_pdu* pdu) {
    return pdu->community ? std::string(reinterpret_cast<const char*>(pdu->community), pdu->community_len) : std::string();
}

std::string SecurityNameOf(const netsnmp_pdu* pdu) {
    return pdu->securityName ? std::string(pdu->securityName, pdu->securityNameLen) : std::string();
}

int LevelOf(const Agent::V3User& user) {
    if (user.AuthProtocol.empty())
        return SNMP_SEC_LEVEL_NOAUTH;
    return user.PrivProtocol.empty() ? SNMP_SEC_LEVEL_AUTHNOPRIV : SNMP_SEC_LEVEL_AUTHPRIV;
}

bool MayWrite(const Device& device, const netsnmp_pdu* pdu) {
    if (pdu->version == SNMP_VERSION_3) {
        const Agent::V3User* user = gAgent->UserNamed(SecurityNameOf(pdu));
        return user && !user->ReadOnly;
    }
    return CommunityOf(pdu) == device.Identity().WriteCommunity;
}

// A device that was not answering when the packet in hand arrived (silent,
// restarting); what it would send now is not sent.
const Device* gQuiet = nullptr;
// A device whose answer to the set in hand waits for its file transfers: the
// answer net-snmp sends now is not sent; the device's own follows later.
const Device* gHeldAnswer = nullptr;

// Before a packet is parsed: remember which device it came to.
int PreParse(netsnmp_session* session, netsnmp_transport*, void*, int) {
    auto* device = static_cast<Device*>(session->myvoid);
    gAgent->SetCurrent(device);
    gQuiet = device && !device->Answering() ? device : nullptr;
    return 1;
}

// True when the PDU touches a variable that a "silent" fault keeps unanswered:
// a get or set names it; a get-next or get-bulk would return it.
bool TouchesSilentVariable(Device& device, const netsnmp_pdu& pdu) {
    const FaultKnobs& faults = device.Faults();
    if (faults.Variables.empty())
        return false;
    DeviceState& state = device.State();
    const bool set = pdu.command == SNMP_MSG_SET;
    const bool bulk = pdu.command == SNMP_MSG_GETBULK;
    const bool next = bulk || pdu.command == SNMP_MSG_GETNEXT;
    long position = 0;
    for (const netsnmp_variable_list* vb = pdu.variables; vb; vb = vb->next_variable, ++position) {
        OidPath oid = PathOf(vb->name, vb->name_length);
        const OidPath* alias = state.Model().AliasOf(oid);
        if (faults.SilentAt(oid, set) || (alias && faults.SilentAt(*alias, set)))
            return true;
        if (!next)
            continue;
        // Non-repeaters take one step, the others up to max-repetitions.
        long steps = bulk && position >= pdu.non_repeaters ? std::min(pdu.max_repetitions, 100L) : 1;
        for (const auto* after = state.Next(oid); after && steps-- > 0; after = state.Next(after->first))
            if (faults.SilentAt(after->first, false))
                return true;
    }
    return false;
}

// After a packet is parsed: the trace sees every request PDU; then a silent
// device, the drop knob or a silent variable drops it (0: net-snmp discards
// the PDU unanswered).
int PostParse(netsnmp_session* session, netsnmp_pdu* pdu, int result) {
    auto* device = static_cast<Device*>(session->myvoid);
    if (!device || !pdu || result != SNMPERR_SUCCESS)
        return 1;
    if (const TraceLog* trace = gAgent->Settings().Trace)
        trace->Record(gAgent->TraceName(device), *pdu, &device->State());
    if (!device->Answering() || device->Faults().DropNow() || TouchesSilentVariable(*device, *pdu))
        return 0;
    if (FaultInjection::RestartsOn(*device, *pdu))
        return 0;   // --restart-at: the device restarts on this request
    if (pdu->command == SNMP_MSG_SET && gAgent->Holding(device, pdu->reqid))
        return 0;   // a retransmission of a set whose answer waits for its transfers
    return 1;
}

// What a device sends goes through here: a device that was not answering
// when the packet arrived sends nothing at all, not even the SNMPv3 reports
// that net-snmp makes while it parses. (The answer to a restart itself still
// goes out: the device was answering when that request came.)
std::map<netsnmp_transport*, std::pair<Device*, int (*)(netsnmp_transport*, const void*, int, void**, int*)>> gSenders;

int SendIfAnswering(netsnmp_transport* transport, const void* data, int length, void** opaque, int* olength) {
    auto it = gSenders.find(transport);
    if (it == gSenders.end())
        return -1;
    auto [device, send] = it->second;
    if (device && device == gQuiet)
        return length;
    if (device && device == gHeldAnswer) {
        gHeldAnswer = nullptr;
        return length;
    }
    if (FaultInjection::Delays(device, transport, data, length, opaque, olength, send))
        return length;   // --answer-delay: sent later
    return send(transport, data, length, opaque, olength);
}

// Per-PDU access check: v1/v2c need the device's read or write community
// (others are dropped), v3 a known user at its security level.
int AccessCheck(int, int, void* serverArg, void*) {
    auto* params = static_cast<view_parameters*>(serverArg);
    Device* device = gAgent->Current();
    const netsnmp_pdu* pdu = params->pdu;
    if (!device || !pdu)
        return SNMPERR_SUCCESS;
    if (pdu->version == SNMP_VERSION_1 || pdu->version == SNMP_VERSION_2c) {
        std::string community = CommunityOf(pdu);
        if (community != device->Identity().ReadCommunity && community != device->Identity().WriteCommunity)
            params->errorcode = VACM_NOSECNAME;
    } else if (pdu->version == SNMP_VERSION_3) {
        const Agent::V3User* user = gAgent->UserNamed(SecurityNameOf(pdu));
        if (!user)
            params->errorcode = VACM_NOSECNAME;
        else if (pdu->securityLevel < LevelOf(*user))
            params->errorcode = VACM_NOACCESS;
    }
    return SNMPERR_SUCCESS;
}

struct Undo {
    OidPath Oid;
    SimValue Old;
    SimValue New;   // this varbind's value: one set may name an OID more than once
};

void FreeUndo(void* data) {
    delete static_cast<Undo*>(data);
}

// Answers that the delay knob holds back are released here.
void ReleaseDelayed(unsigned int, void* data) {
    gDelayed.erase(data);
    netsnmp_delegated_cache* cache = netsnmp_handler_check_cache(static_cast<netsnmp_delegated_cache*>(data));
    if (!cache)
        return;
    for (netsnmp_request_info* r = cache->requests; r; r = r->next)
        r->delegated = 0;
    netsnmp_free_delegated_cache(cache);
}

bool NoSuchInstance(DeviceState& state, const OidPath& oid) {
    // The object exists (some cell one arc longer than its parent) but not this instance.
    if (oid.size() < 2)
        return false;
    OidPath parent(oid.begin(), oid.end() - 1);
    const auto* next = state.Next(parent);
    return next && Oids::StartsWith(next->first, parent);
}

// A fault that answers a request for this OID (as asked, or the leaf it means).
const VariableFault* AnswerFault(const Device& device, const OidPath& requested, const OidPath& resolved, bool set) {
    const FaultKnobs& faults = device.Faults();
    if (const VariableFault* fault = faults.AnswerFaultAt(requested, set))
        return fault;
    return faults.AnswerFaultAt(resolved, set);
}

// An injected error status as the request's version can carry it.
int FaultStatus(netsnmp_agent_request_info* reqinfo, int status) {
    return reqinfo->asp->pdu->version == SNMP_VERSION_1 ? VariableFault::V1Status(status) : status;
}

void AnswerGetFault(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* r, const VariableFault& fault) {
    switch (fault.What) {
    case VariableFault::Kind::NoSuchObject: netsnmp_set_request_error(reqinfo, r, SNMP_NOSUCHOBJECT); break;
    case VariableFault::Kind::NoSuchInstance: netsnmp_set_request_error(reqinfo, r, SNMP_NOSUCHINSTANCE); break;
    default: netsnmp_set_request_error(reqinfo, r, FaultStatus(reqinfo, fault.Status)); break;
    }
}

// The cell a get or set of oid reaches: through an alias (another spelling
// of a leaf) and through a twin (a table cell that is another variable).
DeviceState::Cell* Resolve(DeviceState& state, OidPath& oid) {
    DeviceState::Cell* cell = state.Find(oid);
    if (!cell)
        if (const OidPath* alias = state.Model().AliasOf(oid)) {
            oid = *alias;
            cell = state.Find(oid);
        }
    if (cell)
        if (const OidPath* twin = state.Model().TwinOf(oid)) {
            oid = *twin;
            cell = state.Find(oid);
        }
    return cell;
}

int Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo,
           netsnmp_request_info* requests) {
    auto* device = static_cast<Device*>(reqinfo->asp->session->myvoid);
    if (!device)
        return SNMP_ERR_GENERR;
    DeviceState& state = device->State();
    const OidPath root = PathOf(reginfo->rootoid, reginfo->rootoid_len);
    bool answered = false;

    switch (reqinfo->mode) {
    case MODE_GET:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            const OidPath requested = PathOf(r->requestvb->name, r->requestvb->name_length);
            OidPath oid = requested;
            DeviceState::Cell* cell = Resolve(state, oid);
            if (const VariableFault* fault = AnswerFault(*device, requested, oid, false)) {
                AnswerGetFault(reqinfo, r, *fault);
            } else if (cell) {
                SetVarbind(r->requestvb, state.Read(oid, *cell));
                answered = true;
            } else {
                netsnmp_set_request_error(reqinfo, r, NoSuchInstance(state, oid) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
            }
        }
        break;
    case MODE_GETNEXT:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            OidPath oid = PathOf(r->requestvb->name, r->requestvb->name_length);
            if (oid < root)
                oid = root;
            const auto* next = state.Next(oid);
            const VariableFault* fault = nullptr;
            // A variable made to answer noSuchObject or noSuchInstance is not there for a walk.
            while (next && (fault = device->Faults().AnswerFaultAt(next->first, false)) && fault->What != VariableFault::Kind::Status)
                next = state.Next(next->first);
            if (!next || !Oids::StartsWith(next->first, root))
                continue;   // past this subtree: the agent moves on
            std::vector<::oid> ids(next->first.begin(), next->first.end());
            snmp_set_var_objid(r->requestvb, ids.data(), ids.size());
            SetVarbind(r->requestvb, state.Read(next->first, next->second));
            if (fault)
                netsnmp_set_request_error(reqinfo, r, FaultStatus(reqinfo, fault->Status));
            answered = true;
        }
        break;
    case MODE_SET_RESERVE1: {
        // The values of the whole set, for checks that look at the other
        // variables it writes (a list entry's fields beside its add action).
        SlotLists::Pending pending;
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            OidPath oid = PathOf(r->requestvb->name, r->requestvb->name_length);
            SimValue value;
            if (DeviceState::Cell* cell = Resolve(state, oid); cell && ValueOfVarbind(r->requestvb, cell->Value.Syntax, value) == SnmpErrors::NoError)
                pending[oid] = value;
        }
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            const OidPath requested = PathOf(r->requestvb->name, r->requestvb->name_length);
            OidPath oid = requested;
            DeviceState::Cell* cell = Resolve(state, oid);
            int status = SnmpErrors::NoError;
            SimValue value;
            if (const VariableFault* fault = AnswerFault(*device, requested, oid, true))
                status = FaultStatus(reqinfo, fault->SetStatus());
            else if (int vid = cell ? 0 : Actions::VlanDeletion(oid)) {
                if (r->requestvb->type != ASN_INTEGER)
                    status = SnmpErrors::WrongType;
                else if (!MayWrite(*device, reqinfo->asp->pdu))
                    status = SnmpErrors::NoAccess;
                else
                    status = Actions::CheckVlanDeletion(*device, vid, SimValue::Integer(SnmpSyntax::Integer, *r->requestvb->val.integer));
            } else if (!cell && RangeDeletion::RowOf(oid)) {
                if (r->requestvb->type != ASN_INTEGER)
                    status = SnmpErrors::WrongType;
                else if (!MayWrite(*device, reqinfo->asp->pdu))
                    status = SnmpErrors::NoAccess;
                else
                    status = RangeDeletion::Check(SimValue::Integer(SnmpSyntax::Integer, *r->requestvb->val.integer));
            } else if (int command = cell ? 0 : RogueTypes::CommandOf(oid)) {
                if (!MayWrite(*device, reqinfo->asp->pdu))
                    status = SnmpErrors::NoAccess;
                else if (r->requestvb->type != ASN_INTEGER)
                    status = SnmpErrors::WrongType;
                else
                    status = RogueTypes::Check(*device, command, SimValue::Integer(SnmpSyntax::Integer, *r->requestvb->val.integer));
            } else if (!cell)
                status = NoSuchInstance(state, oid) ? SnmpErrors::NoCreation : SnmpErrors::NotWritable;
            else if (!MayWrite(*device, reqinfo->asp->pdu))
                status = SnmpErrors::NoAccess;
            else if (!cell->Def->Writable)
                status = SnmpErrors::NotWritable;
            else if ((status = ValueOfVarbind(r->requestvb, cell->Value.Syntax, value)) == SnmpErrors::NoError) {
                const auto& keys = cell->Def->AllowedKeys;
                if (Syntaxes::IsNumber(value.Syntax) && !keys.empty() && std::find(keys.begin(), keys.end(), value.Number) == keys.end())
                    status = SnmpErrors::WrongValue;
                else
                    status = gAgent->DeviceActions().Check(*device, *cell->Def, value, pending);
            }
            if (status != SnmpErrors::NoError)
                netsnmp_set_request_error(reqinfo, r, status);
        }
        break;
    }
    case MODE_SET_ACTION:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            OidPath oid = PathOf(r->requestvb->name, r->requestvb->name_length);
            DeviceState::Cell* cell = Resolve(state, oid);
            SimValue value;
            if (!cell || ValueOfVarbind(r->requestvb, cell->Value.Syntax, value) != SnmpErrors::NoError)
                continue;
            netsnmp_request_add_list_data(r, netsnmp_create_data_list("nxa-undo", new Undo{oid, cell->Value, value}, FreeUndo));
            cell->Value = value;
        }
        break;
    case MODE_SET_UNDO: {
        // Last first, so that an OID named twice gets its value from before the set.
        std::vector<Undo*> undos;
        for (netsnmp_request_info* r = requests; r; r = r->next)
            if (auto* undo = static_cast<Undo*>(netsnmp_request_get_list_data(r, "nxa-undo")))
                undos.push_back(undo);
        for (auto it = undos.rbegin(); it != undos.rend(); ++it)
            state.Write((*it)->Oid, (*it)->Old);
        break;
    }
    case MODE_SET_COMMIT: {
        std::map<int, int> jobVarbinds;   // transfers this set queued -> the varbind that did
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            auto* undo = static_cast<Undo*>(netsnmp_request_get_list_data(r, "nxa-undo"));
            if (!undo) {
                // An action without a variable of its own: the VLAN deletion.
                if (int vid = Actions::VlanDeletion(PathOf(r->requestvb->name, r->requestvb->name_length))) {
                    std::string line = Actions::DeleteVlan(*device, vid);
                    device->Log().Add(DeviceLog::Priority::Info, line);
                } else if (int row = RangeDeletion::RowOf(PathOf(r->requestvb->name, r->requestvb->name_length))) {
                    device->Log().Add(DeviceLog::Priority::Info, RangeDeletion::Delete(*device, row));   // the range deletion
                }
                if (int command = RogueTypes::CommandOf(PathOf(r->requestvb->name, r->requestvb->name_length)))
                    device->Log().Add(DeviceLog::Priority::Info, RogueTypes::Apply(*device, command, *r->requestvb->val.integer));
                continue;
            }
            DeviceState::Cell* cell = state.Find(undo->Oid);
            if (!cell)
                continue;
            if (device->Faults().Forgets(undo->Oid)) {
                cell->Value = undo->Old;   // --forget: answered as done, not kept
                continue;
            }
            // Each varbind acts with its own value (several MAC addresses to one add variable).
            cell->Value = undo->New;
            std::vector<int> jobs;
            std::string line = gAgent->DeviceActions().Apply(*device, undo->Oid, *cell->Def, cell->Value, &jobs);
            for (int job : jobs)
                jobVarbinds[job] = r->index;
            device->Dirty = true;
            if (!line.empty())
                device->Log().Add(DeviceLog::Priority::Info, line);
            if (gAgent->Settings().Verbose && !line.empty())
                std::printf("%s:%u %s\n", device->Identity().Address.c_str(), device->Identity().Port, line.c_str());
        }
        std::fflush(stdout);
        if (!jobVarbinds.empty()) {
            // The answer tells whether the transfers worked, so it waits for
            // them. net-snmp handles one set at a time and queues every other
            // request meanwhile, so the set is not held inside net-snmp: its
            // answer now is dropped and the device sends its own when the
            // transfers are done.
            if (netsnmp_pdu* copy = snmp_clone_pdu(reqinfo->asp->pdu)) {
                gHeldAnswer = device;
                gAgent->Hold(copy, reqinfo->asp->session, device, reqinfo->asp->pdu->reqid, std::move(jobVarbinds));
            }
        }
        break;
    }
    default:
        break;
    }

    int delay = device->Faults().DelayMs;
    if (answered && delay > 0 && (reqinfo->mode == MODE_GET || reqinfo->mode == MODE_GETNEXT)) {
        netsnmp_delegated_cache* cache = netsnmp_create_delegated_cache(handler, reginfo, reqinfo, requests, nullptr);
        for (netsnmp_request_info* r = requests; r; r = r->next)
            r->delegated = 1;
        timeval after{delay / 1000, (delay % 1000) * 1000};
        gDelayed.insert(cache);
        snmp_alarm_register_hr(after, 0, ReleaseDelayed, cache);
    }
    return SNMP_ERR_NOERROR;
}

void Poll(unsigned int, void* data) {
    (*static_cast<std::function<void()>*>(data))();
}

void Tick(unsigned int, void* data) {
    auto* pair = static_cast<std::pair<void (*)(void*), void*>*>(data);
    if (pair->first)
        pair->first(pair->second);
}
}  // namespace

Agent::Agent(std::vector<std::unique_ptr<Device>>& devices, Actions actions) : devices_(devices), actions_(actions) {
    if (::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0)
        wake_[0] = wake_[1] = -1;   // the 100 ms poll alone serves
}

Agent::~Agent() {
    Shutdown();
    for (int fd : wake_)
        if (fd >= 0)
            ::close(fd);
}

void Agent::Wake() {
    const char byte = 1;
    if (wake_[1] >= 0)
        (void)!::write(wake_[1], &byte, 1);   // a full pipe already holds a wake-up
}

namespace {
void OnWake(int fd, void* data) {
    char bytes[64];
    while (::read(fd, bytes, sizeof bytes) > 0) {
    }
    (*static_cast<std::function<void()>*>(data))();
}
}  // namespace

const std::string& Agent::TraceName(const Device* device) const {
    static const std::string unknown = "?";
    auto it = traceNames_.find(device);
    return it == traceNames_.end() ? unknown : it->second;
}

void Agent::Hold(void* requestCopy, void* session, const Device* device, long requestId, std::map<int, int> jobVarbinds) {
    held_.push_back({requestCopy, session, device, requestId, std::move(jobVarbinds), {}});
}

bool Agent::Holding(const Device* device, long requestId) const {
    for (const HeldSet& held : held_)
        if (held.Target == device && held.RequestId == requestId)
            return true;
    return false;
}

void Agent::TransfersFinished(const std::vector<FileTransfer::Finished>& finished) {
    for (const FileTransfer::Finished& done : finished)
        for (HeldSet& held : held_)
            if (auto it = held.Jobs.find(done.Job); it != held.Jobs.end()) {
                if (!done.Result.Ok)
                    held.Failed.push_back(it->second);
                held.Jobs.erase(it);
            }
    for (auto it = held_.begin(); it != held_.end();) {
        if (!it->Jobs.empty()) {
            ++it;
            continue;
        }
        Release(*it);
        it = held_.erase(it);
    }
}

// Sends the held answer, made from the request: the set's values, or genErr
// at the first varbind that started a failed transfer.
void Agent::Release(HeldSet& held) {
    auto* answer = static_cast<netsnmp_pdu*>(held.Request);
    held.Request = nullptr;
    answer->command = SNMP_MSG_RESPONSE;
    answer->errstat = SNMP_ERR_NOERROR;
    answer->errindex = 0;
    if (!held.Failed.empty()) {
        answer->errstat = SNMP_ERR_GENERR;
        answer->errindex = *std::min_element(held.Failed.begin(), held.Failed.end());
    }
    gQuiet = nullptr;   // the device answers what it was asked before it went quiet
    if (!snmp_send(static_cast<netsnmp_session*>(held.Session), answer))
        snmp_free_pdu(answer);
}

const Agent::V3User* Agent::UserNamed(const std::string& name) const {
    for (const V3User& user : options_.Users)
        if (user.Name == name)
            return &user;
    return nullptr;
}

bool Agent::Start(const Options& options, std::string& error) {
    options_ = options;
    gAgent = this;

    // Private configuration and persistent folders; no MIB files.
    std::string confDir = options.WorkDir + "/conf";
    std::string persistDir = options.WorkDir + "/persist";
    std::system(("mkdir -p '" + confDir + "' '" + persistDir + "'").c_str());
    {
        std::ofstream conf(confDir + "/" + kAppName + ".conf");
        for (const V3User& user : options.Users) {
            conf << "createUser " << user.Name;
            if (!user.AuthProtocol.empty()) {
                conf << " " << user.AuthProtocol << " \"" << user.AuthPass << "\"";
                if (!user.PrivProtocol.empty())
                    conf << " " << user.PrivProtocol << " \"" << user.PrivPass << "\"";
            }
            conf << "\n";
        }
        // net-snmp's own access control (VACM) is always active in the agent
        // library: it gets the communities and users; the per-device check
        // below comes on top.
        std::set<std::string> readCommunities, writeCommunities;
        for (const auto& device : devices_) {
            writeCommunities.insert(device->Identity().WriteCommunity);
            readCommunities.insert(device->Identity().ReadCommunity);
        }
        for (const std::string& community : writeCommunities)
            conf << "rwcommunity " << community << " 127.0.0.0/8\n";
        for (const std::string& community : readCommunities)
            if (!writeCommunities.count(community))
                conf << "rocommunity " << community << " 127.0.0.0/8\n";
        for (const V3User& user : options.Users)
            conf << (user.ReadOnly ? "rouser " : "rwuser ") << user.Name << " noauth\n";
    }
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    setenv("SNMPCONFPATH", confDir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", persistDir.c_str(), 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, confDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_MAX_GETBULKREPEATS, 100);
    netsnmp_ds_set_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_MAX_GETBULKRESPONSES, 500);
    if (options.Verbose) {
        snmp_enable_stderrlog();
        if (const char* tokens = std::getenv("NXA_SIM_DEBUG")) {
            debug_register_tokens(tokens);
            snmp_set_do_debugging(1);
        }
    } else {
        // Without any handler net-snmp would fall back to standard error.
        snmp_disable_log();
        netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_EMERG);
    }

    init_agent(kAppName);
    for (const OidPath& root : DeviceModel::Roots()) {
        std::vector<oid> ids(root.begin(), root.end());
        std::string name = "nxa-sim-" + Oids::Format(root);
        netsnmp_handler_registration* reg =
            netsnmp_create_handler_registration(name.c_str(), Handle, ids.data(), ids.size(), HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            error = "cannot register the handler for " + Oids::Format(root);
            return false;
        }
    }
    snmp_register_callback(SNMP_CALLBACK_APPLICATION, SNMPD_CALLBACK_ACM_CHECK_INITIAL, AccessCheck, nullptr);  // net-snmp frees a client argument at shutdown
    init_snmp(kAppName);
    started_ = true;

    std::map<std::string, int> perAddress;
    for (auto& device : devices_)
        ++perAddress[device->Identity().Address];
    for (auto& device : devices_) {
        const DeviceIdentity& id = device->Identity();
        traceNames_[device.get()] = perAddress[id.Address] > 1 ? id.Address + ":" + std::to_string(id.Port) : id.Address;
    }
    for (auto& device : devices_) {
        std::string endpoint = "udp:" + device->Identity().Address + ":" + std::to_string(device->Identity().Port);
        netsnmp_transport* transport = netsnmp_transport_open_server(kAppName, endpoint.c_str());
        if (!transport) {
            error = "cannot listen on " + endpoint;
            return false;
        }
        netsnmp_session session;
        snmp_sess_init(&session);
        session.version = SNMP_DEFAULT_VERSION;
        session.peername = SNMP_DEFAULT_PEERNAME;
        session.community_len = SNMP_DEFAULT_COMMUNITY_LEN;
        session.local_port = SNMP_DEFAULT_REMPORT;
        session.callback = handle_snmp_packet;
        session.authenticator = nullptr;
        session.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
        session.myvoid = device.get();
        gSenders[transport] = {device.get(), transport->f_send};
        transport->f_send = SendIfAnswering;
        if (!snmp_add(&session, transport, PreParse, PostParse)) {
            error = "cannot open the session on " + endpoint;
            return false;
        }
    }
    return true;
}

void Agent::Run(volatile std::sig_atomic_t& stop, void (*tick)(void*), void* tickContext) {
    std::pair<void (*)(void*), void*> context{tick, tickContext};
    unsigned int alarm = snmp_alarm_register(1, SA_REPEAT, Tick, &context);
    unsigned int poll = 0;
    const bool woken = poll_ && wake_[0] >= 0 && register_readfd(wake_[0], OnWake, &poll_) == FD_REGISTERED_OK;
    if (poll_) {
        timeval every{0, 100 * 1000};
        poll = snmp_alarm_register_hr(every, SA_REPEAT, Poll, &poll_);
    }
    while (!stop)
        agent_check_and_process(1);
    snmp_alarm_unregister(alarm);
    if (poll)
        snmp_alarm_unregister(poll);
    if (woken)
        unregister_readfd(wake_[0]);
}

void Agent::Shutdown() {
    if (!started_)
        return;
    started_ = false;
    for (void* cache : gDelayed)
        netsnmp_free_delegated_cache(static_cast<netsnmp_delegated_cache*>(cache));
    gDelayed.clear();
    for (HeldSet& held : held_)
        snmp_free_pdu(static_cast<netsnmp_pdu*>(held.Request));
    held_.clear();
    snmp_shutdown(kAppName);
    shutdown_agent();
    gSenders.clear();
    gAgent = nullptr;
}
