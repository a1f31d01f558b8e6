#pragma once
#include <QString>
#include <stdexcept>

// A page declared something that does not exist: a variable its request does
// not hold, a table the registry does not know, a field name used twice. It
// is a programming error; building the page throws so that tests fail loudly.
class PageDeclarationError : public std::logic_error {
public:
    explicit PageDeclarationError(const QString& what) : std::logic_error(what.toStdString()) {}
};
