#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// The objects of the device's private MIB as the catalogue and the table registry describe
// them: one object per OID without instance, named by a legal descriptor, and the tables
// that the registry walks. Built once from Catalogue::All() and MibTables::All().
class MibObjectTree {
public:
    using Arcs = std::vector<uint32_t>;   // sub-identifiers below the enterprise root

    struct Object {
        Arcs Oid;
        std::string Descriptor;
        std::vector<std::string> Names;   // catalogue names at this OID, first seen first
        std::vector<int32_t> NameSyntax;  // the syntax of each name
        std::vector<std::set<int>> NameMaps;   // the value maps of each name
        int32_t Syntax = 0;               // of the name that the descriptor stands for
        std::set<int> Maps;               // value maps of that name
        bool Writable = false;            // some table writes it
        bool Used = false;                // some table names it
        int Table = -1;                   // index in Tables() when it is a column
        bool Chosen = false;              // the catalogue's names disagree; OidMeanings chose the descriptor
    };

    struct Table {
        std::string Registry;             // the descriptor table that walks it
        std::string TableName;
        std::string EntryName;
        std::string TypeName;             // the SEQUENCE type of a row
        Arcs EntryOid;
        std::vector<size_t> Columns;      // indexes in Objects(), by OID
        std::vector<size_t> Index;        // indexes in Objects()
    };

    MibObjectTree();

    const std::vector<Object>& Objects() const { return objects_; }   // by OID
    const std::vector<Table>& Tables() const { return tables_; }
    // Remarks for the module's comments: derived names, labels and OIDs left out.
    const std::vector<std::string>& Notes() const { return notes_; }

private:
    struct Usage {
        bool CompleteOid = false;   // loaded by a list of kind 1: the OID carries the instance
        bool Written = false;
    };

    void Collect(const std::map<std::string, Usage>& usage);
    void DropNested();
    void NameObjects();
    void FindTables();
    bool Taken(const std::string& name) const { return taken_.count(name) != 0; }
    std::string Unique(const std::string& base);

    std::vector<Object> objects_;
    std::vector<Table> tables_;
    std::vector<std::string> notes_;
    std::set<std::string> taken_;
};
