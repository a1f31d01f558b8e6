#include "TextPool.h"

const char* TextPool::Add(const QString& text) {
    texts_.push_back(text.toUtf8());
    return texts_.back().constData();
}

const char* TextPool::Add(const char* text) {
    texts_.emplace_back(text ? text : "");
    return texts_.back().constData();
}
