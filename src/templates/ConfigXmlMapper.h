#pragma once
#include "templates/XmlMapRule.h"
#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

namespace tinyxml2 {
class XMLDocument;
}

// Reads the device configuration XML and writes one key-file line
// ("key=value" CR LF) per setting that a mapping rule finds.
class ConfigXmlMapper {
public:
    enum class Outcome { Mapped, NoDocument, OutputFailed, WriteFailed };

    ConfigXmlMapper();
    ~ConfigXmlMapper();
    ConfigXmlMapper(const ConfigXmlMapper&) = delete;
    ConfigXmlMapper& operator=(const ConfigXmlMapper&) = delete;

    // The whole run: load the XML, create the output, the rule table, then
    // the fixed cases (console, channel, WEP key, MAC list). A document that
    // does not load (or has no root element) maps nothing: NoDocument, and the
    // output is left alone.
    Outcome MapDeviceConfig(const QString& xmlPath, const QString& outputPath);

    // Loads the XML file; false when it is unreadable, malformed or rootless.
    bool LoadDocument(const QString& xmlPath);
    bool DocumentLoaded() const { return loaded_; }
    // Creates (or truncates) the output file.
    bool OpenOutput(const QString& outputPath);
    // Resolves and writes each of the given rules.
    void MapRules(const char* const* rules, int count);
    void MapSpecialCases();
    // Flushes and closes the output; false when any write failed.
    bool CloseOutput();

    // Makes the rule current and looks its path up. On success gives the
    // element's name and text (hasText false for an element without text).
    bool Resolve(const QByteArray& ruleText, QByteArray* name, QByteArray* text, bool* hasText);
    // Writes one line with the current rule's key name and translation.
    void WriteEntry(const QByteArray& name, const QByteArray& value, bool hasValue = true);

private:
    bool ResolveText(const QByteArray& ruleText, QByteArray* text, bool* hasText);
    void MapConsoleProtocol();
    void MapChannel(const char* band);
    void MapDefaultKey();
    void MapMacList();

    std::unique_ptr<tinyxml2::XMLDocument> document_;
    bool loaded_ = false;
    QFile output_;
    bool writeFailed_ = false;
    XmlMapRule current_;
};
