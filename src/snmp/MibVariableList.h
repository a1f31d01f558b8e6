#pragma once
#include "MibVariable.h"
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

// Run-time copy of a descriptor: the texts are owned; the map is shared.
struct MibVariableEntry {
    QString Oid;
    QString Name;
    int32_t Syntax = 0;
    int32_t Access = 0;
    const ValueMap* Map = nullptr;
    QString Value;
    QString AltValue;

    // The descriptor's optional texts; none when it gives none.
    const std::optional<QString>& Text1() const { return Text(0); }
    const std::optional<QString>& Text2() const { return Text(1); }
    const std::optional<QString>& Text3() const { return Text(2); }
    void SetTexts(std::optional<QString> text1, std::optional<QString> text2, std::optional<QString> text3);

private:
    using OptionalTexts = std::array<std::optional<QString>, 3>;
    const std::optional<QString>& Text(size_t index) const;
    // Shared by the copies and never changed (null when all three are
    // absent): every query copies its list, and an entry small enough that
    // a list of them stays a small allocation is copied much faster.
    std::shared_ptr<const OptionalTexts> texts_;
};

// The list of variables that one request reads or writes.
class MibVariableList {
public:
    // Item types of a list.
    enum Kinds {
        SVT_SV = 0,   // scalars given without instance; ".0" is appended
        MVT_SV = 1,   // complete OIDs used as given
        MVT_FMV = 2,  // table columns, walked with get-next, written row by row
        MVT_UMV = 3,  // same as MVT_FMV
    };

    MibVariableList() = default;
    explicit MibVariableList(const MibVariable* table, int32_t kind = SVT_SV, int32_t keyCount = 0);

    // The same list for a table that lives as long as the program (the
    // catalogue's): built once and kept unchanged, so a query that runs for
    // every device only copies it (the copies share its texts; assigning it
    // to a list of the same length reuses that list's storage). Never pass a
    // table that may go away or change (one built on the stack): its address
    // could later name another table.
    static const MibVariableList& FromCatalogue(const MibVariable* table, int32_t kind = SVT_SV, int32_t keyCount = 0);

    QString BaseOid;
    int32_t KeyCount = 0;
    int32_t Kind = SVT_SV;
    QString Label;

    void Append(const MibVariable* table);
    void Add(const QString& oid, const QString& name, int32_t syntax, int32_t access,
             const ValueMap* map = nullptr, const QString& text1 = {}, const QString& text2 = {},
             const QString& text3 = {});
    void Clear();
    int Count() const { return static_cast<int>(entries_.size()); }
    MibVariableEntry& Entry(int index) { return entries_.at(static_cast<size_t>(index)); }
    const MibVariableEntry& Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

    // Index of the first entry with this name, or -1.
    int IndexOf(const QString& name) const;
    int IndexOf(QLatin1String name) const;

    // A map built for this list alone; the list keeps it alive (copies share it).
    const ValueMap* AdoptMap(std::unique_ptr<ValueMap> map);

    // The full OID of an entry without instance: BaseOid "." Oid when BaseOid is set.
    QString FullOid(int index) const;

    bool IsImplied(int index) const;
    bool IsRequested(int index) const;
    bool IsWritten(int index) const;
    bool IsShown(int index) const;
    bool IsFirstColumn(int index) const;
    bool IsTable() const { return Kind == MVT_FMV || Kind == MVT_UMV; }
    int CountShown() const;
    int CountFirstColumn() const;

private:
    std::vector<MibVariableEntry> entries_;
    std::vector<std::shared_ptr<const ValueMap>> ownedMaps_;
};
