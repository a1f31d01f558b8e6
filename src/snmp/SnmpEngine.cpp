#include "SnmpEngine.h"
#include "CompletionBatch.h"
#include "WalkReadAhead.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>

#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <optional>
#include <sys/epoll.h>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <span>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxSessions = 128;
constexpr auto kSessionIdleLimit = std::chrono::seconds(60);
// An answer read ahead serves the walk's next step only this long.
constexpr auto kReadAheadKeep = std::chrono::milliseconds(500);

// Translates the library's error codes into the classic status numbers.
int StatusForLibraryError(int libraryError) {
    switch (libraryError) {
    case SNMPERR_TIMEOUT: return -5;
    case SNMPERR_UNKNOWN_SEC_MODEL: return -1402;
    case SNMPERR_INVALID_MSG: return -1405;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return 1410;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return 1404;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return 1403;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return 1408;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return 1411;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return 1406;
    case SNMPERR_USM_ENCRYPTIONERROR: return 1405;
    case SNMPERR_USM_PARSEERROR: return 1409;
    case SNMPERR_USM_GENERICERROR: return 1401;
    case SNMPERR_BAD_SENDTO: return -22;
    default: return -1;
    }
}

std::string ToStd(const QString& s) { return s.toStdString(); }

// The number's digits, then the separator when one is given.
void AppendNumber(std::string& text, long number, char separator = '\0') {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
    if (separator != '\0')
        text += separator;
}

