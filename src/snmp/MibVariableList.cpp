#include "MibVariableList.h"
#include "SnmpSyntax.h"
#include "ValueMap.h"
#include <map>
#include <mutex>
#include <tuple>

namespace {
std::optional<QString> OptionalText(const char* text) {
    if (!text)
        return std::nullopt;
    return QString::fromUtf8(text);
}
std::optional<QString> OptionalText(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    return text;
}
}  // namespace

void MibVariableEntry::SetTexts(std::optional<QString> text1, std::optional<QString> text2,
                                std::optional<QString> text3) {
    if (!text1 && !text2 && !text3) {
        texts_.reset();
        return;
    }
    texts_ = std::make_shared<const OptionalTexts>(OptionalTexts{std::move(text1), std::move(text2), std::move(text3)});
}

const std::optional<QString>& MibVariableEntry::Text(size_t index) const {
    static const std::optional<QString> none;
    return texts_ ? (*texts_)[index] : none;
}

MibVariableList::MibVariableList(const MibVariable* table, int32_t kind, int32_t keyCount)
    : KeyCount(keyCount), Kind(kind) {
    Append(table);
}

const MibVariableList& MibVariableList::FromCatalogue(const MibVariable* table, int32_t kind, int32_t keyCount) {
    // Queries start on the user-interface thread, template applications on
    // their worker: the cache is shared. Its lists never change once built
    // and a map never moves its elements, so the reference stays good.
    static std::mutex mutex;
    static std::map<std::tuple<const MibVariable*, int32_t, int32_t>, MibVariableList> built;
    std::lock_guard lock(mutex);
    const auto key = std::make_tuple(table, kind, keyCount);
    auto it = built.find(key);
    if (it == built.end())
        it = built.emplace(key, MibVariableList(table, kind, keyCount)).first;
    return it->second;
}

void MibVariableList::Append(const MibVariable* table) {
    for (const MibVariable* v = table; v && v->Oid; ++v) {
        MibVariableEntry e;
        e.Oid = QString::fromLatin1(v->Oid);
        e.Name = QString::fromUtf8(v->Name ? v->Name : "");
        e.Syntax = v->Syntax;
        e.Access = v->Access;
        e.Map = v->Map;
        e.SetTexts(OptionalText(v->Text1), OptionalText(v->Text2), OptionalText(v->Text3));
        if (v->Value)
            e.Value = QString::fromUtf8(v->Value);
        if (v->AltValue)
            e.AltValue = QString::fromUtf8(v->AltValue);
        entries_.push_back(std::move(e));
    }
}

void MibVariableList::Add(const QString& oid, const QString& name, int32_t syntax, int32_t access,
                          const ValueMap* map, const QString& text1, const QString& text2,
                          const QString& text3) {
    MibVariableEntry e;
    e.Oid = oid;
    e.Name = name;
    e.Syntax = syntax;
    e.Access = access;
    e.Map = map;
    e.SetTexts(OptionalText(text1), OptionalText(text2), OptionalText(text3));
    entries_.push_back(std::move(e));
}

void MibVariableList::Clear() {
    entries_.clear();
    ownedMaps_.clear();
}

namespace {
template <typename Name>
int IndexOfName(const std::vector<MibVariableEntry>& entries, const Name& name) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Name == name)
            return static_cast<int>(i);
    return -1;
}
}  // namespace

int MibVariableList::IndexOf(const QString& name) const { return IndexOfName(entries_, name); }

int MibVariableList::IndexOf(QLatin1String name) const { return IndexOfName(entries_, name); }

const ValueMap* MibVariableList::AdoptMap(std::unique_ptr<ValueMap> map) {
    std::shared_ptr<const ValueMap> shared(std::move(map));
    ownedMaps_.push_back(shared);
    return shared.get();
}

QString MibVariableList::FullOid(int index) const {
    const QString& oid = Entry(index).Oid;
    if (BaseOid.isEmpty())
        return oid;
    return BaseOid + QLatin1Char('.') + oid;
}

bool MibVariableList::IsImplied(int index) const {
    return (Entry(index).Access & SnmpAccess::ImpliedKey) != 0;
}

bool MibVariableList::IsRequested(int index) const {
    const int32_t a = Entry(index).Access;
    return !(a & SnmpAccess::Invalid) && (a & SnmpAccess::ReadOnly);
}

bool MibVariableList::IsWritten(int index) const {
    const int32_t a = Entry(index).Access;
    if (a & SnmpAccess::Invalid)
        return false;
    return (a & SnmpAccess::WriteOnly) || (IsTable() && index < KeyCount);
}

bool MibVariableList::IsShown(int index) const {
    const int32_t a = Entry(index).Access;
    return !(a & (SnmpAccess::Invalid | SnmpAccess::Hidden)) &&
           (a & (SnmpAccess::NotAccess | SnmpAccess::Derived | SnmpAccess::ReadOnly));
}

bool MibVariableList::IsFirstColumn(int index) const {
    const int32_t a = Entry(index).Access;
    return a == SnmpAccess::WriteOnly || (a & SnmpAccess::Invalid) || (a & SnmpAccess::Hidden);
}

int MibVariableList::CountShown() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShown(i) ? 1 : 0;
    return n;
}

int MibVariableList::CountFirstColumn() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsFirstColumn(i) ? 1 : 0;
    return n;
}
