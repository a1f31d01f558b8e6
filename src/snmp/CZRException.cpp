#include "CZRException.h"
#include "ErrorCatalog.h"

CZRException::CZRException(int number) : CZRException(number, ErrorCatalog::TextForNumber(number)) {}

CZRException::CZRException(int number, const QString& text)
    : number_(number), text_(text), utf8_(text.toUtf8()) {}