std::optional<std::string> Environment(const char* name) {
    const char* value = ::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void RestoreEnvironment(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

// Text of a context engine ID: hexadecimal digits when it is one, else the bytes.
QByteArray EngineIdBytes(const QString& text) {
    const QByteArray latin = text.toLatin1();
    if (!latin.isEmpty() && latin.size() % 2 == 0) {
        bool hex = true;
        for (char c : latin)
            hex = hex && std::isxdigit(static_cast<unsigned char>(c));
        if (hex)
            return QByteArray::fromHex(latin);
    }
    return text.toUtf8();
}

struct Session {
    std::string key;
    std::string userName;      // v3 only
    std::string credentials;   // v3 only
    QString community;         // v1/v2c: the read community it was opened with
    void* handle = nullptr;
    int socket = -1;
    int outstanding = 0;       // outcomes not yet delivered
    int inLibrary = 0;         // requests the library still holds
    Clock::time_point lastUse;
    // When the library next wants its time-outs run for this session; asked
    // again only after something changed its requests (a send, a read, a
    // time-out), not on every wait.
    Clock::time_point deadline = Clock::time_point::max();
    bool deadlineStale = true;
    bool busyListed = false;   // in Impl::busy
};

struct ReadAhead;

using Columns = std::shared_ptr<const SnmpEngine::WalkColumns>;

struct Job {
    std::shared_ptr<SnmpExchange> exchange;
    SnmpEngine::Completion done;
    Columns columns = {};                        // a walk step's columns
    std::shared_ptr<ReadAhead> readAhead = {};   // set: the job sends this read-ahead
    // Or: the outcome goes to `receiver`'s thread, where `posted` runs. The
    // callable made by the submitting thread travels there and back whole.
    QObject* receiver = nullptr;
    std::function<void()> posted = {};

    void Deliver() {
        if (receiver)
            CompletionBatch::Post(receiver, std::move(posted));
        else if (done)
            done(exchange);
    }
};

// The next step of a table walk, sent as soon as the step before it was
// answered, so that the walk does not wait for its user's thread between
// steps. The user's own request for that step takes its place: it waits for
// the answer under way (claim) or takes the answer at once.
struct ReadAhead {
    std::string key;     // WalkReadAhead::Key of the exchange
    std::string agent;
    std::shared_ptr<SnmpExchange> exchange;
    Columns columns;
    bool answered = false;
    Clock::time_point answeredAt;
    std::optional<Job> claim;
};

struct InFlight {
    Job job;
    Session* session;
    bool finished = false;      // the outcome has been delivered
    bool sent = false;          // the library holds the request
    int securityError = 0;      // a security notice seen before the outcome
};

void CopyOutcome(const SnmpExchange& from, SnmpExchange& to) {
    to.Status = from.Status;
    to.ErrorIndex = from.ErrorIndex;
    to.Response = from.Response;
}

}  // namespace

struct SnmpEngine::Impl {
    std::mutex mutex;
    std::condition_variable started;
    std::vector<Job> queue;
    std::vector<Job> queueSpare;   // the storage of the jobs taken last, for the next ones
    std::thread thread;
    std::thread::id threadId;
    int wake[2] = {-1, -1};
    int poller = -1;   // epoll: the wake pipe and every open session's socket
    bool stopRequested = false;
    bool initDone = false;
    bool initOk = false;
    std::atomic<bool> running{false};
    std::atomic<int> sessionCount{0};
    std::atomic<Clock::rep> lastAnswer{0};   // Clock ticks since its epoch
    // Read-aheads by key (guarded by mutex): under way, or answered and not yet taken.
    std::map<std::string, std::shared_ptr<ReadAhead>> readAheads;
    std::string persistentFolder;

    // SNMP thread only.
    std::unordered_map<std::string, std::unique_ptr<Session>> sessions;
    std::vector<std::shared_ptr<ReadAhead>> readAheadsToSend;
    std::string sessionKeyBuffer;          // SessionFor's lookup key, kept for its capacity
    // Sessions that had requests in the library since the last wait; the
    // ones whose requests have all ended leave the list at the next wait.
    std::vector<Session*> busy;
    netsnmp_large_fd_set readable;         // the sockets one read is told about
    Clock::time_point lastIdleCheck;

    void Run();
    void Wake() {
        const char c = 1;
        [[maybe_unused]] ssize_t n = ::write(wake[1], &c, 1);
    }
    void DrainWake() {
        char buf[64];
        while (::read(wake[0], buf, sizeof buf) > 0) {
        }
    }
    void Send(Job job);
    void Dispatch(Job job);
    // Registers the step that follows `answered` (any thread, mutex not
    // held); nullptr when the walk ends there or that step is already under way.
    std::shared_ptr<ReadAhead> RegisterReadAhead(const SnmpExchange& answered, const Columns& columns);
    // The read-ahead of the step after `answered`, or nullptr (no lock needed).
    static std::shared_ptr<ReadAhead> MakeReadAhead(const SnmpExchange& answered, const Columns& columns);
    void SendReadAhead(const std::shared_ptr<ReadAhead>& readAhead);
    void ReadAheadAnswered(const std::shared_ptr<ReadAhead>& readAhead);
    void SendReadAheads();
    void ExpireReadAheads(bool all);
    // Whether a read-ahead serves a submitted exchange (mutex held): not at
    // all, by its answer under way (the job waits for it: claimed), or by
    // its answer, copied into the exchange (answered; the caller delivers).
    enum class Served { No, Claimed, Answered };
    Served TakeReadAhead(Job& job, bool* wake);
    // Queues a job for the SNMP thread, or delivers its outcome at once
    // (shut down, or its answer was read ahead); any thread but the SNMP thread.
    void Enqueue(Job job);
    Session* SessionFor(const SnmpExchange& ex, int* status);
    // Makes way for a v3 user with these pass phrases (see SessionFor).
    void ReleaseConflictingUsers(const std::string& userName, const std::string& credentials);
    void CloseSession(Session* s);
    void MarkBusy(Session* s);
    // Waits for an answer, a wake-up or the first time-out due, then reads
    // what came and runs the time-outs that are due.
    void WaitAndRead();
    void CloseIdleSessions(bool all);
    static int OnResponse(int op, netsnmp_session* sp, int reqid, netsnmp_pdu* pdu, void* magic);
    // The library may still hold a request after it reported a failed send;
    // so a flight's outcome is delivered once (Finish) and its memory goes
    // only when the library is done with it (Release) or its session closes.
    std::unordered_set<InFlight*> flights;
    void Finish(InFlight* flight, int status);
    void Release(InFlight* flight);
};

namespace {

// The sub-identifiers in the library's type: on the stack for every OID
// the protocol allows, in `spill` beyond.
class LibraryOid {
public:
    explicit LibraryOid(std::span<const uint32_t> subIds) : size_(subIds.size()) {
        oid* to = fixed_;
        if (size_ > MAX_OID_LEN) {
            spill_.resize(size_);
            to = spill_.data();
        }
        std::copy(subIds.begin(), subIds.end(), to);
    }
    const oid* data() const { return size_ > MAX_OID_LEN ? spill_.data() : fixed_; }
    size_t size() const { return size_; }

private:
    size_t size_;
    oid fixed_[MAX_OID_LEN];
    std::vector<oid> spill_;
};

bool FillPdu(netsnmp_pdu* pdu, const SnmpExchange& ex) {
    for (const WireVarbind& vb : ex.Request) {
        const LibraryOid name(vb.Oid);
        const u_char type = vb.Type;
        netsnmp_variable_list* added = nullptr;
        switch (type) {
        case WireType::Integer: {
            long v = static_cast<long>(vb.Integer);
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &v, sizeof v);
            break;
        }
        case WireType::Counter:
        case WireType::Gauge:
        case WireType::TimeTicks:
        case WireType::UInteger: {
            u_long v = static_cast<u_long>(static_cast<uint32_t>(vb.Integer));
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &v, sizeof v);
            break;
        }
        case WireType::Counter64: {
            counter64 v;
            const uint64_t n = static_cast<uint64_t>(vb.Integer);
            v.high = static_cast<u_long>(n >> 32);
            v.low = static_cast<u_long>(n & 0xffffffffu);
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &v, sizeof v);
            break;
        }
        case WireType::OpaqueDouble: {
            double v = vb.Real;
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type, &v, sizeof v);
            break;
        }
        case WireType::ObjectId: {
            const LibraryOid value(vb.ObjectId);
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type,
                                          reinterpret_cast<const u_char*>(value.data()),
                                          value.size() * sizeof(oid));
            break;
        }
        case WireType::Null:
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type, nullptr, 0);
            break;
        default:
            added = snmp_pdu_add_variable(pdu, name.data(), name.size(), type,
                                          reinterpret_cast<const u_char*>(vb.Octets.constData()),
                                          static_cast<size_t>(vb.Octets.size()));
            break;
        }
        if (!added)
            return false;
    }
    return true;
}

