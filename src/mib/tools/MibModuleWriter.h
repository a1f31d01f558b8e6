#pragma once
#include "MibObjectTree.h"
#include <string>

// Writes the SMIv2 module NXA7310-MIB for the objects and tables of a MibObjectTree.
class MibModuleWriter {
public:
    explicit MibModuleWriter(const MibObjectTree& tree) : tree_(tree) {}

    std::string Text() const;

private:
    std::string Name(const MibObjectTree::Arcs& arcs) const;
    std::string Syntax(const MibObjectTree::Object& object, bool inSequence, bool isIndex = false) const;
    std::string Description(const MibObjectTree::Object& object) const;
    std::string ObjectType(const MibObjectTree::Object& object, bool isIndex) const;
    std::string TableTypes(const MibObjectTree::Table& table) const;

    const MibObjectTree& tree_;
};
