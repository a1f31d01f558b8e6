#include "TextPool.h"
#include <QByteArray>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

TextPool::~TextPool() { Release(); }

TextPool::TextPool(TextPool&& other) noexcept
    : last_(std::exchange(other.last_, nullptr)),
      free_(std::exchange(other.free_, nullptr)),
      left_(std::exchange(other.left_, 0)) {}

TextPool& TextPool::operator=(TextPool&& other) noexcept {
    if (this != &other) {
        Release();
        last_ = std::exchange(other.last_, nullptr);
        free_ = std::exchange(other.free_, nullptr);
        left_ = std::exchange(other.left_, 0);
    }
    return *this;
}

void TextPool::Release() {
    while (last_) {
        Block* previous = last_->previous;
        std::free(last_);
        last_ = previous;
    }
    free_ = nullptr;
    left_ = 0;
}

char* TextPool::NewBlock(size_t size) {
    void* memory = std::malloc(sizeof(Block) + size);
    if (!memory)
        throw std::bad_alloc();
    Block* block = static_cast<Block*>(memory);
    block->previous = last_;
    last_ = block;
    return static_cast<char*>(memory) + sizeof(Block);
}

char* TextPool::Reserve(size_t size) {
    if (size > left_) {
        // A text longer than a quarter block gets a block of its own; what
        // was left of the current block stays for the texts after it.
        if (size > kBlockSize / 4)
            return NewBlock(size);
        free_ = NewBlock(kBlockSize - sizeof(Block));
        left_ = kBlockSize - sizeof(Block);
    }
    char* at = free_;
    free_ += size;
    left_ -= size;
    return at;
}

const char* TextPool::Add(const QString& text) {
    // Plain ASCII (addresses, numbers, most names) is copied as it is; any
    // other text goes through Qt's encoder, which also mends lone surrogates.
    const qsizetype length = text.size();
    const QChar* chars = text.constData();
    bool ascii = true;
    for (qsizetype i = 0; i < length && ascii; ++i)
        ascii = chars[i].unicode() < 0x80;
    if (ascii) {
        char* at = Reserve(static_cast<size_t>(length) + 1);
        for (qsizetype i = 0; i < length; ++i)
            at[i] = static_cast<char>(chars[i].unicode());
        at[length] = '\0';
        return at;
    }
    const QByteArray utf8 = text.toUtf8();
    char* at = Reserve(static_cast<size_t>(utf8.size()) + 1);
    std::memcpy(at, utf8.constData(), static_cast<size_t>(utf8.size()) + 1);
    return at;
}

const char* TextPool::Add(const char* text) {
    if (!text)
        text = "";
    const size_t size = std::strlen(text) + 1;
    char* at = Reserve(size);
    std::memcpy(at, text, size);
    return at;
}