// Fills `w`, a varbind made in place in the answer's list (not made apart and moved in).
void FromVariable(const netsnmp_variable_list* v, WireVarbind& w) {
    w.Oid.resize(static_cast<qsizetype>(v->name_length));
    std::copy(v->name, v->name + v->name_length, w.Oid.begin());
    w.Type = v->type;
    switch (v->type) {
    case ASN_INTEGER:
        w.Integer = v->val.integer ? *v->val.integer : 0;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        w.Integer = v->val.integer ? static_cast<uint32_t>(*v->val.integer) : 0;
        break;
    case ASN_COUNTER64:
        if (v->val.counter64)
            w.Integer = static_cast<int64_t>((static_cast<uint64_t>(v->val.counter64->high) << 32) |
                                             (v->val.counter64->low & 0xffffffffu));
        break;
#ifdef NETSNMP_WITH_OPAQUE_SPECIAL_TYPES
    case ASN_OPAQUE_FLOAT:
        w.Real = v->val.floatVal ? *v->val.floatVal : 0;
        w.Type = WireType::OpaqueFloat;
        break;
    case ASN_OPAQUE_DOUBLE:
        w.Real = v->val.doubleVal ? *v->val.doubleVal : 0;
        w.Type = WireType::OpaqueDouble;
        break;
#endif
    case ASN_OBJECT_ID:
        if (v->val.objid)
            w.ObjectId.assign(v->val.objid, v->val.objid + v->val_len / sizeof(oid));
        break;
    case ASN_NULL:
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        break;
    default:
        if (v->val.string)
            w.Octets = QByteArray(reinterpret_cast<const char*>(v->val.string),
                                  static_cast<qsizetype>(v->val_len));
        break;
    }
}

}  // namespace

void SnmpEngine::Impl::Finish(InFlight* flight, int status) {
    if (flight->finished)
        return;
    flight->finished = true;
    flight->job.exchange->Status = status;
    if (flight->session) {
        --flight->session->outstanding;
        flight->session->lastUse = Clock::now();
    }
    Job job = std::move(flight->job);
    // The walk's next step goes out before this one is handed on.
    if (status == 0 && !job.readAhead && job.columns)
        if (std::shared_ptr<ReadAhead> next = RegisterReadAhead(*job.exchange, job.columns))
            readAheadsToSend.push_back(std::move(next));
    job.Deliver();
}

void SnmpEngine::Impl::Release(InFlight* flight) {
    if (flight->sent && flight->session) {
        --flight->session->inLibrary;
        flight->session->deadlineStale = true;
    }
    flights.erase(flight);
    delete flight;
}

std::shared_ptr<ReadAhead> SnmpEngine::Impl::MakeReadAhead(const SnmpExchange& answered, const Columns& columns) {
    std::shared_ptr<SnmpExchange> next = WalkReadAhead::FollowUp(answered, *columns);
    if (!next)
        return nullptr;
    auto readAhead = std::make_shared<ReadAhead>();
    readAhead->key = WalkReadAhead::Key(*next, *columns);
    readAhead->agent = WalkReadAhead::Agent(*next);
    readAhead->exchange = std::move(next);
    readAhead->columns = columns;
    return readAhead;
}

std::shared_ptr<ReadAhead> SnmpEngine::Impl::RegisterReadAhead(const SnmpExchange& answered, const Columns& columns) {
    std::shared_ptr<ReadAhead> readAhead = MakeReadAhead(answered, columns);
    if (!readAhead)
        return nullptr;
    std::lock_guard lock(mutex);
    if (stopRequested || !readAheads.emplace(readAhead->key, readAhead).second)
        return nullptr;
    return readAhead;
}

void SnmpEngine::Impl::SendReadAhead(const std::shared_ptr<ReadAhead>& readAhead) {
    {
        // A write to the agent since it was registered has dropped it.
        std::lock_guard lock(mutex);
        auto it = readAheads.find(readAhead->key);
        if (it == readAheads.end() || it->second != readAhead)
            return;
    }
    Send(Job{readAhead->exchange, [this, readAhead](std::shared_ptr<SnmpExchange>) { ReadAheadAnswered(readAhead); },
             readAhead->columns, readAhead});
}

void SnmpEngine::Impl::ReadAheadAnswered(const std::shared_ptr<ReadAhead>& readAhead) {
    std::optional<Job> claim;
    {
        std::lock_guard lock(mutex);
        auto it = readAheads.find(readAhead->key);
        if (it == readAheads.end() || it->second != readAhead)
            return;   // dropped: nobody waits for it
        if (readAhead->claim) {
            claim = std::move(readAhead->claim);
            readAheads.erase(it);
        } else {
            readAhead->answered = true;
            readAhead->answeredAt = Clock::now();
        }
    }
    if (!claim)
        return;
    CopyOutcome(*readAhead->exchange, *claim->exchange);
    if (claim->exchange->Status == 0)
        if (std::shared_ptr<ReadAhead> next = RegisterReadAhead(*claim->exchange, readAhead->columns))
            readAheadsToSend.push_back(std::move(next));
    claim->Deliver();
}

void SnmpEngine::Impl::SendReadAheads() {
    std::vector<std::shared_ptr<ReadAhead>> pending;
    pending.swap(readAheadsToSend);
    for (const std::shared_ptr<ReadAhead>& readAhead : pending)
        SendReadAhead(readAhead);
}

