#include "SnmpRequest.h"
#include "AddressResolver.h"
#include "CZRException.h"
#include "DeviceSecurity.h"
#include "ErrorCatalog.h"
#include "RowCondition.h"
#include "SnmpEngine.h"
#include "SnmpSession.h"
#include "SnmpSyntax.h"
#include "SnmpValueText.h"
#include "ValueMap.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <QThread>

using SnmpValueText::SubIds;

// Shared between a request and its outstanding completions, which may
// outlive it; both are touched on the user-interface thread only.
struct SnmpRequest::Life {
    SnmpRequest* Request = nullptr;
    int Pending = 0;
};

namespace {

constexpr int kBadSelection = -12;
constexpr int kShortResponse = -11;   // the answer lacks varbinds: an invalid PDU

// The columns a walk step reads, one per varbind sent (empty for no walk
// step); the engine reads the walk ahead with them.
SnmpEngine::WalkColumns ColumnsOf(const MibVariableList& list, const SnmpExchange& exchange,
                                  const std::vector<int>& sent) {
    SnmpEngine::WalkColumns columns;
    if (!list.IsTable() || exchange.Command != SnmpExchange::GetNext)
        return columns;
    columns.reserve(sent.size());
    for (int i : sent)
        columns.push_back(SnmpValueText::ParseOid(list.FullOid(i)));
    return columns;
}

bool IsEndMarker(uint8_t type) {
    return type == WireType::EndOfMibView || type == WireType::NoSuchObject || type == WireType::NoSuchInstance;
}

}  // namespace

SnmpRequest::SnmpRequest() : DeviceTarget(SnmpSession::DefaultTarget()), life_(std::make_shared<Life>()) {
    life_->Request = this;
}

SnmpRequest::~SnmpRequest() {
    life_->Request = nullptr;
    QObject* receiver = SnmpSession::CompletionReceiver();
    if (life_->Pending > 0 && receiver && receiver->thread() == QThread::currentThread()) {
        EventWait::Until([this] { return life_->Pending <= 0; }, 6000);
    }
}

int SnmpRequest::Pending() const { return life_->Pending; }

bool SnmpRequest::MatchCondition(const QString& condition) { return MatchCondition(condition, Variables); }

bool SnmpRequest::MatchCondition(const QString& condition, const MibVariableList& list) {
    return RowCondition::Evaluate(condition, list);
}

QString SnmpRequest::DecodeKey(MibVariableEntry& entry, bool implied, const QString& instance) {
    if (instance.isEmpty())
        throw CZRException(ErrorCatalog::ErrBadKeyCount);
    const SubIds sub = SnmpValueText::ParseOid(instance);
    size_t pos = 0;
    QString value = SnmpValueText::DecodeKey(entry.Syntax, implied, sub, pos);
    if (entry.Map)
        value = entry.Map->TextForValue(value);
    entry.Value = value;
    return SnmpValueText::OidText(SubIds(sub.begin() + static_cast<std::ptrdiff_t>(pos), sub.end()));
}

QString SnmpRequest::EncodeKey(const MibVariableEntry& entry, bool implied) {
    const QString value = entry.Map ? entry.Map->ValueForText(entry.Value) : entry.Value;
    return SnmpValueText::EncodeKey(entry.Syntax, implied, value, entry.Name);
}

void SnmpRequest::StoreValue(MibVariableEntry& entry, const WireVarbind& received) {
    entry.Value = SnmpValueText::StoreValue(received, entry.Syntax);
}

WireVarbind SnmpRequest::EncodeValue(const MibVariableEntry& entry) {
    return SnmpValueText::EncodeValue(entry.Syntax, entry.Value, entry.Name);
}

void SnmpRequest::ExchangeValue(MibVariableList&, int, bool) {}

bool SnmpRequest::IsBeyondColumn(const QString& columnOid, const QString& returnedOid) {
    return !SnmpValueText::IsInside(SnmpValueText::ParseOid(columnOid), SnmpValueText::ParseOid(returnedOid));
}

SnmpRequest::Prepared SnmpRequest::NewExchange(const MibVariableList& list, int command) {
    if (list.Kind < MibVariableList::SVT_SV || list.Kind > MibVariableList::MVT_UMV)
        throw CZRException(ErrorCatalog::ErrBadItemType);
    Prepared p;
    p.Exchange = std::make_shared<SnmpExchange>();
    p.Exchange->Target = Target();
    p.Exchange->ResolvedAddress = AddressResolver::Resolve(Address);
    DeviceSecurity::ApplyTo(p.Exchange->ResolvedAddress, p.Exchange->Target);
    p.Exchange->Command = command;
    return p;
}

