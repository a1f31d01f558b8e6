#pragma once
#include <QByteArray>
#include <QList>

// One mapping rule of the configuration XML: a kind character, optional tags
// and an element path, written as text, for example
//   "e:[FFN=SYS_Mask]:[RRL=|1=Disable|2=Enable|]:<wan><rg><inf[id=1]><mode>"
// "e" reads an element's text. FFN names the key written for the value, RRL
// is a value translation list, and the path names child elements step by
// step from the document's root element.
class XmlMapRule {
public:
    struct Segment {
        QByteArray Name;
        bool HasSelector = false;
        QByteArray SelectorName;
        QByteArray SelectorValue;
    };

    static XmlMapRule Parse(const QByteArray& text);

    // Replaces every "%i" placeholder of a rule text by the number.
    static QByteArray FillIndex(const QByteArray& text, int number);

    // Translates a value by an RRL list ("|left=right|...|"). A value equal to
    // an entry's left text anywhere in the list gives that entry's right text;
    // otherwise a value equal to a right text gives the left text; case is
    // ignored. An entry without "=" ends the list. Unmatched values pass.
    static QByteArray Translate(const QByteArray& list, const QByteArray& value);

    const QByteArray& Text() const { return text_; }
    char Kind() const { return kind_; }
    bool HasKeyName() const { return hasKeyName_; }
    const QByteArray& KeyName() const { return keyName_; }
    bool HasTranslation() const { return hasTranslation_; }
    const QByteArray& Translation() const { return translation_; }
    // False when the path is missing or malformed; such a rule never resolves.
    bool PathValid() const { return pathValid_; }
    const QList<Segment>& Path() const { return path_; }

private:
    static bool FindTag(const QByteArray& text, const char* tag, QByteArray* value);
    bool ParsePath(const QByteArray& pathText);

    QByteArray text_;
    char kind_ = 0;
    bool hasKeyName_ = false;
    QByteArray keyName_;
    bool hasTranslation_ = false;
    QByteArray translation_;
    bool pathValid_ = false;
    QList<Segment> path_;
};