void SnmpEngine::Impl::ExpireReadAheads(bool all) {
    std::vector<Job> claims;
    {
        std::lock_guard lock(mutex);
        const auto now = Clock::now();
        for (auto it = readAheads.begin(); it != readAheads.end();) {
            ReadAhead& r = *it->second;
            if (all && r.claim)
                claims.push_back(std::move(*r.claim));
            if (all || (r.answered && now - r.answeredAt > kReadAheadKeep))
                it = readAheads.erase(it);
            else
                ++it;
        }
    }
    for (Job& job : claims) {
        job.exchange->Status = -23;   // shut down
        job.Deliver();
    }
}

SnmpEngine::Impl::Served SnmpEngine::Impl::TakeReadAhead(Job& job, bool* wake) {
    const std::shared_ptr<SnmpExchange>& exchange = job.exchange;
    const Columns& columns = job.columns;
    if (readAheads.empty())
        return Served::No;
    if (exchange->Command == SnmpExchange::Set) {
        // Values read ahead before a write to the agent are not served after it.
        const std::string agent = WalkReadAhead::Agent(*exchange);
        for (auto it = readAheads.begin(); it != readAheads.end();) {
            if (it->second->agent == agent && !it->second->claim)
                it = readAheads.erase(it);
            else
                ++it;
        }
        return Served::No;
    }
    if (exchange->Command != SnmpExchange::GetNext || !columns)
        return Served::No;
    auto it = readAheads.find(WalkReadAhead::Key(*exchange, *columns));
    if (it == readAheads.end() || it->second->claim)
        return Served::No;
    ReadAhead& r = *it->second;
    if (!r.answered) {
        r.claim = std::move(job);
        return Served::Claimed;
    }
    const std::shared_ptr<ReadAhead> answered = it->second;
    readAheads.erase(it);
    if (answered->exchange->Status != 0 || Clock::now() - answered->answeredAt > kReadAheadKeep)
        return Served::No;   // a failed or stale answer: the step is sent afresh
    CopyOutcome(*answered->exchange, *exchange);
    if (std::shared_ptr<ReadAhead> readAhead = MakeReadAhead(*exchange, columns)) {
        if (readAheads.emplace(readAhead->key, readAhead).second) {
            *wake = queue.empty();
            queue.push_back(Job{readAhead->exchange, {}, readAhead->columns, readAhead});
        }
    }
    return Served::Answered;
}

int SnmpEngine::Impl::OnResponse(int op, netsnmp_session* sp, int, netsnmp_pdu* pdu, void* magic) {
    auto* flight = static_cast<InFlight*>(magic);
    Impl& self = *SnmpEngine::Instance().impl_;
    if (!self.flights.count(flight))
        return 1;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        self.lastAnswer.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
        break;
    case NETSNMP_CALLBACK_OP_RESEND:
    case NETSNMP_CALLBACK_OP_CONNECT:
        return 1;   // notices only: the request goes on
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        // A message that failed the security checks; a report or the time-out follows.
        flight->securityError = sp ? sp->s_snmp_errno : 0;
        return 1;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        self.Finish(flight, flight->securityError ? StatusForLibraryError(flight->securityError) : -5);
        self.Release(flight);
        return 1;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        // A refused datagram (nothing listens at the device's port) means
        // the device does not answer, as a time-out does.
        self.Finish(flight, -5);
        return 1;
    default:
        self.Finish(flight, -22);
        return 1;
    }
    if (!flight->finished && pdu) {
        SnmpExchange& ex = *flight->job.exchange;
        if (pdu->command == SNMP_MSG_REPORT) {
            self.Finish(flight, StatusForLibraryError(snmpv3_get_report_type(pdu)));
        } else {
            // Submitted exchanges come reserved (Enqueue); this serves the
            // read-aheads the thread sends itself.
            ex.Response.reserve(ex.Request.size());
            for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
                FromVariable(v, ex.Response.emplace_back());
            ex.ErrorIndex = static_cast<int>(pdu->errindex);
            self.Finish(flight, static_cast<int>(pdu->errstat));
        }
    } else {
        self.Finish(flight, -22);
    }
    self.Release(flight);
    return 1;
}

static std::string SessionEngineId(void* handle) {
    const netsnmp_session* opened = handle ? snmp_sess_session(handle) : nullptr;
    if (!opened || !opened->securityEngineID)
        return {};
    return std::string(reinterpret_cast<const char*>(opened->securityEngineID), opened->securityEngineIDLen);
}

// The library keeps one v3 user (name and keys) per engine ID, made from the
// pass phrases of the first session that reached the engine and shared by
// every later session to it. A user made from other pass phrases than this
// session's is removed from the engines it was used with, once no session of
// that user to the engine is left (idle ones are closed for it); a user that
// a busy session still uses stays. Users of other engines and of the same
// pass phrases are never touched.
void SnmpEngine::Impl::ReleaseConflictingUsers(const std::string& userName, const std::string& credentials) {
    std::set<std::string> engines;
    std::vector<Session*> idle;
    for (auto& [k, s] : sessions) {
        if (s->userName != userName || s->credentials == credentials)
            continue;
        const std::string engine = SessionEngineId(s->handle);
        if (!engine.empty())
            engines.insert(engine);
        if (s->outstanding == 0)
            idle.push_back(s.get());
    }
    for (Session* s : idle)
        CloseSession(s);
    for (const std::string& engine : engines) {
        bool inUse = false;
        for (auto& [k, s] : sessions)
            inUse = inUse || (s->userName == userName && SessionEngineId(s->handle) == engine);
        if (inUse)
            continue;
        usmUser* user = usm_get_user(reinterpret_cast<const u_char*>(engine.data()), engine.size(), userName.c_str());
        if (user) {
            usm_remove_user(user);
            usm_free_user(user);
        }
    }
}

