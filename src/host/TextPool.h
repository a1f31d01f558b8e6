#pragma once
#include <QString>
#include <cstddef>

// Owns the NUL-terminated UTF-8 texts of the records handed to one host
// callback; they go when the pool goes. A record's texts are short and
// many: they share blocks (one allocation for a record's texts, as a rule)
// rather than having an allocation each, and a text never moves once added.
class TextPool {
public:
    TextPool() = default;
    ~TextPool();
    TextPool(const TextPool&) = delete;
    TextPool& operator=(const TextPool&) = delete;
    // The texts stay where they are: a pool's blocks move, not their bytes.
    TextPool(TextPool&& other) noexcept;
    TextPool& operator=(TextPool&& other) noexcept;

    const char* Add(const QString& text);
    const char* Add(const char* text);

private:
    // Each block starts with the address of the block added before it.
    struct Block {
        Block* previous;
    };
    // Room for `size` bytes that stay where they are.
    char* Reserve(size_t size);
    // A new block with room for `size` bytes after its header.
    char* NewBlock(size_t size);
    void Release();

    // Small enough for the allocator's per-thread cache (larger blocks take
    // its slow path, which also sweeps its free lists).
    static constexpr size_t kBlockSize = 496;
    Block* last_ = nullptr;
    char* free_ = nullptr;    // the next free byte of the block texts are added to
    size_t left_ = 0;         // bytes left there
};
