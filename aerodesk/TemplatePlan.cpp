#include "TemplatePlan.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/ValueMap.h"
#include "templates/MappedRequest.h"
#include "templates/TemplateApplier.h"
#include "templates/TemplateKeyReader.h"
#include <algorithm>

namespace {

QString ErrorText(const CZRException& e) { return QStringLiteral("error %1: %2").arg(e.Number()).arg(e.Text()); }

}  // namespace

bool TemplatePlan::Make(const DeviceTarget& target, const QString& keyFile, uint32_t flags) {
    writes_.clear();
    rejections_.clear();
    refusal_.clear();
    error_.clear();
    QString group;
    TemplateApplier applier(target, [&](const QString& message) { rejections_ << group + QStringLiteral(": ") + message; });
    applier.SetDryRun(true);
    applier.SetGroupObserver([&](const QString& g) { group = g; });
    actions_.clear();
    applier.SetUseObserver([&](const QString& key) { actions_ << key; });
    applier.SetKeyObserver([&](const QString& key, const MibVariableEntry& entry) {
        auto it = std::find_if(writes_.begin(), writes_.end(), [&](const Write& w) { return w.Entry.Oid == entry.Oid; });
        if (it == writes_.end()) {
            writes_.push_back(Write{{}, entry, {}, false});
            it = writes_.end() - 1;
        }
        it->Entry = entry;   // a later selection of the same variable wins, as in the write
        if (!it->Keys.contains(key))
            it->Keys << key;
    });
    try {
        keys_ = TemplateKeyReader::Read(keyFile);
        applier.Apply(keyFile, flags);
    } catch (const CZRException& e) {
        (e.Number() == TemplateApplier::kRefused ? refusal_ : error_) =
            e.Number() == TemplateApplier::kRefused ? e.Text() : ErrorText(e);
        return false;
    }
    return true;
}

bool TemplatePlan::ReadCurrent(const DeviceTarget& target) {
    bool all = true;
    for (Write& w : writes_) {
        // One variable a request: one the device cannot read spoils no other.
        MappedRequest request;
        request.Target() = target;
        request.Variables.Kind = MibVariableList::MVT_SV;
        request.Variables.Add(w.Entry.Oid, w.Entry.Name, w.Entry.Syntax, SnmpAccess::ReadOnly, w.Entry.Map);
        try {
            request.Read(true);
            w.Current = request.Variables.Entry(0).Value;
            w.Read = true;
        } catch (const CZRException& e) {
            w.Current = ErrorText(e);
            w.Read = false;
            all = false;
        }
    }
    return all;
}

bool TemplatePlan::Same(const Write& write) {
    if (!write.Read)
        return false;
    const ValueMap* map = write.Entry.Map;
    if (map)
        return map->ValueForText(write.Entry.Value) == map->ValueForText(write.Current);
    return write.Entry.Value == write.Current;
}

std::vector<TemplatePlan::Write> TemplatePlan::NotTaken() const {
    std::vector<Write> missed;
    for (const Write& w : writes_)
        if (!Same(w))
            missed.push_back(w);
    return missed;
}

std::vector<TemplatePlan::KeyRow> TemplatePlan::Rows() const {
    std::vector<KeyRow> rows;
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it) {
        if (it.key().isEmpty())
            continue;
        KeyRow row{it.key(), it.value(), {}, {}, {}};
        QStringList device;
        QStringList unread;
        bool change = false;
        bool written = false;
        for (const Write& w : writes_) {
            if (!w.Keys.contains(it.key()))
                continue;
            written = true;
            device << (w.Read ? w.Current : QStringLiteral("?"));
            if (!w.Read)
                unread << w.Entry.Name + QStringLiteral(": ") + w.Current;
            else if (!Same(w))
                change = true;
            if (w.Entry.Value != it.value())
                row.Note += (row.Note.isEmpty() ? QString() : QStringLiteral("; ")) +
                            QStringLiteral("%1 would be set to %2").arg(w.Entry.Name, w.Entry.Value);
        }
        row.DeviceValue = device.join(QLatin1Char(','));
        if (!refusal_.isEmpty()) {
            row.Status = QStringLiteral("refused");
            row.Note = refusal_;
        } else if (!unread.isEmpty()) {
            row.Status = QStringLiteral("unknown");
            row.Note = unread.join(QStringLiteral("; "));
        } else if (!written && actions_.contains(it.key())) {
            row.Status = QStringLiteral("written");
            row.Note = QStringLiteral("by a list action; the device's list is not compared");
        } else if (written) {
            row.Status = change ? QStringLiteral("change") : QStringLiteral("no change");
        } else {
            // Left out: refused when its group rejected a setting, else not
            // used with these flags, this band or these other keys.
            const QString group = it.key().section(QLatin1Char('_'), 0, 0);
            QStringList why;
            for (const QString& r : rejections_)
                if (r.startsWith(group + QStringLiteral(": ")))
                    why << r.mid(group.size() + 2);
            row.Status = why.isEmpty() ? QStringLiteral("not applied") : QStringLiteral("refused");
            row.Note = why.join(QStringLiteral("; "));
        }
        rows.push_back(row);
    }
    return rows;
}