void SnmpEngine::Impl::CloseSession(Session* s) {
    if (s->socket >= 0)
        ::epoll_ctl(poller, EPOLL_CTL_DEL, s->socket, nullptr);
    if (s->handle)
        snmp_sess_close(s->handle);   // pending callbacks are told "timed out"
    s->handle = nullptr;
    std::erase(busy, s);
    std::vector<InFlight*> left;
    for (InFlight* f : flights)
        if (f->session == s)
            left.push_back(f);
    for (InFlight* f : left) {
        Finish(f, -5);
        Release(f);
    }
    sessions.erase(s->key);
    sessionCount = static_cast<int>(sessions.size());
}

void SnmpEngine::Impl::CloseIdleSessions(bool all) {
    const auto now = Clock::now();
    std::vector<Session*> idle;
    for (auto& [key, s] : sessions)
        if (all || (s->outstanding == 0 && now - s->lastUse > kSessionIdleLimit))
            idle.push_back(s.get());
    for (Session* s : idle)
        CloseSession(s);
}

Session* SnmpEngine::Impl::SessionFor(const SnmpExchange& ex, int* status) {
    const DeviceTarget& t = ex.Target;
    const bool v3 = t.Version == DeviceTarget::Version3;
    // Looked up for every request: the key is written into a buffer the
    // thread keeps, the peer ("udp:ADDRESS:PORT") first.
    std::string& lookup = sessionKeyBuffer;
    lookup.clear();
    lookup.append(ex.ResolvedAddress.constData(), static_cast<size_t>(ex.ResolvedAddress.size()));
    lookup += ':';
    AppendNumber(lookup, t.Port);
    const size_t peerLength = lookup.size();
    std::string credentials;
    if (v3) {
        for (const long number : {long{t.SecurityLevel}, long{t.AuthProtocol}, long{t.PrivProtocol}})
            AppendNumber(credentials, number, '\x1f');
        credentials += ToStd(t.AuthPassword);
        credentials += '\x1f';
        credentials += ToStd(t.PrivPassword);
    }
    lookup += '\x1e';
    for (const long number : {long{t.Version}, long{t.Timeout}, long{t.Retries}})
        AppendNumber(lookup, number, '\x1e');
    if (v3) {
        lookup += ToStd(t.SecurityName);
        lookup += '\x1f';
        lookup += credentials;
    }
    auto it = sessions.find(lookup);
    if (it != sessions.end())
        return it->second.get();
    const std::string key = lookup;
    const std::string peer = key.substr(0, peerLength);

    if (static_cast<int>(sessions.size()) >= kMaxSessions) {
        Session* oldest = nullptr;
        for (auto& [k, s] : sessions)
            if (s->outstanding == 0 && (!oldest || s->lastUse < oldest->lastUse))
                oldest = s.get();
        if (oldest)
            CloseSession(oldest);
    }

    netsnmp_session cfg;
    snmp_sess_init(&cfg);
    std::string peerCopy = peer;
    cfg.peername = peerCopy.data();
    cfg.retries = std::max(0, t.Retries);
    cfg.timeout = static_cast<long>(std::max(1, t.Timeout)) * 10000L;   // hundredths of a second
    std::string community = ToStd(t.ReadCommunity);
    std::string userName = ToStd(t.SecurityName);
    switch (t.Version) {
    case DeviceTarget::Version2c: cfg.version = SNMP_VERSION_2c; break;
    case DeviceTarget::Version3: cfg.version = SNMP_VERSION_3; break;
    default: cfg.version = SNMP_VERSION_1; break;
    }
    if (!v3) {
        cfg.community = reinterpret_cast<u_char*>(community.data());
        cfg.community_len = community.size();
    } else {
        ReleaseConflictingUsers(userName, credentials);
        cfg.securityModel = USM_SEC_MODEL_NUMBER;
        cfg.securityName = userName.data();
        cfg.securityNameLen = userName.size();
        switch (t.SecurityLevel) {
        case DeviceTarget::AuthPriv: cfg.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV; break;
        case DeviceTarget::AuthNoPriv: cfg.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV; break;
        default: cfg.securityLevel = SNMP_SEC_LEVEL_NOAUTH; break;
        }
        const oid* authProto = nullptr;
        size_t authLen = 0;
        if (t.AuthProtocol == DeviceTarget::AuthMd5) {
            authProto = usmHMACMD5AuthProtocol;
            authLen = OID_LENGTH(usmHMACMD5AuthProtocol);
        } else if (t.AuthProtocol == DeviceTarget::AuthSha) {
            authProto = usmHMACSHA1AuthProtocol;
            authLen = OID_LENGTH(usmHMACSHA1AuthProtocol);
        }
        std::string authPass = ToStd(t.AuthPassword);
        std::string privPass = ToStd(t.PrivPassword);
        if (authProto) {
            cfg.securityAuthProto = const_cast<oid*>(authProto);
            cfg.securityAuthProtoLen = authLen;
            cfg.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(authProto, static_cast<u_int>(authLen),
                            reinterpret_cast<const u_char*>(authPass.data()), authPass.size(),
                            cfg.securityAuthKey, &cfg.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                *status = 1407;   // authentication error
                return nullptr;
            }
        } else if (cfg.securityLevel != SNMP_SEC_LEVEL_NOAUTH) {
            *status = 1412;   // unsupported authentication protocol
            return nullptr;
        }
        const oid* privProto = nullptr;
        size_t privLen = 0;
        if (t.PrivProtocol == DeviceTarget::PrivDes) {
            privProto = usmDESPrivProtocol;
            privLen = OID_LENGTH(usmDESPrivProtocol);
        } else if (t.PrivProtocol == DeviceTarget::PrivAes128) {
            privProto = usmAESPrivProtocol;
            privLen = OID_LENGTH(usmAESPrivProtocol);
        }
        if (privProto && authProto) {
            cfg.securityPrivProto = const_cast<oid*>(privProto);
            cfg.securityPrivProtoLen = privLen;
            cfg.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (generate_Ku(authProto, static_cast<u_int>(authLen),
                            reinterpret_cast<const u_char*>(privPass.data()), privPass.size(),
                            cfg.securityPrivKey, &cfg.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                *status = 1405;   // encryption error
                return nullptr;
            }
        } else if (cfg.securityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
            *status = 1413;   // unsupported privacy protocol
            return nullptr;
        }
    }
    void* handle = snmp_sess_open(&cfg);   // for v3 this discovers the engine ID
    if (!handle) {
        *status = cfg.s_snmp_errno ? StatusForLibraryError(cfg.s_snmp_errno) : -22;
        return nullptr;
    }
    auto s = std::make_unique<Session>();
    s->key = key;
    s->userName = v3 ? userName : std::string();
    s->credentials = credentials;
    s->community = v3 ? QString() : t.ReadCommunity;
    s->lastUse = Clock::now();
    s->handle = handle;
    if (const netsnmp_transport* transport = snmp_sess_transport(handle))
        s->socket = transport->sock;
    epoll_event watch{};
    watch.events = EPOLLIN;
    watch.data.ptr = s.get();
    if (s->socket < 0 || ::epoll_ctl(poller, EPOLL_CTL_ADD, s->socket, &watch) != 0) {
        // An answer on a socket the thread cannot wait for would never be read.
        snmp_sess_close(handle);
        *status = -22;
        return nullptr;
    }
    Session* raw = s.get();
    sessions.emplace(key, std::move(s));
    sessionCount = static_cast<int>(sessions.size());
    return raw;
}

void SnmpEngine::Impl::Send(Job job) {
    SnmpExchange& ex = *job.exchange;
    int status = 0;
    Session* session = SessionFor(ex, &status);
    auto* flight = new InFlight{std::move(job), nullptr};
    flights.insert(flight);
    if (!session) {
        Finish(flight, status);
        Release(flight);
        return;
    }
    int command = SNMP_MSG_GET;
    if (ex.Command == SnmpExchange::GetNext)
        command = SNMP_MSG_GETNEXT;
    else if (ex.Command == SnmpExchange::Set)
        command = SNMP_MSG_SET;
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    const DeviceTarget& t = ex.Target;
    if (t.Version != DeviceTarget::Version3) {
        // A message without a community of its own goes with the session's,
        // the read community it was opened with; another one (a write, or a
        // request with other credentials) names its own.
        const QString& text = command == SNMP_MSG_SET ? t.WriteCommunity : t.ReadCommunity;
        if (text != session->community) {
            const QByteArray community = text.toUtf8();
            pdu->community = static_cast<u_char*>(malloc(static_cast<size_t>(community.size()) + 1));
            memcpy(pdu->community, community.constData(), static_cast<size_t>(community.size()) + 1);
            pdu->community_len = static_cast<size_t>(community.size());
        }
    } else {
        const QByteArray contextName = t.ContextName.toUtf8();
        if (!contextName.isEmpty()) {
            pdu->contextName = static_cast<char*>(malloc(static_cast<size_t>(contextName.size()) + 1));
            memcpy(pdu->contextName, contextName.constData(), static_cast<size_t>(contextName.size()) + 1);
            pdu->contextNameLen = static_cast<size_t>(contextName.size());
        }
        const QByteArray engineId = EngineIdBytes(t.ContextEngineId);
        if (!engineId.isEmpty()) {
            pdu->contextEngineID = static_cast<u_char*>(malloc(static_cast<size_t>(engineId.size())));
            memcpy(pdu->contextEngineID, engineId.constData(), static_cast<size_t>(engineId.size()));
            pdu->contextEngineIDLen = static_cast<size_t>(engineId.size());
        }
    }
    if (!FillPdu(pdu, ex)) {
        snmp_free_pdu(pdu);
        Finish(flight, -11);   // invalid PDU
        Release(flight);
        return;
    }
    flight->session = session;
    ++session->outstanding;
    session->lastUse = Clock::now();
    flight->sent = true;
    ++session->inLibrary;
    MarkBusy(session);
    if (snmp_sess_async_send(session->handle, pdu, &Impl::OnResponse, flight) == 0) {
        flight->sent = false;
        --session->inLibrary;
        int libraryError = 0, systemError = 0;
        char* text = nullptr;
        snmp_sess_error(session->handle, &libraryError, &systemError, &text);
        free(text);
        snmp_free_pdu(pdu);
        Finish(flight, StatusForLibraryError(libraryError));
        Release(flight);
    }
}

void SnmpEngine::Impl::MarkBusy(Session* s) {
    s->deadlineStale = true;
    if (!s->busyListed) {
        s->busyListed = true;
        busy.push_back(s);
    }
}

void SnmpEngine::Impl::WaitAndRead() {
    // Only sessions with requests under way can have a time-out due; each
    // one's deadline is asked of the library again only when it may have moved.
    auto now = Clock::now();
    Clock::time_point next = now + std::chrono::seconds(1);
    std::erase_if(busy, [](Session* s) {
        s->busyListed = s->inLibrary > 0;
        return !s->busyListed;
    });
    for (Session* s : busy) {
        if (s->deadlineStale) {
            int numFds = 0;
            int block = 0;
            timeval tv{3600, 0};
            snmp_sess_select_info2(s->handle, &numFds, &readable, &tv, &block);
            s->deadline = block ? Clock::time_point::max()
                                : now + std::chrono::seconds(tv.tv_sec) + std::chrono::microseconds(tv.tv_usec);
            s->deadlineStale = false;
        }
        next = std::min(next, s->deadline);
    }
    // Rounded up: waking before a deadline would only wait again.
    const auto waitMs = std::chrono::ceil<std::chrono::milliseconds>(std::max(next - now, Clock::duration::zero()));
    constexpr int kMaxEvents = 256;
    epoll_event events[kMaxEvents];
    const int ready = ::epoll_wait(poller, events, kMaxEvents, static_cast<int>(waitMs.count()));
    // A callback may send (read-aheads wait in readAheadsToSend), but no
    // session closes while these are read.
    CompletionBatch::Hold hold;   // every answer of this wait in one hand-off
    if (ready > 0) {
        NETSNMP_LARGE_FD_ZERO(&readable);
        for (int i = 0; i < ready; ++i)
            if (const auto* s = static_cast<const Session*>(events[i].data.ptr))
                NETSNMP_LARGE_FD_SET(s->socket, &readable);
        for (int i = 0; i < ready; ++i) {
            auto* s = static_cast<Session*>(events[i].data.ptr);
            if (!s) {
                DrainWake();
                continue;
            }
            // Also a session with nothing under way: a late answer is read
            // and dropped rather than left to wake every wait.
            snmp_sess_read2(s->handle, &readable);
            s->deadlineStale = true;
        }
    }
    now = Clock::now();
    for (Session* s : busy) {
        if (s->deadline <= now && s->inLibrary > 0) {
            snmp_sess_timeout(s->handle);
            s->deadlineStale = true;
        }
    }
}

void SnmpEngine::Impl::Dispatch(Job job) {
    if (job.readAhead)
        SendReadAhead(job.readAhead);
    else
        Send(std::move(job));
}

void SnmpEngine::Impl::Run() {
    // The library must not read the user's files or the system MIBs, nor write state.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
    if (!persistentFolder.empty())
        netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
                              persistentFolder.c_str());
    netsnmp_set_mib_directory("");
    snmp_disable_log();
    // The library reads MIBS and MIBDIRS while it starts; the module uses
    // numeric OIDs only, so no MIB file is loaded. The host's values come back after.
    const std::optional<std::string> mibs = Environment("MIBS");
    const std::optional<std::string> mibDirs = Environment("MIBDIRS");
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", "/dev/null", 1);
    init_snmp("nxa-module");
    netsnmp_large_fd_set_init(&readable, FD_SETSIZE);
    sessions.reserve(kMaxSessions + 1);
    RestoreEnvironment("MIBS", mibs);
    RestoreEnvironment("MIBDIRS", mibDirs);
    {
        std::lock_guard lock(mutex);
        initDone = true;
        initOk = true;
    }
    started.notify_all();

    for (;;) {
        std::vector<Job> jobs;
        bool stopping;
        {
            std::lock_guard lock(mutex);
            jobs.swap(queue);
            queue.swap(queueSpare);
            stopping = stopRequested;
        }
        {
            // Outcomes found while sending (a session that cannot open, say)
            // go to their receivers together.
            CompletionBatch::Hold hold;
            for (Job& job : jobs)
                Dispatch(std::move(job));
            if (!stopping) {
                SendReadAheads();
                ExpireReadAheads(false);
            }
        }
        jobs.clear();
        {
            std::lock_guard lock(mutex);
            if (jobs.capacity() > queueSpare.capacity())
                queueSpare.swap(jobs);
        }
        if (stopping)
            break;

        WaitAndRead();
        const auto now = Clock::now();
        if (now - lastIdleCheck >= std::chrono::seconds(1)) {
            lastIdleCheck = now;
            CloseIdleSessions(false);
        }
    }
    CloseIdleSessions(true);
    readAheadsToSend.clear();
    ExpireReadAheads(true);
    busy.clear();
    netsnmp_large_fd_set_cleanup(&readable);
    snmp_shutdown("nxa-module");
}

