#pragma once
#include <QString>
#include <cstdint>

// The job record of the probe (command 2) and the template application
// (command 9): the host's callback and context word and five text slots.
// Every copy into a slot is bounded by the slot and NUL-terminated.
struct CommandJob {
    static constexpr int kSlot = 255;

    void* HostCallback = nullptr;
    uintptr_t Context = 0;
    char Field1[kSlot] = {};
    char Field2[kSlot] = {};
    char Field3[kSlot] = {};
    char Field4[kSlot] = {};
    char Field5[2 * kSlot] = {};   // the probe keeps its parameter in the second half
    int32_t Progress = 0;

    // Copies `text` (UTF-8) into `slot` of `size` bytes, cut to fit.
    static void Put(char* slot, int size, const QString& text);
    static QString Get(const char* slot) { return QString::fromUtf8(slot); }

    char* ProbeParameter() { return Field5 + kSlot; }
};