SnmpRequest::Prepared SnmpRequest::BuildRead(MibVariableList& list, bool firstStep) {
    int command = SnmpExchange::GetNext;
    if (list.Kind == MibVariableList::SVT_SV || (list.Kind == MibVariableList::MVT_SV && !UseGetNext))
        command = SnmpExchange::Get;
    Prepared p = NewExchange(list, command);
    p.Exchange->Request.reserve(static_cast<size_t>(list.Count()));
    p.Sent.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsRequested(i))
            continue;
        MibVariableEntry& e = list.Entry(i);
        if (firstStep)
            e.AltValue.clear();
        QString oid = list.FullOid(i);
        if (list.Kind == MibVariableList::SVT_SV)
            oid += QStringLiteral(".0");
        else if (list.IsTable() && !firstStep && !e.AltValue.isEmpty())
            oid = e.AltValue;
        WireVarbind vb;
        SnmpValueText::ParseOid(oid, vb.Oid);
        p.Exchange->Request.push_back(std::move(vb));
        p.Sent.push_back(i);
    }
    return p;
}

SnmpRequest::Prepared SnmpRequest::BuildWrite(MibVariableList& list) {
    Prepared p = NewExchange(list, SnmpExchange::Set);
    QString instance;
    if (list.IsTable()) {
        if (list.KeyCount < 0 || list.KeyCount > list.Count())
            throw CZRException(ErrorCatalog::ErrBadKeyCount);
        QStringList keys;
        for (int i = 0; i < list.KeyCount; ++i)
            keys << EncodeKey(list.Entry(i), i == list.KeyCount - 1 && list.IsImplied(i));
        instance = keys.join(QLatin1Char('.'));
        if (instance.isEmpty())
            throw CZRException(ErrorCatalog::ErrBadKeyCount);
    }
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsWritten(i) || (list.IsTable() && i < list.KeyCount))
            continue;
        QString oid = list.FullOid(i);
        if (list.Kind == MibVariableList::SVT_SV)
            oid += QStringLiteral(".0");
        else if (list.IsTable())
            oid += QLatin1Char('.') + instance;
        WireVarbind vb = EncodeValue(list.Entry(i));
        SnmpValueText::ParseOid(oid, vb.Oid);
        p.Exchange->Request.push_back(std::move(vb));
        p.Sent.push_back(i);
    }
    return p;
}

SnmpRequest::Outcome SnmpRequest::Decode(MibVariableList& list, const SnmpExchange& ex,
                                         const std::vector<int>& sent, bool write, bool throwErrors) {
    Outcome out;
    const ErrorCatalog::MappedStatus mapped = ErrorCatalog::MapSnmpStatus(ex.Status);
    auto fail = [&](int number, const QString& message) -> Outcome {
        if (throwErrors)
            throw CZRException(number, message);
        out.Status = number;
        out.Message = message;
        out.More = false;
        return out;
    };
    if (mapped.Number != 0) {
        if (!write && mapped.Number == ErrorCatalog::ErrNoSuchName && list.IsTable()) {
            // The agent echoed the request: the walk has run past the end of its view.
            const size_t k = ex.ErrorIndex > 0 ? static_cast<size_t>(ex.ErrorIndex - 1) : 0;
            if (k < ex.Response.size() && k < ex.Request.size() && ex.Response[k].Oid == ex.Request[k].Oid) {
                for (int i : sent)
                    list.Entry(i).Value = QStringLiteral("(NOTDONE)");
                out.Message = ErrorCatalog::MapSnmpStatus(0).Text;
                return out;
            }
        }
        return fail(mapped.Number, mapped.Text);
    }
    if (ex.Response.size() < sent.size())
        return fail(kShortResponse - 400, ErrorCatalog::MapSnmpStatus(kShortResponse).Text);

    int ended = 0;
    QString instance;
    bool haveInstance = false;
    for (size_t k = 0; k < sent.size(); ++k) {
        const int i = sent[k];
        MibVariableEntry& entry = list.Entry(i);
        const WireVarbind& vb = ex.Response[k];
        QString returned;
        if (list.Kind == MibVariableList::MVT_SV && k < ex.Request.size() && vb.Oid == ex.Request[k].Oid) {
            // The usual answer to a get names the variable as asked: its
            // text is the one the request was made from, when written as
            // OidText writes it.
            returned = list.FullOid(i);
            if (!SnmpValueText::IsCanonicalOidText(returned))
                returned = SnmpValueText::OidText(vb.Oid);
        } else {
            returned = SnmpValueText::OidText(vb.Oid);
        }
        if (list.IsTable()) {
            const QString column = list.FullOid(i);
            // A walk that does not move forward would never end; treat it as the column's end.
            const bool stalled = !write && !(ex.Request[k].Oid < vb.Oid);
            if (IsEndMarker(vb.Type) || stalled || IsBeyondColumn(column, returned)) {
                entry.Value = QStringLiteral("(NOTDONE)");
                ++ended;
            } else {
                StoreValue(entry, vb);
                if (!haveInstance) {
                    instance = returned.mid(column.size() + 1);
                    haveInstance = true;
                }
            }
        } else {
            StoreValue(entry, vb);
        }
        entry.AltValue = returned;
    }
    out.Message = mapped.Text;
    if (list.IsTable()) {
        if (!write && ended == static_cast<int>(sent.size()))
            return out;   // every column has ended: the walk is over
        if (haveInstance) {
            QString rest = instance;
            for (int i = 0; i < list.KeyCount && i < list.Count(); ++i) {
                try {
                    rest = DecodeKey(list.Entry(i), i == list.KeyCount - 1 && list.IsImplied(i), rest);
                } catch (const CZRException& e) {
                    return fail(e.Number(), e.Text());
                }
            }
        }
    }
    for (int i = 0; i < list.Count(); ++i)
        ExchangeValue(list, i, true);
    out.More = list.IsTable() && !write;
    return out;
}

