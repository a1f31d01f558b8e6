#include "RowCondition.h"
#include "CZRException.h"
#include "ErrorCatalog.h"

namespace RowCondition {
namespace {

class Parser {
public:
    Parser(const QString& text, const MibVariableList& list) : text_(text), list_(list) {}

    bool Run() {
        const bool result = Or();
        SkipSpace();
        if (pos_ != text_.size())
            Fail();
        return result;
    }

private:
    [[noreturn]] void Fail() { throw CZRException(ErrorCatalog::ErrBadSyntaxInExpression); }

    void SkipSpace() {
        while (pos_ < text_.size() && text_.at(pos_).isSpace())
            ++pos_;
    }

    bool Accept(const char* token) {
        SkipSpace();
        const QLatin1String t(token);
        if (text_.mid(pos_, t.size()) == t) {
            pos_ += t.size();
            return true;
        }
        return false;
    }

    bool Or() {
        bool value = And();
        while (Accept("||"))
            value = And() || value;
        return value;
    }

    bool And() {
        bool value = Unary();
        while (Accept("&&"))
            value = Unary() && value;
        return value;
    }

    bool Unary() {
        SkipSpace();
        if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('!') &&
            !(pos_ + 1 < text_.size() && text_.at(pos_ + 1) == QLatin1Char('='))) {
            ++pos_;
            return !Unary();
        }
        if (Accept("(")) {
            const bool value = Or();
            if (!Accept(")"))
                Fail();
            return value;
        }
        return Comparison();
    }

    bool Comparison() {
        const QString left = Operand();
        static const char* const ops[] = {"==", "!=", "<=", ">=", "^=", "<", ">"};
        for (const char* op : ops) {
            if (Accept(op)) {
                const QString right = Operand();
                return Compare(left, QLatin1String(op), right);
            }
        }
        return !(left.isEmpty() || left == QLatin1String("0") ||
                 left.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
    }

    static bool Compare(const QString& a, QLatin1String op, const QString& b) {
        if (op == QLatin1String("^="))
            return a.startsWith(b);
        bool okA = false, okB = false;
        const double x = a.trimmed().toDouble(&okA);
        const double y = b.trimmed().toDouble(&okB);
        int order;
        if (okA && okB)
            order = x < y ? -1 : (x > y ? 1 : 0);
        else
            order = a.compare(b);
        if (op == QLatin1String("=="))
            return order == 0;
        if (op == QLatin1String("!="))
            return order != 0;
        if (op == QLatin1String("<"))
            return order < 0;
        if (op == QLatin1String("<="))
            return order <= 0;
        if (op == QLatin1String(">"))
            return order > 0;
        return order >= 0;
    }

    QString Reference(int index) {
        if (index < 0 || index >= list_.Count())
            Fail();
        const QString& value = list_.Entry(index).Value;
        if (value == QLatin1String("(NULL)"))
            throw CZRException(ErrorCatalog::ErrNullInExpression);
        return value;
    }

    QString Operand() {
        SkipSpace();
        if (pos_ >= text_.size())
            Fail();
        const QChar c = text_.at(pos_);
        if (c == QLatin1Char('$')) {
            ++pos_;
            if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('{')) {
                const qsizetype end = text_.indexOf(QLatin1Char('}'), pos_);
                if (end < 0)
                    Fail();
                const QString name = text_.mid(pos_ + 1, end - pos_ - 1);
                pos_ = end + 1;
                return Reference(list_.IndexOf(name));
            }
            const qsizetype start = pos_;
            while (pos_ < text_.size() && text_.at(pos_).isDigit())
                ++pos_;
            if (start == pos_)
                return Reference(0);
            bool ok = false;
            const int index = text_.mid(start, pos_ - start).toInt(&ok);
            if (!ok)
                Fail();
            return Reference(index);
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = text_.indexOf(c, pos_ + 1);
            if (end < 0)
                Fail();
            const QString literal = text_.mid(pos_ + 1, end - pos_ - 1);
            pos_ = end + 1;
            return literal;
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size() &&
               (text_.at(pos_).isLetterOrNumber() || text_.at(pos_) == QLatin1Char('.') ||
                text_.at(pos_) == QLatin1Char('-') || text_.at(pos_) == QLatin1Char('_')))
            ++pos_;
        if (start == pos_)
            Fail();
        return text_.mid(start, pos_ - start);
    }

    const QString& text_;
    const MibVariableList& list_;
    qsizetype pos_ = 0;
};

}  // namespace

bool Evaluate(const QString& condition, const MibVariableList& list) {
    if (condition.trimmed().isEmpty())
        return true;
    return Parser(condition, list).Run();
}

}  // namespace RowCondition
