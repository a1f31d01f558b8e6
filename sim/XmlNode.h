#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

// A small element tree for the configuration XML of the backup: element
// names, attributes, the element's own text and its children in order.
struct XmlNode {
    std::string Name;
    std::map<std::string, std::string> Attributes;
    std::string Text;
    std::vector<std::unique_ptr<XmlNode>> Children;

    XmlNode& Add(const std::string& name, const std::string& text = {});
    // The first child with this name (and, when given, this id attribute), or nullptr.
    const XmlNode* Child(const std::string& name, const std::string& id = {}) const;
    // The first element along a path of child names, or nullptr.
    const XmlNode* Find(std::initializer_list<const char*> path) const;

    // The document text with this node as its root element.
    std::string ToXml() const;
    // Parses a document; nullptr (with a reason) when it is not well formed.
    static std::unique_ptr<XmlNode> Parse(const std::string& text, std::string& error);
};