bool SnmpRequest::Read(bool firstStep) {
    if (!Enabled)
        return false;
    Prepared p = BuildRead(Variables, firstStep);
    if (p.Exchange->Request.empty())
        return false;   // nothing is requested: no PDU goes out
    SnmpSession::ThrowIfNotStarted();
    SnmpEngine::Instance().Execute(*p.Exchange, ColumnsOf(Variables, *p.Exchange, p.Sent));
    return Decode(Variables, *p.Exchange, p.Sent, false, true).More;
}

void SnmpRequest::ApplySelection(MibVariableList& list, const QString& selection) const {
    if (selection.trimmed().isEmpty())
        return;
    std::vector<bool> listed(static_cast<size_t>(list.Count()), false);
    for (const QString& part : selection.split(QLatin1Char(','))) {
        bool ok = false;
        const int index = part.trimmed().toInt(&ok);
        if (!ok || index < 0 || index >= list.Count())
            throw CZRException(kBadSelection);
        listed[static_cast<size_t>(index)] = true;
    }
    for (int i = 0; i < list.Count(); ++i) {
        int32_t& access = list.Entry(i).Access;
        if (listed[static_cast<size_t>(i)])
            access &= ~SnmpAccess::Invalid;
        else
            access |= SnmpAccess::Invalid;
    }
}

void SnmpRequest::Write(const QString& selection) {
    if (!Enabled)
        return;
    const MibVariableList kept = Variables;
    Prepared p;
    try {
        ApplySelection(Variables, selection);
        for (int i = 0; i < Variables.Count(); ++i)
            ExchangeValue(Variables, i, false);
        p = BuildWrite(Variables);
    } catch (...) {
        Variables = kept;
        throw;
    }
    Variables = kept;
    if (p.Exchange->Request.empty())
        return;   // nothing selected to write
    SnmpSession::ThrowIfNotStarted();
    SnmpEngine::Instance().Execute(*p.Exchange);
    Decode(Variables, *p.Exchange, p.Sent, true, true);
}

void SnmpRequest::ReadAsync(Completion done, bool firstStep, uintptr_t context) {
    if (!Enabled)
        return;
    MibVariableList list = Variables;
    Prepared p = BuildRead(list, firstStep);
    SendAsync(std::move(p), std::move(list), false, std::move(done), context);
}

void SnmpRequest::WriteAsync(Completion done, const QString& selection, uintptr_t context) {
    if (!Enabled)
        return;
    MibVariableList work = Variables;
    ApplySelection(work, selection);
    for (int i = 0; i < work.Count(); ++i)
        ExchangeValue(work, i, false);
    Prepared p = BuildWrite(work);
    SendAsync(std::move(p), Variables, true, std::move(done), context);
}

void SnmpRequest::SendAsync(Prepared prepared, MibVariableList list, bool write, Completion done,
                            uintptr_t context) {
    QObject* receiver = SnmpSession::CompletionReceiver();
    if (!receiver) {
        SnmpSession::ThrowIfNotStarted();
        throw CZRException(ErrorCatalog::ErrSessionCreate);
    }
    auto life = life_;
    ++life->Pending;
    const QString address = Address;
    const QString spare = AddressSpare;
    SnmpEngine::WalkColumns columns = ColumnsOf(list, *prepared.Exchange, prepared.Sent);
    // The delivery owns the list it fills and what was sent: one allocation.
    auto deliver = [life, state = std::move(list), sent = std::move(prepared.Sent), write, done = std::move(done),
                    context, address, spare](std::shared_ptr<SnmpExchange> ex) mutable {
        SnmpRequest* request = life->Request;
        if (!request) {
            --life->Pending;   // destroyed: never call back
            return;
        }
        RequestResult result;
        result.DeviceAddress = address;
        result.SpareAddress = spare;
        try {
            const Outcome o = request->Decode(state, *ex, sent, write, false);
            result.Status = o.Status;
            result.Message = o.Message;
            result.Done = !o.More;
        } catch (const CZRException& e) {
            result.Status = e.Number();
            result.Message = e.Text();
            result.Done = true;
        }
        if (done)
            done(&result, &state, context);
        --life->Pending;
    };
    if (prepared.Exchange->Request.empty()) {
        // Nothing to send: complete at once, still on the user-interface thread.
        prepared.Exchange->Status = 0;
        QMetaObject::invokeMethod(
            receiver, [deliver = std::move(deliver), ex = prepared.Exchange]() mutable { deliver(ex); },
            Qt::QueuedConnection);
        return;
    }
    // The delivery is made here and runs here: the SNMP thread only hands it back.
    SnmpEngine::Instance().Submit(prepared.Exchange, receiver,
                                  [deliver = std::move(deliver), ex = prepared.Exchange]() mutable { deliver(ex); },
                                  std::move(columns));
}
