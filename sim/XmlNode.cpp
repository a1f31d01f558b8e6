#include "XmlNode.h"
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

XmlNode& XmlNode::Add(const std::string& name, const std::string& text) {
    auto node = std::make_unique<XmlNode>();
    node->Name = name;
    node->Text = text;
    Children.push_back(std::move(node));
    return *Children.back();
}

const XmlNode* XmlNode::Child(const std::string& name, const std::string& id) const {
    for (const auto& child : Children) {
        if (child->Name != name)
            continue;
        auto it = child->Attributes.find("id");
        if (id.empty() || (it != child->Attributes.end() && it->second == id))
            return child.get();
    }
    return nullptr;
}

const XmlNode* XmlNode::Find(std::initializer_list<const char*> path) const {
    const XmlNode* node = this;
    for (const char* name : path)
        if (!(node = node->Child(name)))
            return nullptr;
    return node;
}

namespace {
void WriteNode(QXmlStreamWriter& writer, const XmlNode& node) {
    writer.writeStartElement(QString::fromStdString(node.Name));
    for (const auto& [name, value] : node.Attributes)
        writer.writeAttribute(QString::fromStdString(name), QString::fromStdString(value));
    // The text comes first, so that an element with children still reads
    // its own text as the first child node.
    if (!node.Text.empty())
        writer.writeCharacters(QString::fromStdString(node.Text));
    for (const auto& child : node.Children)
        WriteNode(writer, *child);
    writer.writeEndElement();
}
}  // namespace

std::string XmlNode::ToXml() const {
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);   // one element a line; elements with text stay as they are
    writer.setAutoFormattingIndent(1);
    writer.writeStartDocument();
    WriteNode(writer, *this);
    writer.writeEndDocument();
    return out.toStdString();
}

std::unique_ptr<XmlNode> XmlNode::Parse(const std::string& text, std::string& error) {
    QXmlStreamReader reader(QByteArray::fromStdString(text));
    std::unique_ptr<XmlNode> root;
    std::vector<XmlNode*> open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            XmlNode* node;
            if (open.empty()) {
                if (root) {
                    error = "more than one root element";
                    return nullptr;
                }
                root = std::make_unique<XmlNode>();
                node = root.get();
                node->Name = reader.name().toString().toStdString();
            } else {
                node = &open.back()->Add(reader.name().toString().toStdString());
            }
            for (const QXmlStreamAttribute& a : reader.attributes())
                node->Attributes[a.name().toString().toStdString()] = a.value().toString().toStdString();
            open.push_back(node);
        } else if (reader.isEndElement()) {
            open.pop_back();
        } else if (reader.isCharacters() && !open.empty() && !reader.isWhitespace()) {
            open.back()->Text += reader.text().toString().toStdString();
        }
    }
    if (reader.hasError() || !root) {
        error = reader.hasError() ? reader.errorString().toStdString() : "no root element";
        return nullptr;
    }
    return root;
}
