#pragma once
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

// Owns the NUL-terminated UTF-8 texts of the records handed to one host
// callback; they go when the pool goes. A record's texts are short and
// many: they share blocks rather than having an allocation each, and a text
// never moves once added.
class TextPool {
public:
    TextPool() = default;
    TextPool(const TextPool&) = delete;
    TextPool& operator=(const TextPool&) = delete;
    // The texts stay where they are: a pool's blocks move, not their bytes.
    TextPool(TextPool&& other) noexcept;
    TextPool& operator=(TextPool&& other) noexcept;

    const char* Add(const QString& text);
    const char* Add(const char* text);

private:
    // Room for `size` bytes that stay where they are.
    char* Reserve(size_t size);

    // Small enough for the allocator's per-thread cache (larger blocks take
    // its slow path, which also sweeps its free lists).
    static constexpr size_t kBlockSize = 496;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;    // the next free byte of the last block
    size_t left_ = 0;         // bytes left there
};
