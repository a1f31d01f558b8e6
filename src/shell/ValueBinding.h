#pragma once

struct MibVariableEntry;

// What a request variable is tied to: a page field or a list column. After
// values arrive the request hands each bound entry to ToControl; before a
// write it asks FromControl for the value to send.
class ValueBinding {
public:
    virtual ~ValueBinding() = default;
    virtual void ToControl(const MibVariableEntry& entry) = 0;
    virtual void FromControl(MibVariableEntry& entry) = 0;
    // A read of the request is about to start (a list empties itself).
    virtual void ReadStarting() {}
};