SnmpEngine::SnmpEngine() : impl_(std::make_unique<Impl>()) {}

SnmpEngine::~SnmpEngine() { Stop(); }

SnmpEngine& SnmpEngine::Instance() {
    static SnmpEngine engine;
    return engine;
}

bool SnmpEngine::Start(const QString& persistentFolder) {
    Impl& d = *impl_;
    if (d.running)
        return true;
    // The SNMP library keeps process-wide state that it cannot set up twice
    // cleanly; it stays loaded even when a host unloads the module.
    Dl_info library{};
    if (dladdr(reinterpret_cast<void*>(&init_snmp), &library) != 0 && library.dli_fname)
        dlopen(library.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    if (::pipe2(d.wake, O_NONBLOCK | O_CLOEXEC) != 0)
        return false;
    d.poller = ::epoll_create1(EPOLL_CLOEXEC);
    epoll_event wakeWatch{};
    wakeWatch.events = EPOLLIN;
    wakeWatch.data.ptr = nullptr;   // the wake pipe; sessions carry their own pointer
    if (d.poller < 0 || ::epoll_ctl(d.poller, EPOLL_CTL_ADD, d.wake[0], &wakeWatch) != 0) {
        if (d.poller >= 0)
            ::close(d.poller);
        ::close(d.wake[0]);
        ::close(d.wake[1]);
        d.poller = d.wake[0] = d.wake[1] = -1;
        return false;
    }
    d.persistentFolder = persistentFolder.toStdString();
    d.stopRequested = false;
    d.initDone = false;
    d.thread = std::thread([&d] { d.Run(); });
    d.threadId = d.thread.get_id();
    std::unique_lock lock(d.mutex);
    d.started.wait(lock, [&d] { return d.initDone; });
    d.running = d.initOk;
    return d.initOk;
}

void SnmpEngine::Stop() {
    Impl& d = *impl_;
    if (!d.thread.joinable())
        return;
    {
        std::lock_guard lock(d.mutex);
        d.stopRequested = true;
    }
    d.Wake();
    d.thread.join();
    d.running = false;
    ::close(d.wake[0]);
    ::close(d.wake[1]);
    ::close(d.poller);
    d.poller = d.wake[0] = d.wake[1] = -1;
}

bool SnmpEngine::IsRunning() const { return impl_->running; }

int SnmpEngine::OpenSessionCount() const { return impl_->sessionCount; }

std::chrono::steady_clock::time_point SnmpEngine::LastAnswerTime() const {
    return Clock::time_point(Clock::duration(impl_->lastAnswer.load(std::memory_order_relaxed)));
}

void SnmpEngine::Impl::Enqueue(Job job) {
    // The answer's list is made here, on the submitting thread, which also frees it.
    job.exchange->Response.reserve(job.exchange->Request.size());
    bool wake = false;
    bool deliverHere = false;   // shut down, or the answer was read ahead already
    {
        std::lock_guard lock(mutex);
        if (!running || stopRequested) {
            job.exchange->Status = -23;   // shut down
            deliverHere = true;
        } else {
            switch (TakeReadAhead(job, &wake)) {
            case Served::Answered: deliverHere = true; break;
            case Served::Claimed: break;   // the SNMP thread delivers it
            case Served::No:
                // One wake-up stands for every job queued before the thread looks.
                wake = queue.empty();
                queue.push_back(std::move(job));
                break;
            }
        }
    }
    if (wake)
        Wake();
    if (deliverHere)
        job.Deliver();
}

namespace {

Columns WalkColumnsOf(const SnmpExchange& exchange, SnmpEngine::WalkColumns walkColumns) {
    if (!walkColumns.empty() && walkColumns.size() == exchange.Request.size() &&
        exchange.Command == SnmpExchange::GetNext)
        return std::make_shared<const SnmpEngine::WalkColumns>(std::move(walkColumns));
    return {};
}

}  // namespace

void SnmpEngine::Submit(std::shared_ptr<SnmpExchange> exchange, Completion done, WalkColumns walkColumns) {
    Columns columns = WalkColumnsOf(*exchange, std::move(walkColumns));
    impl_->Enqueue(Job{std::move(exchange), std::move(done), std::move(columns)});
}

void SnmpEngine::Submit(std::shared_ptr<SnmpExchange> exchange, QObject* receiver, std::function<void()> deliver,
                        WalkColumns walkColumns) {
    Columns columns = WalkColumnsOf(*exchange, std::move(walkColumns));
    impl_->Enqueue(Job{std::move(exchange), {}, std::move(columns), {}, receiver, std::move(deliver)});
}

void SnmpEngine::Execute(SnmpExchange& exchange, WalkColumns columns) {
    struct Waiter {
        std::mutex mutex;
        std::condition_variable cv;
        bool done = false;
    };
    auto waiter = std::make_shared<Waiter>();
    auto shared = std::make_shared<SnmpExchange>(std::move(exchange));
    Submit(
        shared,
        [waiter](std::shared_ptr<SnmpExchange>) {
            std::lock_guard lock(waiter->mutex);
            waiter->done = true;
            waiter->cv.notify_all();
        },
        std::move(columns));
    // The library ends every exchange after timeout x (retries + 1); the
    // extra margin only guards against a stalled engine.
    const DeviceTarget& t = shared->Target;
    const auto limit = std::chrono::milliseconds(static_cast<int64_t>(std::max(1, t.Timeout)) * 10 *
                                                 (std::max(0, t.Retries) + 1) * 2 + 5000);
    std::unique_lock lock(waiter->mutex);
    if (!waiter->cv.wait_for(lock, limit, [&] { return waiter->done; })) {
        lock.unlock();
        SnmpExchange copy;
        copy.Target = shared->Target;
        copy.Command = shared->Command;
        copy.Status = -5;
        exchange = std::move(copy);
        return;
    }
    exchange = std::move(*shared);
}
